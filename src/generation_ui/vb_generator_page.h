#pragma once
// The VB Generator page pt(1): the table lists and their arrow buttons, the class
// prefix, the output folder, the module and option boxes, the generate buttons and
// the five code previews with their tabs. Its controls are its own; the window and
// the session work through the methods and signals below.

#include "generation_ui/generator_page.h"
#include "generators/common/run_inputs.h"
#include "kit/sorted_list.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <array>

namespace kit
{
class RunGuard;
}

namespace generation_ui
{

// The output folder is pn, the picker chpth(1), the generate button Command11 ("Generate
// VB.Net Files!") and the previews gnl(0..4).
class VbGeneratorPage : public GeneratorPage
{
    Q_OBJECT
public:
    VbGeneratorPage(kit::RunGuard& guard, QWidget* parent = nullptr);

    // The class prefix (dbn); setting it renews the module file names.
    QString prefix() const;
    void setPrefix(const QString& prefix);

    QStringList chosenTables() const;
    // The module file names shown beside the module boxes (gnn).
    std::array<QString, 3> moduleFileNames() const;
    bool storedProceduresAllowed() const;
    // The page's part of a run's inputs: folder, prefix, modules, options, chosen tables.
    void fillRunInputs(generators::RunInputs& in) const;

    // After a Connect: the Oracle stored-procedure box is offered only for Oracle.
    void allowStoredProcedures(bool allowed);
    // After a catalogue read: every table not chosen, the first preview shown, and
    // every module ticked again with its file name renewed.
    void startWithTables(const QStringList& tables);
    void tickWebConfig();
    // The focus on the list of the database's tables, where the next step after a Connect is.
    void focusTableList();

    // The progress bar pb1, written by a generation run.
    void setProgressVisible(bool visible);
    // A value outside the bar's range is refused; the bar keeps its value.
    void setProgressValue(double value);
    double progressValue() const;
    void setProgressMaximum(double maximum);
    double progressMaximum() const;

    void vvbg_Click(int index);
    // Takes the hover frame away from the five preview tabs.
    void clearTabFrames();
    // One step of the arrow animation (the tick's first two steps).
    void animateArrows();

signals:
    void classModulesRequested(); // "VB6 Classes only!"
    void solutionRequested();     // "Generate Solution!"

private:
    void tadd_Click(int index);
    void s_t_Change();
    void gn_Click(int index);
    void dbn_Change();
    void vvbg_MouseMove(int index);

    kit::RunGuard& guard_;
    kit::SortedList* tdn = nullptr;  // the database's tables not chosen
    kit::SortedList* tdn1 = nullptr; // the chosen tables
    kit::TextBox* s_t = nullptr;     // type-ahead over tdn
    std::array<QPushButton*, 4> tadd{};
    kit::TextBox* dbn = nullptr; // class prefix
    kit::TextBox* pn = nullptr;  // output folder
    QPushButton* chpth_1 = nullptr;
    std::array<QCheckBox*, 3> gn{};
    std::array<QLabel*, 3> gnn{};
    QCheckBox* ps = nullptr;
    QCheckBox* gcfk = nullptr;
    QCheckBox* gwcf = nullptr;
    QPushButton* Command11 = nullptr; // "Generate VB.Net Files!"
    QPushButton* Command18 = nullptr; // "VB6 Classes only!"
    QPushButton* Command19 = nullptr; // "Generate Solution!"
    kit::ClickLabel* Etiquette6_13 = nullptr;
    kit::ClickLabel* Etiquette6_14 = nullptr;
    kit::ClickLabel* Etiquette6_22 = nullptr;
    QProgressBar* pb1 = nullptr;
    std::array<QPlainTextEdit*, 5> gnl{};
    std::array<kit::ClickLabel*, 5> vvbg{};
    QLabel* l_def = nullptr;
};

// Colours of the preview tabs.
inline constexpr quint32 kTabColour = 0xFDFEDA;
inline constexpr quint32 kChosenTabColour = 0xFFFF80;

} // namespace generation_ui
