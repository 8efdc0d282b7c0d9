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

QString maskPasswords(const QString& connectionString)
{
    const QString& s = connectionString;
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
        // The value runs to the next ';' outside quotes or braces.
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
        // "Jet OLEDB:Database Password", "OldPassword", "PWD": every name that says it.
        const bool secret = key.contains(QLatin1String("password"), Qt::CaseInsensitive) ||
                            key.compare(QLatin1String("pwd"), Qt::CaseInsensitive) == 0;
        const QString value = s.mid(i, end - i);
        out += secret && !value.trimmed().isEmpty() ? QStringLiteral("****") : value;
        i = end;
    }
    return out;
}

} // namespace connection
