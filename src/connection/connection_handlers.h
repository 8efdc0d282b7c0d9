#pragma once
// The handlers of the Connection page: the four Connect buttons, the catalogue read
// (connect_db), Select Schema, after_connect, Close Connexion, the remembered logins
// and the history lists. One object per main window, created with it.

#include "connection/connection_kinds.h"

#include <QComboBox>
#include <QObject>
#include <QPointer>
#include <functional>

namespace app
{
class MainWindow;
}

namespace connection
{

class ConnectionPage;

class ConnectionHandlers : public QObject
{
    Q_OBJECT
public:
    // Wires itself to the window's Connection page; the window owns it.
    explicit ConnectionHandlers(app::MainWindow& window);

    // Connect buttons: Access, other, Oracle, SQL Server; Close Connexion.
    void Command12_Click();
    void Command13_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();

    // Select Schema.
    void Command1_Click();

    void connect_db();
    void after_connect();

    // Remembered logins and history lists.
    void db_Click();
    void sdb_Click();
    void db_LostFocus();
    void sdb_LostFocus();
    void ocnx_LostFocus();
    void adb_LostFocus();
    void Command15_Click();

    // The Access file dialog; tests may replace it. It receives the dialog's settings
    // (file name "*.mdb", default extension "mdb") and returns the chosen path, or the
    // unchanged file name when cancelled.
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& fileName, const QString& extension)>;
    static void setFileChooser(FileChooser chooser);

private:
    // Steps 1 to 6 of every Connect button, for the values of one kind.
    void connectKind(const KindValues& values);
    void saveOracleLogin();
    void saveSqlServerLogin();
    // Trims a history box and appends its text when the list does not hold it yet.
    void rememberEntry(QComboBox* box, bool skipEmpty);
    QString wantedType() const;
    // The start of a catalogue read: the busy pointer, the row counter shown empty and
    // no record count on the browser.
    void startScan();
    // Shows the phase of the read and yields; false when the window went away meanwhile.
    bool showPhase(const QString& phase);
    ConnectionPage& page() const;
    // False when the window went away during a yield.
    bool alive() const { return !window_.isNull(); }

    QPointer<app::MainWindow> window_;
};

// The handlers of a main window (created in its constructor).
ConnectionHandlers* handlersOf(app::MainWindow& window);

} // namespace connection
