#pragma once
// The ASPX Generator page pt(3): the table list, the page's table and file names, the
// project name, the output folder and the two page previews. The table chosen in tdn2
// (by click or by the search box s_t2) goes into tb2(0), which names the page file and
// its code-behind in tb2(1) and tb2(2). Its controls are its own; the window and the
// session work through the methods and signals below.

#include "generation_ui/generator_page.h"
#include "generators/web/edit_page_run.h"
#include "kit/sorted_list.h"

#include <QPlainTextEdit>
#include <array>

namespace generation_ui
{

// The output folder is pn2, the picker chpth(0), the generate button Command8 ("Generate
// ASPX!") and the previews gasp(0..1).
class AspxGeneratorPage : public GeneratorPage
{
    Q_OBJECT
public:
    explicit AspxGeneratorPage(QWidget* parent = nullptr);

    // The Visual Studio project name (tb2(3)).
    QString projectName() const;
    void setProjectName(const QString& name);
    // Puts `table` in the table box; the file names are renewed even when it held it.
    void chooseTable(const QString& table);
    QString chosenTable() const;
    // What an edit-page run reads of the page.
    generators::web::EditPageInputs editPageInputs() const;
    // The step of a running edit-page run (stasp); an empty text empties it.
    void showStep(const QString& text);

    // After a catalogue read: the database's tables.
    void listTables(const QStringList& tables);

private:
    void tdn2_Click();
    void s_t2_Change();
    void tb2_Change(int index);

    kit::SortedList* tdn2 = nullptr;
    kit::TextBox* s_t2 = nullptr;
    std::array<kit::TextBox*, 4> tb2{}; // table, aspx, aspx.vb, project name
    kit::TextBox* pn2 = nullptr;
    QPushButton* chpth_0 = nullptr;
    QPushButton* Command8 = nullptr; // "Generate ASPX!"
    kit::ClickLabel* Etiquette6_17 = nullptr;
    std::array<QPlainTextEdit*, 2> gasp{};
    QLabel* stasp = nullptr;
    QLabel* Label6 = nullptr;
};

// The edit page of `table` for `project` in `folder`, under the file names the page gives it.
generators::web::EditPageInputs editPageOf(const QString& table, const QString& project,
                                           const QString& folder);

} // namespace generation_ui
