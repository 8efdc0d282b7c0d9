// Remembered logins: one per Oracle service (kvl_net) and per SQL Server database
// (kvl_nets), written after a successful Connect and read back when the name is picked.
#include "connection/connection_page.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "platform/trim_spaces.h"

namespace connection
{

namespace
{

const QString& kOracleLogins = platform::settings::kProgram;
using platform::settings::kSqlServerLogins;
const QString kUid = QStringLiteral("uid");
const QString kPwd = QStringLiteral("pwd");
const QString kSo = QStringLiteral("so");

// A remembered login's boxes under their keys; the password only when its box is to be kept.
struct LoginBox {
    const QString& key;
    QLineEdit* box;
    bool kept = true;
};

// Trims the box's text and writes it back; returns it.
QString trimBox(QComboBox* box)
{
    const QString text = platform::trimSpaces(box->currentText());
    box->setEditText(text);
    return text;
}

void saveLogin(platform::settings::Store& settings, const QString& group, const QString& name,
               std::initializer_list<LoginBox> boxes)
{
    for (const LoginBox& field : boxes)
        settings.save(group, name, field.key, field.kept ? field.box->text() : QString());
}

// Fills the boxes from the login remembered under the name picked in `picker`.
void restoreLogin(platform::settings::Store& settings, const QString& group, QComboBox* picker,
                  std::initializer_list<LoginBox> boxes)
{
    const QString name = trimBox(picker);
    if (name.isEmpty())
        return;
    for (const LoginBox& field : boxes)
        field.box->setText(settings.get(group, name, field.key));
}

} // namespace

void ConnectionPage::rememberLogin(Kind kind)
{
    if (kind == Kind::oracle)
        saveLogin(settings_, kOracleLogins, db->currentText(), {{kUid, uid}, {kPwd, pwd, c1->isChecked()}});
    else if (kind == Kind::sqlServer)
        saveLogin(settings_, kSqlServerLogins, sdb->currentText(),
                  {{kUid, suid}, {kSo, so}, {kPwd, spwd, sc1->isChecked()}});
}

void ConnectionPage::db_Click()
{
    restoreLogin(settings_, kOracleLogins, db, {{kUid, uid}, {kPwd, pwd}});
}

void ConnectionPage::sdb_Click()
{
    restoreLogin(settings_, kSqlServerLogins, sdb, {{kUid, suid}, {kPwd, spwd}, {kSo, so}});
}

} // namespace connection
