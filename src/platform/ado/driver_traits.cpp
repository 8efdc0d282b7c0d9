#include "platform/ado/driver_traits.h"

namespace platform::ado
{

namespace
{

struct Known {
    const char* dbms; // SQL_DBMS_NAME, matched whole
    const char* file; // part of SQL_DRIVER_NAME, or nothing
    DriverTraits traits;
    // Left alone, these drivers read the whole result into memory when the statement runs;
    // with these settings they read it as it is fetched.
    const char* onDemandKeywords;
    const char* configured; // part of the driver's name in a connection string, or nothing
    FileOpening opening;
};

constexpr Known kKnown[] = {
    {"PostgreSQL",
     "psqlodbc",
     {true, true, false, KeyOrder::AsReported, WholeRowsets::Postgres, false, true},
     // A scan of a table starts at its start, not where another scan of it has come to, so
     // that rows read from a place on (LIMIT and OFFSET) are those a cursor reads there.
     "UseDeclareFetch=1;Fetch=500;ConnSettings={SET synchronize_seqscans=off};",
     nullptr,
     {}},
    {"SQLite",
     "sqlite3odbc",
     {false, true, false, KeyOrder::TableInfo, WholeRowsets::None, false, true},
     "StepAPI=1;",
     "sqlite",
     {"database", "NoCreat=1;"}},
    {"MariaDB",
     nullptr,
     {false, true, false, KeyOrder::KeyIndex, WholeRowsets::Mariadb, true, true},
     "",
     nullptr,
     {}},
    {"MySQL",
     nullptr,
     {false, false, false, KeyOrder::KeyIndex, WholeRowsets::None, false, true},
     "",
     nullptr,
     {}},
    {"MDBTOOLS", "mdbodbc", {false, false, true, KeyOrder::AsReported}, "", "mdbtools", {"dbq", ""}},
};

bool fileMatches(const Known& known, const QString& driverName)
{
    return known.file && driverName.contains(QLatin1String(known.file), Qt::CaseInsensitive);
}

} // namespace

DriverTraits driverTraits(const QString& dbmsName, const QString& driverName)
{
    for (const Known& known : kKnown) {
        if (dbmsName == QLatin1String(known.dbms))
            return known.traits;
    }
    // The Access driver is also known by its file, whatever name it reports.
    for (const Known& known : kKnown) {
        if (known.traits.accessFile &&
            (dbmsName.compare(QLatin1String(known.dbms), Qt::CaseInsensitive) == 0 ||
             fileMatches(known, driverName)))
            return known.traits;
    }
    return {};
}

QString onDemandKeywords(const QString& driverName)
{
    for (const Known& known : kKnown) {
        if (fileMatches(known, driverName))
            return QLatin1String(known.onDemandKeywords);
    }
    return {};
}

FileOpening fileOpening(const QString& driver)
{
    for (const Known& known : kKnown) {
        if (known.configured && driver.contains(QLatin1String(known.configured), Qt::CaseInsensitive))
            return known.opening;
    }
    return {};
}

} // namespace platform::ado
