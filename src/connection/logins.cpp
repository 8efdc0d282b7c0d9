// Remembered logins: one per Oracle service (kvl_net) and per SQL Server database
// (kvl_nets), written after a successful Connect and read back when the name is picked.
#include "connection/connection_handlers.h"

#include "app/history_file.h"
#include "app/main_window.h"
#include "connection/connection_page.h"
#include "platform/settings_store.h"
#include "platform/trim_spaces.h"

#include <QCheckBox>

namespace connection
{

namespace
{

const QString kOracleLogins = QStringLiteral("kvl_net");
const QString kSqlServerLogins = QStringLiteral("kvl_nets");
const QString kUid = QStringLiteral("uid");
const QString kPwd = QStringLiteral("pwd");
const QString kSo = QStringLiteral("so");

// Trims the box's text and writes it back; returns it.
QString trimBox(QComboBox* box)
{
    const QString text = platform::trimSpaces(box->currentText());
    box->setEditText(text);
    return text;
}

} // namespace

void ConnectionHandlers::saveOracleLogin()
{
    const ConnectionPage& cp = page();
    const QString service = cp.db->currentText();
    platform::settings::save(kOracleLogins, service, kUid, cp.uid->text());
    platform::settings::save(kOracleLogins, service, kPwd, cp.c1->isChecked() ? cp.pwd->text() : QString());
}

void ConnectionHandlers::saveSqlServerLogin()
{
    const ConnectionPage& cp = page();
    const QString database = cp.sdb->currentText();
    platform::settings::save(kSqlServerLogins, database, kUid, cp.suid->text());
    platform::settings::save(kSqlServerLogins, database, kSo, cp.so->text());
    platform::settings::save(kSqlServerLogins, database, kPwd,
                             cp.sc1->isChecked() ? cp.spwd->text() : QString());
}

void ConnectionHandlers::db_Click()
{
    ConnectionPage& cp = page();
    const QString service = trimBox(cp.db);
    if (service.isEmpty())
        return;
    cp.uid->setText(platform::settings::get(kOracleLogins, service, kUid));
    cp.pwd->setText(platform::settings::get(kOracleLogins, service, kPwd));
}

void ConnectionHandlers::sdb_Click()
{
    ConnectionPage& cp = page();
    const QString database = trimBox(cp.sdb);
    if (database.isEmpty())
        return;
    cp.suid->setText(platform::settings::get(kSqlServerLogins, database, kUid));
    cp.spwd->setText(platform::settings::get(kSqlServerLogins, database, kPwd));
    cp.so->setText(platform::settings::get(kSqlServerLogins, database, kSo));
}

} // namespace connection
