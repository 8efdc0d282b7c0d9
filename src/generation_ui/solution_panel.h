#pragma once
// The solution dialog pt(5), a panel floating over the pages: solution name and
// folder, project name and folder, the style-sheet path, the step shown during a
// solution run, and its Ok and Cancel buttons. Filled from the class prefix and the
// output folder when it opens, it keeps the project name and folder in step with the
// solution name. Its controls are its own; the window works through the methods and
// signals below.

#include "generators/web/solution_files.h"
#include "kit/controls.h"

namespace generation_ui
{

class SolutionPanel : public kit::Panel
{
    Q_OBJECT
public:
    explicit SolutionPanel(QWidget* parent = nullptr);

    // Shows the panel centred over the pages, named for `prefix` in `folder`.
    void openFor(const QString& prefix, const QString& folder);

    QString projectName() const;
    QString projectFolder() const;
    // The style-sheet path, kept in the settings store; a change raises styleSheetEdited.
    QString styleSheetPath() const;
    void setStyleSheetPath(const QString& path);
    // The solution's own values: names, folders and style sheet.
    void fillSolutionInputs(generators::web::SolutionInputs& in) const;
    // The step of a running solution run (avasn).
    void showStep(const QString& text);

signals:
    // The solution name changed; the class prefix follows it.
    void solutionNameEdited(const QString& name);
    void styleSheetEdited();
    void okClicked(); // "Ok": generate the solution

protected:
    // Enter in one of its boxes presses Ok, as in any dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void sng_Change();
    QString projectFolderOfName() const;

    QLabel* Label8 = nullptr;
    kit::TextBox* sng = nullptr; // solution name, editable
    kit::TextBox* spg = nullptr; // solution folder
    kit::TextBox* png = nullptr; // project name
    kit::TextBox* ppg = nullptr; // project folder
    QLabel* Label7 = nullptr;
    kit::TextBox* stcss = nullptr;    // style-sheet path
    QLabel* avasn = nullptr;          // step of the solution run
    QPushButton* Command21 = nullptr; // "Ok"
    QPushButton* Command20 = nullptr; // "Cancel"
};

} // namespace generation_ui
