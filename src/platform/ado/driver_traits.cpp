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
};

constexpr Known kKnown[] = {
    {"PostgreSQL",
     "psqlodbc",
     {true, true, false, KeyOrder::AsReported, true},
     "UseDeclareFetch=1;Fetch=500;"},
    {"SQLite", "sqlite3odbc", {false, true, false, KeyOrder::TableInfo, true}, "StepAPI=1;"},
    {"MariaDB", nullptr, {false, false, false, KeyOrder::KeyIndex, true}, ""},
    {"MySQL", nullptr, {false, false, false, KeyOrder::KeyIndex, true}, ""},
    {"MDBTOOLS", "mdbodbc", {false, false, true, KeyOrder::AsReported}, ""},
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

} // namespace platform::ado
