#pragma once
// What the Connection page's requests do in the window: the four Connect buttons, the
// catalogue read (connect_db), Select Schema, after_connect and Close Connexion. They
// work through the session, the status bar and the pages' own methods. One object per
// main window, created with it.

#include "connection/connection_kinds.h"

#include <QObject>
#include <QPointer>

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
    // Answers the requests of the window's Connection page; the window owns it.
    explicit ConnectionHandlers(app::MainWindow& window);

private:
    // Steps 1 to 6 of every Connect button, for the values of one kind.
    void connectKind(const KindValues& values);
    void connect_db();
    // Select Schema.
    void Command1_Click();
    // Close Connexion.
    void Command6_Click();
    void after_connect();

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

} // namespace connection
