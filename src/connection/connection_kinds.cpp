#include "connection/connection_kinds.h"

#include "platform/ado/ado.h"

namespace connection
{

using platform::ado::oleDbValue;

KindValues accessValues(const QString& adb)
{
    KindValues v;
    v.kind = Kind::access;
    v.db_cnxstr = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + oleDbValue(adb);
    v.panel = maskPasswords(v.db_cnxstr);
    v.cnxstr = v.db_cnxstr;
    v.dbn = accessPrefix(adb);
    v.net_ns = QStringLiteral("OleDB");
    v.net_prefix = QStringLiteral("OleDB");
    return v;
}

KindValues otherValues(const QString& ocnx)
{
    KindValues v;
    v.kind = Kind::other;
    v.db_cnxstr = ocnx;
    v.panel = maskPasswords(ocnx);
    v.cnxstr = ocnx;
    v.net_ns = QStringLiteral("OleDB");
    v.net_prefix = QStringLiteral("OleDB");
    return v;
}

KindValues oracleValues(const QString& db, const QString& uid, const QString& pwd)
{
    KindValues v;
    v.kind = Kind::oracle;
    v.db_cnxstr = QStringLiteral("Provider=MSDAORA;Data Source=%1;User Id=%2;Password=%3;")
                      .arg(oleDbValue(db), oleDbValue(uid), oleDbValue(pwd));
    v.panel = QStringLiteral("Provider=MSDAORA;Data Source=") + oleDbValue(db);
    v.cnxstr = QStringLiteral("Password=%1;User ID=%2;Data Source=%3;")
                   .arg(oleDbValue(pwd), oleDbValue(uid), oleDbValue(db));
    v.dbn = db + QLatin1Char('_');
    v.net_ns = QStringLiteral("OracleClient");
    v.net_prefix = QStringLiteral("Oracle");
    v.from_dual = QStringLiteral(" from dual");
    v.row_limit = QStringLiteral(" where rownum<2");
    return v;
}

KindValues sqlServerValues(const QString& spro, const QString& sdb, const QString& so, const QString& suid,
                           const QString& spwd)
{
    KindValues v;
    v.kind = Kind::sqlServer;
    const QString where =
        QStringLiteral("Initial Catalog=%1;Data Source=%2").arg(oleDbValue(sdb), oleDbValue(so));
    const QString login = QStringLiteral(";User Id=%1;Password=%2;").arg(oleDbValue(suid), oleDbValue(spwd));
    v.db_cnxstr = QStringLiteral("Provider=") + oleDbValue(spro) + QLatin1Char(';') + where + login;
    v.panel = QStringLiteral("Provider=") + oleDbValue(spro) + QLatin1Char(';') + where;
    v.cnxstr = where + login;
    v.dbn = sdb + QLatin1Char('_');
    v.net_ns = QStringLiteral("SQLClient");
    v.net_prefix = QStringLiteral("SQL");
    return v;
}

QString accessPrefix(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot < 0 || dot < slash)
        return QStringLiteral("_");
    return path.mid(slash + 1, dot - slash - 1) + QLatin1Char('_');
}

namespace
{

// "Jet OLEDB:Database Password", "OldPassword", "PWD": every name that says it.
bool isPasswordKey(const QString& key)
{
    return key.contains(QLatin1String("password"), Qt::CaseInsensitive) ||
           key.compare(QLatin1String("pwd"), Qt::CaseInsensitive) == 0;
}

// Walks the attributes of a connection string and rebuilds it with each value replaced by
// what `replace` returns for it; keys, separators and everything between stay byte-identical.
// A value runs to the next ';' outside quotes or braces and is passed as written.
template <typename Replace> QString rewriteValues(const QString& s, Replace replace)
{
    QString out;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const qsizetype equals = s.indexOf(QLatin1Char('='), i);
        const qsizetype semicolon = s.indexOf(QLatin1Char(';'), i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            const qsizetype end = semicolon < 0 ? n : semicolon + 1;
            out += s.mid(i, end - i);
            i = end;
            continue;
        }
        const QString key = s.mid(i, equals - i).trimmed();
        out += s.mid(i, equals + 1 - i);
        i = equals + 1;
        qsizetype start = i;
        while (start < n && s[start].isSpace())
            ++start;
        qsizetype end = start;
        if (start < n &&
            (s[start] == QLatin1Char('"') || s[start] == QLatin1Char('\'') || s[start] == QLatin1Char('{'))) {
            const QChar close = s[start] == QLatin1Char('{') ? QLatin1Char('}') : s[start];
            end = start + 1;
            while (end < n) {
                if (s[end] == close) {
                    if (end + 1 < n && s[end + 1] == close) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
        }
        const qsizetype semi = s.indexOf(QLatin1Char(';'), end);
        end = semi < 0 ? n : semi;
        out += replace(key, s.mid(i, end - i));
        i = end;
    }
    return out;
}

// A value as the driver sees it: without the quotes or braces around it, a doubled closing
// character standing for one.
QString unquoted(const QString& written)
{
    const QString value = written.trimmed();
    if (value.size() < 2)
        return value;
    const QChar open = value.front();
    const QChar close = open == QLatin1Char('{') ? QLatin1Char('}') : open;
    if ((open != QLatin1Char('"') && open != QLatin1Char('\'') && open != QLatin1Char('{')) ||
        value.back() != close)
        return value;
    return value.mid(1, value.size() - 2).replace(QString(2, close), QString(close));
}

} // namespace

QString maskPasswords(const QString& connectionString)
{
    return rewriteValues(connectionString, [](const QString& key, const QString& value) {
        return isPasswordKey(key) && !value.trimmed().isEmpty() ? QStringLiteral("****") : value;
    });
}

QString notOpenedMessage(const QString& reason, const QString& connectionString)
{
    const QString notOpened = QStringLiteral("Connection not opened");
    // The driver's diagnostics come one record a line (a record may span lines too); the
    // message gives them one line.
    QStringList parts;
    for (const QString& part : reason.split(QLatin1Char('\n'))) {
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    }
    QString line = parts.join(QStringLiteral("; "));
    if (line.isEmpty())
        return notOpened;
    // A driver may quote the string it was given; no password goes out in the message.
    rewriteValues(connectionString, [&line](const QString& key, const QString& value) {
        if (isPasswordKey(key)) {
            for (const QString& secret : {value.trimmed(), unquoted(value)}) {
                if (!secret.isEmpty())
                    line.replace(secret, QStringLiteral("****"));
            }
        }
        return value;
    });
    return notOpened + QLatin1Char('\n') + line;
}

} // namespace connection
