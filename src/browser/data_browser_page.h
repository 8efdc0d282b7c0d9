#pragma once
// The Data Browser page pt(0): the table list, the grid, the record count and the
// three criteria tabs with their panels.

#include "app/controls.h"
#include "app/sorted_list.h"

#include <QTableView>
#include <array>

namespace browser {

class DataBrowserPage : public app::Panel {
    Q_OBJECT
public:
    explicit DataBrowserPage(QWidget* parent = nullptr);

    app::SortedList* t = nullptr;     // tables (or views) of the catalogue
    QPushButton* Command2 = nullptr;  // "Open Table..."
    QTableView* ss2 = nullptr;        // the grid
    app::TextBox* nr = nullptr;       // "Records Count"
    std::array<app::ClickLabel*, 3> chdbc{}; // "Sort", "Select Value", "Search from..to.."
    std::array<app::Panel*, 3> dbs{};        // their criteria panels

    // Selects criteria tab `index`: every tab pale and its panel hidden, then the
    // chosen tab highlighted and its panel shown.
    void chdbc_Click(int index);
    void chdbc_MouseMove(int index);
    // Takes the hover frame away from the three tabs.
    void clearTabFrames();
    void t_Click();
};

inline constexpr quint32 kCriteriaTabColour = 0xFDFEDA;
inline constexpr quint32 kChosenCriteriaTabColour = 0xFFFF00;

} // namespace browser
