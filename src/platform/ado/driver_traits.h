#pragma once
// What the program knows of a driver's ways, found from the names the driver reports once
// connected, or before, from the name a connection string gives it: every test of a driver
// by its name is in this one table.

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

// Whose statements read the key and index rowsets for every table at once.
enum class WholeRowsets { None, Postgres, Mariadb };

struct DriverTraits {
    // The columns of every table can be described from the catalogue (PostgreSQL's system
    // tables).
    bool catalogueQueries = false;
    // One listing of every object holds, for each name, exactly the objects a lookup of
    // that name finds, in the same order; other drivers are asked name by name.
    bool listsEveryObject = false;
    // The catalogue is read from the Access file itself: the driver offers too little of it,
    // and crashes on some of its catalogue calls.
    bool accessFile = false;
    KeyOrder keyOrder = KeyOrder::AsReported;
    WholeRowsets wholeRowsets = WholeRowsets::None;
    // Rows that tie on the driver's sort come in no set order (MariaDB's compares names
    // regardless of case: tables named alike, foreign-key rows of one KEY_SEQ and parent).
    bool unorderedTies = false;
    // A query's rows from a position on are read with LIMIT and OFFSET after it: the
    // database skips the rows before, none of them sent.
    bool limitOffset = false;
};

// The traits of a connection whose driver reports these DBMS and driver (file) names.
DriverTraits driverTraits(const QString& dbmsName, const QString& driverName);

// The connection settings that make a driver read results as they are fetched; empty for
// a driver that does so already or is not known.
QString onDemandKeywords(const QString& driverName);

// How a driver that opens a database file is told which, and kept from creating it when it
// is missing; nothing for a driver that opens no file or is not known.
struct FileOpening {
    const char* fileAttribute = nullptr; // the connection string's attribute, in lower case
    const char* noCreateKeywords = "";   // set before the string's own attributes
};

// `driver` is the driver's name as a connection string gives it (DRIVER=) or as its data
// source is defined with.
FileOpening fileOpening(const QString& driver);

} // namespace platform::ado
