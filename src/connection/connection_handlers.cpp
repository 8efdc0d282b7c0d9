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
    ConnectionPage& cp = page();
    connect(&cp, &ConnectionPage::connectRequested, this, &ConnectionHandlers::connectKind);
    connect(&cp, &ConnectionPage::schemaSelectionRequested, this, &ConnectionHandlers::Command1_Click);
    connect(&cp, &ConnectionPage::closeRequested, this, &ConnectionHandlers::Command6_Click);
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
        page().rememberLogin(values.kind);
        break;
    case Kind::oracle:
        after_connect();
        page().rememberLogin(values.kind);
        page().focusSchema();
        break;
    }
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
