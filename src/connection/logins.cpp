// Remembered logins: one per Oracle service (kvl_net) and per SQL Server database
// (kvl_nets), written after a successful Connect and read back when the name is picked.
#include "connection/connection_page.h"

#include "platform/settings_store.h"
#include "platform/trim_spaces.h"

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

void ConnectionPage::rememberLogin(Kind kind)
{
    if (kind == Kind::oracle) {
        const QString service = db->currentText();
        platform::settings::save(kOracleLogins, service, kUid, uid->text());
        platform::settings::save(kOracleLogins, service, kPwd, c1->isChecked() ? pwd->text() : QString());
    } else if (kind == Kind::sqlServer) {
        const QString database = sdb->currentText();
        platform::settings::save(kSqlServerLogins, database, kUid, suid->text());
        platform::settings::save(kSqlServerLogins, database, kSo, so->text());
        platform::settings::save(kSqlServerLogins, database, kPwd,
                                 sc1->isChecked() ? spwd->text() : QString());
    }
}

void ConnectionPage::db_Click()
{
    const QString service = trimBox(db);
    if (service.isEmpty())
        return;
    uid->setText(platform::settings::get(kOracleLogins, service, kUid));
    pwd->setText(platform::settings::get(kOracleLogins, service, kPwd));
}

void ConnectionPage::sdb_Click()
{
    const QString database = trimBox(sdb);
    if (database.isEmpty())
        return;
    suid->setText(platform::settings::get(kSqlServerLogins, database, kUid));
    spwd->setText(platform::settings::get(kSqlServerLogins, database, kPwd));
    so->setText(platform::settings::get(kSqlServerLogins, database, kSo));
}

} // namespace connection
