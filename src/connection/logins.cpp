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
        settings_.save(kOracleLogins, service, kUid, uid->text());
        settings_.save(kOracleLogins, service, kPwd, c1->isChecked() ? pwd->text() : QString());
    } else if (kind == Kind::sqlServer) {
        const QString database = sdb->currentText();
        settings_.save(kSqlServerLogins, database, kUid, suid->text());
        settings_.save(kSqlServerLogins, database, kSo, so->text());
        settings_.save(kSqlServerLogins, database, kPwd, sc1->isChecked() ? spwd->text() : QString());
    }
}

void ConnectionPage::db_Click()
{
    const QString service = trimBox(db);
    if (service.isEmpty())
        return;
    uid->setText(settings_.get(kOracleLogins, service, kUid));
    pwd->setText(settings_.get(kOracleLogins, service, kPwd));
}

void ConnectionPage::sdb_Click()
{
    const QString database = trimBox(sdb);
    if (database.isEmpty())
        return;
    suid->setText(settings_.get(kSqlServerLogins, database, kUid));
    spwd->setText(settings_.get(kSqlServerLogins, database, kPwd));
    so->setText(settings_.get(kSqlServerLogins, database, kSo));
}

} // namespace connection
