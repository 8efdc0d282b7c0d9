// Translation of the OLE DB strings the pages build into ODBC connection strings. The
// strings themselves stay as built; only open() sees the ODBC form.
#include "platform/ado/ado.h"
#include "platform/ado/connection_attributes.h"
#include "platform/ado/driver_traits.h"
#include "platform/ado/odbc_support.h"
#include "platform/folders.h"
#include "platform/own_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

#include <fcntl.h>
#include <unistd.h>

namespace platform::ado
{

namespace
{

struct Attribute {
    QString key; // lower case
    QString value;
};

// The attributes with their names in lower case, for look-ups by name.
QList<Attribute> parseOleDb(const QString& text)
{
    QList<Attribute> attributes;
    for (const ConnectionAttribute& a : connectionAttributes(text))
        attributes.append({a.keyIn(text).toString().toLower(), a.value});
    return attributes;
}

QString valueOf(const QList<Attribute>& attributes, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        for (const Attribute& a : attributes) {
            if (a.key == QLatin1String(key))
                return a.value;
        }
    }
    return {};
}

bool hasKey(const QList<Attribute>& attributes, const char* key)
{
    return std::any_of(attributes.begin(), attributes.end(),
                       [key](const Attribute& a) { return a.key == QLatin1String(key); });
}

QString odbcValue(const QString& value)
{
    static const QString special = QStringLiteral(";{}\"'");
    const bool needsBraces =
        std::any_of(value.begin(), value.end(), [](QChar c) { return special.contains(c); }) ||
        value != value.trimmed();
    if (!needsBraces)
        return value;
    return QLatin1Char('{') + QString(value).replace(QStringLiteral("}"), QStringLiteral("}}")) +
           QLatin1Char('}');
}

// The provider families and their ODBC templates, with the overrides of the providers
// file applied. Placeholders: %source%, %catalog%, %user%, %password%.
QHash<QString, QString> providerTemplates()
{
    QHash<QString, QString> templates{
        {QStringLiteral("jet"), QStringLiteral("DRIVER={MDBTools};DBQ=%source%;")},
        {QStringLiteral("sqloledb"),
         QStringLiteral("DRIVER={FreeTDS};Server=%source%;Database=%catalog%;UID=%user%;PWD=%password%;")},
        {QStringLiteral("msdaora"), QStringLiteral("DSN=%source%;UID=%user%;PWD=%password%;")},
    };
    QString path = qEnvironmentVariable("QUILLMERE_PROVIDERS");
    if (path.isEmpty() && (QCoreApplication::instance() || qEnvironmentVariableIsSet("QUILLMERE_HOME")))
        path = platform::programFolder() + QStringLiteral("/providers.ini");
    // A FIFO or a device at the name is not waited on: the defaults stay.
    const int descriptor = path.isEmpty() ? -1 : platform::openRegularFile(path, O_RDONLY, nullptr);
    QFile file;
    if (descriptor < 0)
        return templates;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return templates;
    }
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('[')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString family = line.left(equals).trimmed().toLower();
        if (templates.contains(family))
            templates[family] = line.mid(equals + 1).trimmed();
    }
    return templates;
}

QString providerFamily(const QString& provider)
{
    if (provider.startsWith(QLatin1String("Microsoft.Jet.OLEDB"), Qt::CaseInsensitive) ||
        provider.startsWith(QLatin1String("Microsoft.ACE.OLEDB"), Qt::CaseInsensitive))
        return QStringLiteral("jet");
    if (provider.startsWith(QLatin1String("SQLOLEDB"), Qt::CaseInsensitive))
        return QStringLiteral("sqloledb");
    if (provider.startsWith(QLatin1String("MSDAORA"), Qt::CaseInsensitive))
        return QStringLiteral("msdaora");
    return {};
}

// The driver a data source is defined with, as the driver manager lists it; empty when
// there is no such data source.
QString driverOfDataSource(const QString& dsn)
{
    SQLHENV env = odbc::environment();
    if (env == SQL_NULL_HENV || dsn.isEmpty())
        return {};
    SQLWCHAR name[SQL_MAX_DSN_LENGTH + 1];
    SQLWCHAR driver[256];
    SQLSMALLINT nameLength = 0, driverLength = 0;
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;; direction = SQL_FETCH_NEXT) {
        const SQLRETURN rc = SQLDataSourcesW(env, direction, name, SQLSMALLINT(std::size(name)), &nameLength,
                                             driver, SQLSMALLINT(std::size(driver)), &driverLength);
        if (!odbc::succeeded(rc))
            return {};
        if (QString::fromUtf16(reinterpret_cast<const char16_t*>(name)).compare(dsn, Qt::CaseInsensitive) ==
            0)
            return QString::fromUtf16(reinterpret_cast<const char16_t*>(driver));
    }
}

// The driver a connection string opens: the one it names, or the one its data source is
// defined with.
QString driverOf(const QList<Attribute>& attributes)
{
    const QString driver = valueOf(attributes, {"driver"});
    return driver.isEmpty() ? driverOfDataSource(valueOf(attributes, {"dsn"})) : driver;
}

// A file driver such as SQLite's creates an empty database for a file that does not exist, so
// a mistyped path would "connect"; told not to, it fails with its reason. Opening never
// creates a database.
QString withoutCreatingFiles(const QString& odbcString)
{
    // The driver takes the first of repeated attributes, so the setting goes first.
    return QLatin1String(fileOpening(driverOf(parseOleDb(odbcString))).noCreateKeywords) + odbcString;
}

// An ODBC string given to the OLE DB provider for ODBC drivers ("Provider=MSDASQL;DRIVER=...",
// the form a generated application opens it in) is the ODBC string without that attribute.
QString withoutOdbcProvider(const QString& text)
{
    QString out = text;
    const QList<ConnectionAttribute> attributes = connectionAttributes(text);
    for (auto a = attributes.crbegin(); a != attributes.crend(); ++a) {
        if (a->keyIn(text).compare(QLatin1String("provider"), Qt::CaseInsensitive) != 0 ||
            !a->value.startsWith(QLatin1String("MSDASQL"), Qt::CaseInsensitive))
            continue;
        qsizetype end = a->valueStart + a->valueLength;
        if (end < out.size() && out[end] == QLatin1Char(';'))
            ++end;
        out.remove(a->keyStart, end - a->keyStart);
    }
    return out;
}

} // namespace

QString oleDbValue(const QString& value)
{
    static const QString special = QStringLiteral(";{}\"'");
    if (!std::any_of(value.begin(), value.end(), [](QChar c) { return special.contains(c); }))
        return value;
    return QLatin1Char('"') + QString(value).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString missingDatabaseFile(const QString& odbcString)
{
    // The drivers that open a file name it in an attribute of their own; some of them say no
    // more than that the connection failed when it is missing.
    const QList<Attribute> attributes = parseOleDb(odbcString);
    const char* fileAttribute = fileOpening(driverOf(attributes)).fileAttribute;
    const QString file = fileAttribute ? valueOf(attributes, {fileAttribute}) : QString();
    if (file.isEmpty() || QFileInfo::exists(file))
        return {};
    return QStringLiteral("the database file %1 does not exist").arg(file);
}

QString toOdbcConnectionString(const QString& connectionString)
{
    const QList<Attribute> attributes = parseOleDb(connectionString);
    if (hasKey(attributes, "driver") || hasKey(attributes, "dsn"))
        return withoutCreatingFiles(withoutOdbcProvider(connectionString));
    const QString family = providerFamily(valueOf(attributes, {"provider"}));
    if (family.isEmpty())
        return connectionString;
    QString result = providerTemplates().value(family);
    const QList<std::pair<QString, QString>> values{
        {QStringLiteral("%source%"), valueOf(attributes, {"data source", "server"})},
        {QStringLiteral("%catalog%"), valueOf(attributes, {"initial catalog", "database"})},
        {QStringLiteral("%user%"), valueOf(attributes, {"user id", "uid"})},
        {QStringLiteral("%password%"), valueOf(attributes, {"password", "pwd"})},
    };
    // One pass over the template, so a value holding a placeholder text stays as it is.
    QString out;
    for (qsizetype i = 0; i < result.size();) {
        bool replaced = false;
        for (const auto& [placeholder, value] : values) {
            if (QStringView(result).mid(i).startsWith(placeholder, Qt::CaseInsensitive)) {
                out += odbcValue(value);
                i += placeholder.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += result[i++];
    }
    return withoutCreatingFiles(out);
}

} // namespace platform::ado
