#pragma once
// The raw rows of ODBC's catalogue functions, as the schema rowsets are built from them,
// and the two places they come from: the driver, asked at each call, or a catalogue cache
// that asks once and keeps what it was told.

#include "platform/ado/connection_impl.h"

#include <QHash>
#include <functional>

namespace platform::ado
{

// A result set as read: its columns, and its rows as text.
struct RawRows {
    QList<Field> columns;
    QList<QStringList> rows;

    // A column by name, case-insensitive; -1 when absent.
    int column(const char* name) const;
};

// A row's value of a column located with RawRows::column (-1 reads as "").
inline QString at(const QStringList& row, int column)
{
    return column >= 0 && column < row.size() ? row[column] : QString();
}

// One catalogue object as SQLTables reports it.
struct TableRef {
    QString catalog, schema, name, type;
};

// One catalogue function (or statement), called on a statement handle.
using CatalogueRequest = std::function<SQLRETURN(SQLHSTMT)>;

// Runs one catalogue request on a fresh statement handle of `dbc` and reads its rows, on
// the server's thread.
Status readCatalogueRows(SQLHDBC dbc, const CatalogueRequest& call, RawRows* out);

// Runs one catalogue request under the catalogue time limit. `call` captures by value: it
// may outlive this function when the server stops answering.
Status catalogueCall(Connection::Impl& connection, CatalogueRequest call, RawRows* out);

// The catalogue functions asked about one table: SQLPrimaryKeys; SQLForeignKeys with the
// table on the child side; SQLStatistics, every index; PRAGMA table_info (SQLite only).
enum class TableRowset { primaryKey, foreignKeys, statistics, tableInfo };
inline constexpr std::size_t kTableRowsets = 4;

// Where the rowsets take the catalogue functions' rows from. Every answer is the one the
// driver gives for that single request.
class CatalogueRows
{
public:
    virtual ~CatalogueRows() = default;

    // Every object named `name` in any schema (every object when `name` is empty), in
    // SQLTables order.
    virtual Status tables(const QString& name, QList<TableRef>* out) = 0;
    // The rows of one catalogue function about `table`.
    virtual Status tableRows(TableRowset rowset, const TableRef& table, RawRows* out) = 0;
    // The rowset is about to be asked for each of these tables: a source that keeps rows may
    // read them now, in fewer hand-overs. Only a server that stopped answering fails it.
    virtual Status readAhead(TableRowset rowset, const QList<TableRef>& tables)
    {
        Q_UNUSED(rowset);
        Q_UNUSED(tables);
        return {};
    }
};

// The driver's request for one catalogue function about `table`.
CatalogueRequest tableRequest(const Connection::Impl& connection, TableRowset rowset, const TableRef& table);

// Asks the driver at every call.
class DriverRows : public CatalogueRows
{
public:
    explicit DriverRows(Connection::Impl& connection) : connection_(connection) {}

    Status tables(const QString& name, QList<TableRef>* out) override;
    Status tableRows(TableRowset rowset, const TableRef& table, RawRows* out) override;

private:
    Connection::Impl& connection_;
};

// The rows of one catalogue function for every table of the database, by schema and table.
struct RowsByTable {
    QList<Field> columns;
    QHash<QString, QList<QStringList>> rows;

    static QString key(const QString& schema, const QString& name);
    // A table's rows; none (with the same columns) for a table the map does not hold.
    RawRows of(const TableRef& table) const;
};

// Runs `sql` under the catalogue time limit; its first two columns are each row's schema
// and table, and the rest of the row is filed under that table.
Status readRowsByTable(Connection::Impl& connection, const QString& sql, RowsByTable* out);

// The PostgreSQL and MariaDB drivers' answers for every table at once, one statement each
// (MariaDB's for the connection's own database). A table's rows are those the driver gives
// when asked for that table alone: the same values as text, in the same order.
using WholeRead = Status (*)(Connection::Impl& connection, RowsByTable* out);
Status pgPrimaryKeys(Connection::Impl& connection, RowsByTable* out);
Status pgForeignKeys(Connection::Impl& connection, RowsByTable* out);
Status pgStatistics(Connection::Impl& connection, RowsByTable* out);
Status mariadbPrimaryKeys(Connection::Impl& connection, RowsByTable* out);
Status mariadbForeignKeys(Connection::Impl& connection, RowsByTable* out);
Status mariadbStatistics(Connection::Impl& connection, RowsByTable* out);

} // namespace platform::ado
