#pragma once
// The catalogue of an Access file (.mdb, .accdb), read from the file itself with MDBTools'
// library: the MDBTools ODBC driver reports no keys and no relationships and crashes when
// asked for indexes. Rows still come through the driver; only the catalogue comes from here.
// The library crashes or loops on damaged files, so the program reads the file through the
// helper program (access_helper.h), which runs the readers declared here.

#include "platform/ado/catalogue_rows.h"

#include <memory>

namespace platform::ado
{

struct AccessIndex {
    QString name;
    bool primary = false;
    bool unique = false;
    QStringList columns;     // in key order
    bool unreadable = false; // the file names key columns the library cannot read
};

// One relationship of the file's relationships table: the child's columns refer to the
// parent's, pair by pair.
struct AccessRelation {
    QString name;
    QString parent, child;
    QStringList parentColumns, childColumns;
    int updateRule = SQL_NO_ACTION; // ODBC's numbers
    int deleteRule = SQL_NO_ACTION;
};

struct AccessTable {
    QString name;
    bool system = false;
    QList<Field> columns; // in the file's order, with the type codes Jet's provider reports
    QList<AccessIndex> indexes;
};

struct AccessCatalogue {
    QList<AccessTable> tables; // in the file's catalogue order
    QList<AccessRelation> relations;

    // The table of that name, exactly or else ignoring case (Jet's names ignore case).
    const AccessTable* table(const QString& name) const;
};

// Reads the catalogue of the Access file at `path`; a file the library cannot read gives
// the reason.
Status readAccessCatalogue(const QString& path, AccessCatalogue* out);
// The catalogue functions' rows, served from an Access file's catalogue in the shapes the
// ODBC functions give them.
class AccessRows : public CatalogueRows
{
public:
    explicit AccessRows(std::shared_ptr<const AccessCatalogue> catalogue) : catalogue_(std::move(catalogue))
    {
    }

    Status tables(const QString& name, QList<TableRef>* out) override;
    Status tableRows(TableRowset rowset, const TableRef& table, RawRows* out) override;

private:
    std::shared_ptr<const AccessCatalogue> catalogue_;
};

// Whether the connection goes through the MDBTools driver; its Access catalogue, read from
// the file the first time it is asked for and kept with the connection, or the reason it
// cannot be read.
bool isAccessConnection(const Connection::Impl& connection);
Status accessCatalogueOf(Connection::Impl& connection, std::shared_ptr<const AccessCatalogue>* out);

// Whether an ODBC string names the MDBTools driver, itself or through its data source; the
// Access file it names (DBQ or Database, as the driver reads it, or the data source's).
bool namesAccessDriver(const QString& odbcString);
QString accessFileOf(const QString& odbcString);

// Before the driver opens the file (its connect reads the catalogue with the same library):
// for a string of the MDBTools driver, the file's catalogue read by the helper, or why the
// file cannot be read; nothing for any other string.
Status readAccessCatalogueFirst(const QString& odbcString, std::shared_ptr<const AccessCatalogue>* out);

// The table of the catalogue that a statement reading all of it ("SELECT * from <table>",
// with no text after the name) reads; null for any other statement.
const AccessTable* accessTableRead(const AccessCatalogue& catalogue, const QString& sql,
                                   const QString& quote);

// Whether the helper could read every row of `table` with `sql` (a statement that reads all
// of it), as the driver will read them here; asked once per connection and table: the
// driver's reads of a damaged table would crash or never end.
Status accessRowsReadable(Connection::Impl& connection, const AccessTable& table, const QString& sql);

// The fields of a column-discovery statement ("SELECT * from <table>") that names a table of
// the catalogue, with no text after the name; false for any other statement.
bool accessDiscoveryFields(const AccessCatalogue& catalogue, const QString& sql, const QString& quote,
                           QList<Field>* out);

} // namespace platform::ado
