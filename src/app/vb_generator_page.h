#pragma once
// The VB Generator page pt(1): the table lists and their arrow buttons, the class
// prefix, the output folder, the module and option boxes, the generate buttons and
// the five code previews with their tabs.

#include "app/controls.h"
#include "app/sorted_list.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <array>

namespace app {

class VbGeneratorPage : public Panel {
    Q_OBJECT
public:
    explicit VbGeneratorPage(QWidget* parent = nullptr);

    SortedList* tdn = nullptr;  // the database's tables not chosen
    SortedList* tdn1 = nullptr; // the chosen tables
    TextBox* s_t = nullptr;     // type-ahead over tdn
    std::array<QPushButton*, 4> tadd{};
    TextBox* dbn = nullptr; // class prefix
    TextBox* pn = nullptr;  // output folder
    QPushButton* chpth_1 = nullptr;
    std::array<QCheckBox*, 3> gn{};
    std::array<QLabel*, 3> gnn{};
    QCheckBox* ps = nullptr;
    QCheckBox* gcfk = nullptr;
    QCheckBox* gwcf = nullptr;
    QPushButton* Command11 = nullptr; // "Generate VB.Net Files!"
    QPushButton* Command18 = nullptr; // "VB6 Classes only!"
    QPushButton* Command19 = nullptr; // "Generate Solution!"
    ClickLabel* Etiquette6_13 = nullptr;
    ClickLabel* Etiquette6_14 = nullptr;
    ClickLabel* Etiquette6_22 = nullptr;
    QProgressBar* pb1 = nullptr;
    std::array<QPlainTextEdit*, 5> gnl{};
    std::array<ClickLabel*, 5> vvbg{};
    QLabel* l_def = nullptr;

    void tadd_Click(int index);
    void s_t_Change();
    void gn_Click(int index);
    void dbn_Change();
    void vvbg_Click(int index);
    void vvbg_MouseMove(int index);
    // Takes the hover frame away from the five preview tabs.
    void clearTabFrames();
    // One step of the arrow animation (the tick's first two steps).
    void animateArrows();
};

// Colours of the preview tabs.
inline constexpr quint32 kTabColour = 0xFDFEDA;
inline constexpr quint32 kChosenTabColour = 0xFFFF80;

} // namespace app
