#pragma once
// The solution dialog pt(5), a panel floating over the pages: solution name and
// folder, project name and folder, the style-sheet path, the step shown during a
// solution run, and its Ok and Cancel buttons.

#include "app/controls.h"

namespace app {

class SolutionPanel : public Panel {
    Q_OBJECT
public:
    explicit SolutionPanel(QWidget* parent = nullptr);

    QLabel* Label8 = nullptr;
    TextBox* sng = nullptr;   // solution name, editable
    TextBox* spg = nullptr;   // solution folder
    TextBox* png = nullptr;   // project name
    TextBox* ppg = nullptr;   // project folder
    QLabel* Label7 = nullptr;
    TextBox* stcss = nullptr; // style-sheet path, kept in the settings store
    QLabel* avasn = nullptr;  // step of the solution run
    QPushButton* Command21 = nullptr; // "Ok"
    QPushButton* Command20 = nullptr; // "Cancel"
};

} // namespace app
