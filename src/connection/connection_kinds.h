#pragma once
// What each Connect button builds from its frame's boxes: the connection string for
// opening the database now, the status-bar summary, the string written into generated
// code, the class prefix and the words the generators adapt to the kind.

#include <QString>
#include <optional>

namespace connection
{

enum class Kind { access, other, oracle, sqlServer };

struct KindValues {
    Kind kind = Kind::other;
    QString db_cnxstr;          // opened now (ADO form; translated to ODBC at open)
    QString panel;              // status panel 1; never shows a password
    QString cnxstr;             // written into generated code
    std::optional<QString> dbn; // class prefix; the other kind leaves it unchanged
    QString net_ns;
    QString net_prefix;
    QString from_dual;
    QString row_limit;
    bool oracle() const { return kind == Kind::oracle; }
};

// Box values are inserted as typed; a value holding ';', a quote or a brace is quoted
// so that it stays one attribute.
KindValues accessValues(const QString& adb);
KindValues otherValues(const QString& ocnx);
KindValues oracleValues(const QString& db, const QString& uid, const QString& pwd);
KindValues sqlServerValues(const QString& spro, const QString& sdb, const QString& so, const QString& suid,
                           const QString& spwd);

// The Access file name between the last '/' and the last '.', followed by "_".
QString accessPrefix(const QString& path);

// The connection string with the value of every attribute whose name contains
// "password" or is "pwd", in any case, replaced by asterisks (quoted and braced values
// included); everything else byte-identical.
QString maskPasswords(const QString& connectionString);

// The message of a failed open: "Connection not opened" and, on a second line, the driver's
// reason, with every password of the connection string masked.
QString notOpenedMessage(const QString& reason, const QString& connectionString);

} // namespace connection
