#pragma once
// The Data Browser page pt(0): the table list, the grid over the data control Data2,
// the record count, the three criteria tabs with their panels (sort, value filter,
// range search) and the export of the grid's rows to a spreadsheet.

#include "browser/grid_export.h"
#include "kit/controls.h"
#include "kit/sorted_list.h"
#include "platform/ado/ado.h"
#include "platform/user_feedback.h"

#include <QRadioButton>
#include <QTableView>
#include <array>
#include <functional>

namespace kit
{
class RunGuard;
}

namespace browser
{

class RecordsetModel;

class DataBrowserPage : public kit::Panel
{
    Q_OBJECT
public:
    // Its messages go to `messages`.
    explicit DataBrowserPage(const platform::Messages& messages, QWidget* parent = nullptr);

    // The table list t, filled by a catalogue read.
    QStringList tables() const;
    void clearTables();
    void addTable(const QString& table);
    // Empties the record count nr.
    void clearRecordCount();

    // The data control whose recordset the grid shows (the window's Data2).
    void attachDataControl(platform::ado::DataControl* data);
    // The program's run guard: the browser's queries, counts, reads and exports hold it
    // while they wait on the database, and are refused while another action holds it. A
    // page given none shares one with the other pages given none.
    void attachRunGuard(kit::RunGuard* guard);
    // Where exported workbooks are written (the temporary folder by default) and what opens
    // them (the desktop's program for the file type by default).
    void setExportFolder(const QString& folder) { exportFolder_ = folder; }
    void setSpreadsheetOpener(SpreadsheetOpener opener) { opener_ = std::move(opener); }

    // Selects criteria tab `index`: every tab pale and its panel hidden, then the
    // chosen tab highlighted and its panel shown.
    void chdbc_Click(int index);
    void chdbc_MouseMove(int index);
    // Takes the hover frame away from the three tabs.
    void clearTabFrames();
    void t_Click();

    // The queries: open, sort, value filter, range search; each ends with recc.
    void Command2_Click();
    void c_srt_Click(int index);
    void Command7_Click();
    void Command10_Click();
    // Shows the row count of the last query in nr.
    void recc();
    void c_Change();

    // Picks from the grid: a column by index (header click), the current cell's column
    // (cell click), the current cell's text (double click).
    void ss2_pick_column(int columnIndex);
    void ss2_pick_current_column();
    void ss2_pick_value();

    void Command4_Click();

signals:
    // A browser query or a read of its rows failed: the database's reason, on one line.
    void queryFailed(const QString& reason);
    // A browser query ran: any failure shown before is over.
    void queryShown();
    // The grid waits for rows a read has been fetching for a while: the text to show while
    // it lasts, empty once it is over.
    void waitingText(const QString& text);

private:
    class Action;

    kit::SortedList* t = nullptr;            // tables (or views) of the catalogue
    QPushButton* Command2 = nullptr;         // "Open Table..."
    kit::TextBox* tp = nullptr;              // data type code of the picked column
    QTableView* ss2 = nullptr;               // the grid
    kit::TextBox* nr = nullptr;              // "Records Count"
    std::array<kit::ClickLabel*, 3> chdbc{}; // "Sort", "Select Value", "Search from..to.."
    std::array<kit::Panel*, 3> dbs{};        // their criteria panels
    // Panel 0: the column and the two sort buttons.
    kit::TextBox* c = nullptr;
    std::array<QPushButton*, 2> c_srt{}; // "Sort Asc", "Sort Desc"
    // Panel 1: the value filter.
    kit::TextBox* v = nullptr;
    std::array<QRadioButton*, 4> s1{}; // "Begin with", "End with", "Contain", "Equal"
    QLabel* cv1 = nullptr;
    QPushButton* Command7 = nullptr; // "Select"
    // Panel 2: the range search.
    kit::TextBox* sfr = nullptr;
    kit::TextBox* sto = nullptr;
    QLabel* cv2 = nullptr;
    QPushButton* Command10 = nullptr; // "Search"
    // The export.
    QPushButton* Command4 = nullptr; // "Export Grid to Excel"
    QLabel* exp_e = nullptr;

    void buildCriteriaPanels();
    void keepCriteriaSteady();
    void connectHandlers();
    // Runs `query` through the data control and shows its first rows in the grid; recc
    // then counts the rows of `counted` (the same rows, in any order).
    void showQuery(const QString& query, const QString& counted);
    void showQuery(const QString& query) { showQuery(query, query); }
    void reportFailure(const QString& reason);
    // The selected table, and the column in c, as the queries write them.
    QString selectedTable();
    QString selectedColumn();
    // Columns as wide as their header and the rows read so far, within a sensible width.
    void fitColumns();
    // Widens the columns that rows `first` to `last` need wider, within the same width.
    void widenColumns(int first, int last);
    // Runs the action kept during a browser read once no browser read is under way.
    void runPendingLater();

    const platform::Messages& messages_;
    platform::ado::DataControl* data2_ = nullptr;
    RecordsetModel* model_ = nullptr;
    bool lastQueryRead_ = false;
    kit::RunGuard* guard_ = nullptr;
    // A query, count or export of this page holds the guard: the window handles events
    // while the database works, and a browser action clicked meanwhile waits for it.
    bool acting_ = false;
    // The last browser action clicked during a browser read, run when the read ends.
    std::function<void()> pending_;
    // The width each column has been given since the last query.
    QList<int> columnWidths_;
    QString countSource_;
    QString exportFolder_;
    SpreadsheetOpener opener_ = openWithDesktop;
};

inline constexpr quint32 kCriteriaTabColour = 0xFDFEDA;
// A grid column fitted to its content grows to about this many characters at most.
inline constexpr int kWidestColumnChars = 40;
inline constexpr quint32 kChosenCriteriaTabColour = 0xFFFF00;

} // namespace browser
