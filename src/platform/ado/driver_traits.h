#pragma once
// What the program knows of a driver's ways, found from the names the driver reports once
// connected: every test of a driver by its name is in this one table.

#include <QString>

namespace platform::ado
{

// How a composite primary key's columns are put in key order when the driver's rowset
// does not give them so.
enum class KeyOrder {
    AsReported, // the rowset's KEY_SEQ holds
    TableInfo,  // SQLite numbers them in table order: its table info has the key order
    KeyIndex,   // MariaDB and MySQL number them in table order: the key's index has it
};

struct DriverTraits {
    // The catalogue rowsets can be read for every table in one statement, and the columns
    // of every table described from the catalogue (PostgreSQL's system tables).
    bool catalogueQueries = false;
    // One listing of every object holds, for each name, exactly the objects a lookup of
    // that name finds, in the same order; other drivers are asked name by name.
    bool listsEveryObject = false;
    // The catalogue is read from the Access file itself: the driver offers too little of it,
    // and crashes on some of its catalogue calls.
    bool accessFile = false;
    KeyOrder keyOrder = KeyOrder::AsReported;
    // A query's rows from a position on are read with LIMIT and OFFSET after it: the
    // database skips the rows before, none of them sent.
    bool limitOffset = false;
};

// The traits of a connection whose driver reports these DBMS and driver (file) names.
DriverTraits driverTraits(const QString& dbmsName, const QString& driverName);

// The connection settings that make a driver read results as they are fetched; empty for
// a driver that does so already or is not known.
QString onDemandKeywords(const QString& driverName);

} // namespace platform::ado
