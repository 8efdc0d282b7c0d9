#pragma once
// The Connection page pt(2): the four connection frames (Oracle, SQL Server, Access,
// other) with their boxes, history lists and Connect buttons, Select Schema, Close
// Connexion, the Tables/Views choice, the progress boxes and the connection string
// written into generated code. Its controls are its own: it keeps the logins and the
// history lists itself, and asks for a Connect, a schema or a close through its signals;
// the catalogue read shows its progress through the methods below.

#include "connection/connection_kinds.h"
#include "connection/history_file.h"
#include "kit/controls.h"
#include "kit/file_chooser.h"
#include "platform/settings_store.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <array>

namespace connection
{

class ConnectionPage : public kit::Panel
{
    Q_OBJECT
public:
    // `chooseFile` asks for the Access file (an empty one shows the file dialog);
    // `settings` keeps the logins. Both must outlive the page.
    ConnectionPage(const kit::FileChooser& chooseFile, platform::settings::Store& settings,
                   QWidget* parent = nullptr);

    // The choices kept from one session to the next: the two "Save Password" ticks and the
    // SQL Server provider.
    struct KeptChoices {
        bool saveOraclePassword = false;
        bool saveSqlServerPassword = false;
        QString provider;
    };
    KeptChoices keptChoices() const;
    void restoreKeptChoices(const KeptChoices& choices);

    // The four history lists (db, adb, ocnx, sdb); setting them leaves every box empty.
    HistoryLists historyLists() const;
    void setHistoryLists(const HistoryLists& lists);

    // After a successful Connect: the login of an Oracle service or a SQL Server database
    // is remembered for the next time its name is picked.
    void rememberLogin(Kind kind);

    // The catalogue read: the row counter shown empty, each phase, the rows counted, and
    // the end (phase emptied, counter hidden). A failed open empties the phase only.
    void startScan();
    void showPhase(const QString& phase);
    void showRowCount(int count);
    void clearPhase();
    void endScan();

    // "TABLE" or "VIEW", as the Tables/Views choice says.
    QString wantedTableType() const;
    // The schema box: emptied before a read, then filled with none chosen.
    void clearSchemas();
    void listSchemas(const QStringList& schemas);
    QString chosenSchema() const;
    void focusSchema();
    // The focus on the page's first box, where a connection starts.
    void focusFirstBox();

    // The connection string written into generated code (cnxstr).
    QString generatedCodeConnection() const;
    void setGeneratedCodeConnection(const QString& text);

signals:
    // A Connect button was pressed: the values of its kind, from its frame's boxes.
    void connectRequested(const connection::KindValues& values);
    void schemaSelectionRequested(); // "Select Schema"
    void closeRequested();           // "Close Connexion"

private:
    void Command12_Click();
    void Command13_Click();
    void Command3_Click();
    void Command5_Click();
    void Command15_Click();
    void db_Click();
    void sdb_Click();
    // Trims a history box and appends its text when the list does not hold it yet.
    void rememberEntry(QComboBox* box, bool skipEmpty);
    void connectHandlers();

    const kit::FileChooser& chooseFile_;
    platform::settings::Store& settings_;

    // Oracle.
    kit::ComboBox* db = nullptr; // service
    kit::TextBox* uid = nullptr;
    kit::PasswordBox* pwd = nullptr;
    QCheckBox* c1 = nullptr;         // "Save Password"
    kit::ComboBox* o = nullptr;      // schema
    QPushButton* Command3 = nullptr; // Connect
    QPushButton* Command1 = nullptr; // Select Schema

    // SQL Server.
    kit::TextBox* spro = nullptr; // provider
    kit::TextBox* so = nullptr;   // data source
    kit::ComboBox* sdb = nullptr; // initial catalog
    kit::TextBox* suid = nullptr;
    kit::PasswordBox* spwd = nullptr;
    QCheckBox* sc1 = nullptr;        // "Save Password"
    QPushButton* Command5 = nullptr; // Connect

    // Access.
    kit::ComboBox* adb = nullptr;     // database file
    QPushButton* Command12 = nullptr; // Connect
    QPushButton* Command15 = nullptr; // file dialog ("Search...")

    // Other connections.
    kit::ComboBox* ocnx = nullptr;    // full connection string
    QPushButton* Command13 = nullptr; // Connect

    // Outside the frames.
    QPushButton* Command6 = nullptr;    // "Close Connexion"
    std::array<QRadioButton*, 2> dbo{}; // "Tables", "Views"
    kit::TextBox* fmain = nullptr;      // phase of the catalogue read
    kit::TextBox* pc = nullptr;         // row counter, shown during a scan
    kit::TextBox* cnxstr = nullptr;     // connection string for generated code
};

} // namespace connection
