// The four Connect buttons and Close Connexion.
#include "app/connection_handlers.h"

#include "app/main_window.h"
#include "app/vb_generator_page.h"
#include "connection/connection_page.h"
#include "kit/action_guard.h"

#include <QPointer>

namespace app
{

using connection::ConnectionPage;
using connection::Kind;
using connection::KindValues;

void connectKind(MainWindow& window, const KindValues& values)
{
    // The catalogue read yields, so a second Connect, Select Schema, Close Connexion or
    // look switch could run in the middle of it: they are refused until it ends.
    kit::ActionGuard guard(window.session().runGuard());
    if (!guard)
        return;
    const QPointer<MainWindow> alive(&window);
    FormState& form = window.form();

    form.db_cnxstr = values.db_cnxstr;
    window.setStatusPanel(1, values.panel);
    connect_db(window);
    if (!alive)
        return;

    window.session().applyConnectionKind(values);

    if (form.connected != 1)
        return;
    connection::ConnectionPage& page = *window.connectionPage;
    switch (values.kind) {
    case Kind::access:
    case Kind::other:
        window.Command_Click(1);
        window.session().after_connect();
        window.vbGenerator->focusTableList();
        break;
    case Kind::sqlServer:
        window.Command_Click(1);
        window.session().after_connect();
        page.rememberLogin(values.kind);
        window.vbGenerator->focusTableList();
        break;
    case Kind::oracle:
        window.session().after_connect();
        page.rememberLogin(values.kind);
        page.focusSchema();
        break;
    }
}

void Command6_Click(MainWindow& window)
{
    kit::ActionGuard guard(window.session().runGuard());
    if (!guard)
        return;
    if (window.statusPanel(1) == QLatin1String(kNotConnected)) {
        window.showMessage(QStringLiteral("Not connected"));
        return;
    }
    window.form().db_cnx.close();
    // The data controls' own connections too: they open again at the next Connect.
    window.form().Data2.closeConnection();
    window.form().data3.closeConnection();
    window.form().data4.closeConnection();
    window.reloadWindow();
}

void connectConnectionPage(MainWindow& window)
{
    MainWindow* w = &window;
    connection::ConnectionPage* page = window.connectionPage;
    QObject::connect(page, &ConnectionPage::connectRequested, w,
                     [w](const KindValues& values) { connectKind(*w, values); });
    QObject::connect(page, &ConnectionPage::schemaSelectionRequested, w, [w] { Command1_Click(*w); });
    QObject::connect(page, &ConnectionPage::closeRequested, w, [w] { Command6_Click(*w); });
}

} // namespace app
