#include "connection/connection_kinds.h"

#include "platform/ado/ado.h"
#include "platform/ado/connection_attributes.h"

#include <algorithm>

namespace connection
{

using platform::ado::closingQuote;
using platform::ado::ConnectionAttribute;
using platform::ado::connectionAttributes;
using platform::ado::oleDbValue;
using platform::ado::QuoteReading;

KindValues accessValues(const QString& adb)
{
    KindValues v;
    v.kind = Kind::access;
    // Jet 4.0 cannot open the format of an .accdb file; the ACE provider reads both.
    const bool ace = adb.trimmed().endsWith(QLatin1String(".accdb"), Qt::CaseInsensitive);
    v.db_cnxstr = (ace ? QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=")
                       : QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")) +
                  oleDbValue(adb);
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
bool isPasswordKey(QStringView key)
{
    return key.contains(QLatin1String("password"), Qt::CaseInsensitive) ||
           key.compare(QLatin1String("pwd"), Qt::CaseInsensitive) == 0;
}

constexpr QuoteReading kReadings[] = {QuoteReading::oleDb, QuoteReading::odbc};

// The driver's diagnostics come one record a line (a record may span lines too); the
// message gives them one line.
QString oneLine(const QString& text)
{
    QStringList parts;
    for (const QString& part : text.split(QLatin1Char('\n'))) {
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    }
    return parts.join(QStringLiteral("; "));
}

// A value read leniently: all between its outer quotes or braces, a doubled closing
// character standing for one. A driver may read a value with a stray quote inside that way.
QString unquoted(const QString& written)
{
    const QString value = written.trimmed();
    if (value.size() < 2)
        return value;
    const QChar close = closingQuote(value.front());
    if (close.isNull() || value.back() != close)
        return value;
    return value.mid(1, value.size() - 2).replace(QString(2, close), QString(close));
}

} // namespace

QString maskPasswords(const QString& connectionString)
{
    // The spans of every password value that either reading finds, in text order; one
    // reading's span lies inside the other's or apart from it.
    QList<std::pair<qsizetype, qsizetype>> spans;
    for (const QuoteReading reading : kReadings) {
        for (const ConnectionAttribute& a : connectionAttributes(connectionString, reading)) {
            if (isPasswordKey(a.keyIn(connectionString)) &&
                !a.writtenIn(connectionString).trimmed().isEmpty())
                spans.append({a.valueStart, a.valueStart + a.valueLength});
        }
    }
    std::sort(spans.begin(), spans.end());
    const QStringView text(connectionString);
    QString out;
    qsizetype copied = 0;
    for (const auto& [start, end] : spans) {
        if (end <= copied)
            continue;
        if (start >= copied)
            out.append(text.mid(copied, start - copied)).append(QLatin1String("****"));
        copied = end;
    }
    return out.append(text.mid(copied));
}

QString notOpenedMessage(const QString& reason, const QString& connectionString)
{
    const QString notOpened = QStringLiteral("Connection not opened");
    // A driver may quote the string it was given; no password goes out in the message, as
    // written or however either reading takes it. The longest go first, so a password that
    // is part of a longer one cannot leave a piece of that one showing.
    QStringList secrets;
    for (const QuoteReading reading : kReadings) {
        for (const ConnectionAttribute& a : connectionAttributes(connectionString, reading)) {
            if (!isPasswordKey(a.keyIn(connectionString)))
                continue;
            const QString written = a.writtenIn(connectionString).trimmed().toString();
            for (const QString& secret : {written, unquoted(written), a.value}) {
                if (!secret.isEmpty() && !secrets.contains(secret))
                    secrets.append(secret);
            }
        }
    }
    std::stable_sort(secrets.begin(), secrets.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    const auto masked = [&secrets](QString text) {
        for (const QString& secret : secrets)
            text.replace(secret, QStringLiteral("****"));
        return text;
    };
    // Masked before and after the reason becomes one line, so a password holding a line
    // break is caught as the driver repeats it and as the line shows it.
    QString line = oneLine(masked(reason));
    if (line.isEmpty())
        return notOpened;
    for (QString& secret : secrets)
        secret = oneLine(secret);
    return notOpened + QLatin1Char('\n') + masked(line);
}

} // namespace connection
