#pragma once
// The ASPX Generator page pt(3): the table list, the page's table and file names, the
// project name, the output folder and the two page previews.

#include "app/controls.h"
#include "app/sorted_list.h"

#include <QPlainTextEdit>
#include <array>

namespace app {

class AspxGeneratorPage : public Panel {
    Q_OBJECT
public:
    explicit AspxGeneratorPage(QWidget* parent = nullptr);

    SortedList* tdn2 = nullptr;
    TextBox* s_t2 = nullptr;
    std::array<TextBox*, 4> tb2{}; // table, aspx, aspx.vb, project name
    TextBox* pn2 = nullptr;
    QPushButton* chpth_0 = nullptr;
    QPushButton* Command8 = nullptr; // "Generate ASPX!"
    ClickLabel* Etiquette6_17 = nullptr;
    std::array<QPlainTextEdit*, 2> gasp{};
    QLabel* stasp = nullptr;
    QLabel* Label6 = nullptr;
};

} // namespace app
