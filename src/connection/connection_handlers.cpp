// The four Connect buttons and Close Connexion.
#include "connection/connection_handlers.h"

#include "app/action_guard.h"
#include "app/main_window.h"
#include "connection/connection_page.h"
#include "platform/user_feedback.h"


namespace connection
{

ConnectionHandlers::ConnectionHandlers(app::MainWindow& window) : QObject(&window), window_(&window)
{
    setObjectName(QStringLiteral("connectionHandlers"));
    ConnectionPage& cp = page();
    connect(cp.Command12, &QPushButton::clicked, this, &ConnectionHandlers::Command12_Click);
    connect(cp.Command13, &QPushButton::clicked, this, &ConnectionHandlers::Command13_Click);
    connect(cp.Command3, &QPushButton::clicked, this, &ConnectionHandlers::Command3_Click);
    connect(cp.Command5, &QPushButton::clicked, this, &ConnectionHandlers::Command5_Click);
    connect(cp.Command6, &QPushButton::clicked, this, &ConnectionHandlers::Command6_Click);
    connect(cp.Command1, &QPushButton::clicked, this, &ConnectionHandlers::Command1_Click);
    connect(cp.Command15, &QPushButton::clicked, this, &ConnectionHandlers::Command15_Click);
    connect(cp.db, &QComboBox::activated, this, &ConnectionHandlers::db_Click);
    connect(cp.sdb, &QComboBox::activated, this, &ConnectionHandlers::sdb_Click);
    connect(cp.db, &app::ComboBox::lostFocus, this, &ConnectionHandlers::db_LostFocus);
    connect(cp.sdb, &app::ComboBox::lostFocus, this, &ConnectionHandlers::sdb_LostFocus);
    connect(cp.ocnx, &app::ComboBox::lostFocus, this, &ConnectionHandlers::ocnx_LostFocus);
    connect(cp.adb, &app::ComboBox::lostFocus, this, &ConnectionHandlers::adb_LostFocus);
}

ConnectionHandlers* handlersOf(app::MainWindow& window)
{
    return window.findChild<ConnectionHandlers*>(QStringLiteral("connectionHandlers"),
                                                 Qt::FindDirectChildrenOnly);
}

ConnectionPage& ConnectionHandlers::page() const
{
    return *window_->connectionPage;
}

void ConnectionHandlers::connectKind(const KindValues& values)
{
    // The catalogue read yields, so a second Connect, Select Schema, Close Connexion or
    // look switch could run in the middle of it: they are refused until it ends.
    app::ActionGuard guard(window_->session().runGuard());
    if (!guard)
        return;
    app::MainWindow& window = *window_;
    app::FormState& form = window.form();

    form.db_cnxstr = values.db_cnxstr;
    window.setStatusPanel(1, values.panel);
    connect_db();
    if (!alive())
        return;

    page().cnxstr->setText(values.cnxstr);
    window.session().applyConnectionKind(values);

    if (form.connected != 1)
        return;
    switch (values.kind) {
    case Kind::access:
    case Kind::other:
        window.Command_Click(1);
        after_connect();
        break;
    case Kind::sqlServer:
        window.Command_Click(1);
        after_connect();
        saveSqlServerLogin();
        break;
    case Kind::oracle:
        after_connect();
        saveOracleLogin();
        page().o->setFocus();
        break;
    }
}

void ConnectionHandlers::Command12_Click()
{
    connectKind(accessValues(page().adb->currentText()));
}

void ConnectionHandlers::Command13_Click()
{
    connectKind(otherValues(page().ocnx->currentText()));
}

void ConnectionHandlers::Command3_Click()
{
    const ConnectionPage& cp = page();
    connectKind(oracleValues(cp.db->currentText(), cp.uid->text(), cp.pwd->text()));
}

void ConnectionHandlers::Command5_Click()
{
    const ConnectionPage& cp = page();
    connectKind(sqlServerValues(cp.spro->text(), cp.sdb->currentText(), cp.so->text(), cp.suid->text(),
                                cp.spwd->text()));
}

void ConnectionHandlers::Command6_Click()
{
    app::ActionGuard guard(window_->session().runGuard());
    if (!guard)
        return;
    app::MainWindow& window = *window_;
    if (window.statusPanel(1) == QLatin1String(app::kNotConnected)) {
        platform::messageBox(QStringLiteral("Not connected"), &window);
        return;
    }
    window.form().db_cnx.close();
    // The data controls' own connections too: they open again at the next Connect.
    window.form().Data2.closeConnection();
    window.form().data3.closeConnection();
    window.form().data4.closeConnection();
    window.reloadWindow();
}

} // namespace connection
