// The catalogue functions asked one request at a time. ODBC's schema and table arguments
// are search patterns, so a name lookup filters the rows again on the exact name, and an
// empty restriction goes to ODBC as NULL ("any"), never as "" ("none"). Where the driver
// has catalogs, every request names the connection's own: asked for no catalog, some
// drivers answer for every database on the server.
#include "platform/ado/catalogue_rows.h"

namespace platform::ado
{

int RawRows::column(const char* name) const
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

Status readCatalogueRows(SQLHDBC dbc, const CatalogueRequest& call, RawRows* out)
{
    // Every failure below comes from the statement, which tells whether it lost the link.
    odbc::Statement statement(dbc);
    if (!statement.valid())
        return statement.failure(QStringLiteral("the catalogue request could not be made"));
    if (!odbc::succeeded(call(statement.handle())))
        return statement.failure(QStringLiteral("the catalogue request failed"));
    const Status described = odbc::describeColumns(statement, &out->columns);
    if (!described.ok)
        return described;
    return odbc::fetchRows(statement, int(out->columns.size()), &out->rows);
}

Status catalogueCall(Connection::Impl& connection, CatalogueRequest call, RawRows* out)
{
    auto rows = std::make_shared<RawRows>();
    const Status status =
        onServer(connection, connection.catalogueLimit, [call = std::move(call), rows](SQLHDBC dbc) {
            return readCatalogueRows(dbc, call, rows.get());
        });
    *out = std::move(*rows);
    return status;
}

QString RowsByTable::key(const QString& schema, const QString& name)
{
    return schema + QChar(0x1f) + name;
}

RawRows RowsByTable::of(const TableRef& table) const
{
    return {columns, rows.value(key(table.schema, table.name))};
}

Status readRowsByTable(Connection::Impl& connection, const QString& sql, RowsByTable* out)
{
    RawRows raw;
    const odbc::WideArg text(sql);
    const Status status = catalogueCall(
        connection, [=](SQLHSTMT h) { return SQLExecDirectW(h, text.data(), SQL_NTS); }, &raw);
    if (!status.ok)
        return status;
    out->columns = raw.columns.mid(2);
    out->rows.clear();
    for (const QStringList& row : raw.rows)
        out->rows[RowsByTable::key(at(row, 0), at(row, 1))].append(row.mid(2));
    return {};
}

namespace
{

// An empty text goes to ODBC as NULL ("any"), never as "" ("none").
odbc::WideArg argument(const QString& value)
{
    return value.isEmpty() ? odbc::WideArg(QVariant()) : odbc::WideArg(value);
}

// A catalogue function that names one table by its catalog, schema and name.
using TableFunction = SQLRETURN (*)(SQLHSTMT statement, const odbc::WideArg& catalog,
                                    const odbc::WideArg& schema, const odbc::WideArg& name);

CatalogueRequest aboutTable(const Connection::Impl& connection, const TableRef& table, TableFunction function)
{
    const odbc::WideArg catalog = argument(connection.catalog), schema = argument(table.schema),
                        name(table.name);
    return [=](SQLHSTMT h) { return function(h, catalog, schema, name); };
}

} // namespace

Status DriverRows::tables(const QString& name, QList<TableRef>* out)
{
    RawRows raw;
    const odbc::WideArg table = argument(name);
    // With a table name, some drivers search only the path's schemas unless the schema
    // pattern says "every schema" outright.
    const odbc::WideArg schema =
        name.isEmpty() ? odbc::WideArg(QVariant()) : odbc::WideArg(QStringLiteral("%"));
    const QString ownCatalog = connection_.catalog;
    const odbc::WideArg catalog = argument(ownCatalog);
    const Status status = catalogueCall(
        connection_,
        [=](SQLHSTMT h) {
            return SQLTablesW(h, catalog.data(), catalog.length(), schema.data(), schema.length(),
                              table.data(), table.length(), nullptr, 0);
        },
        &raw);
    if (!status.ok)
        return status;
    const int cat = raw.column("TABLE_CAT"), schem = raw.column("TABLE_SCHEM"),
              tname = raw.column("TABLE_NAME"), type = raw.column("TABLE_TYPE");
    // The catalog argument may be read as a pattern too ("shop_a" matching "shopXa").
    const qsizetype first = out->size();
    for (const QStringList& row : raw.rows) {
        if ((name.isEmpty() || at(row, tname) == name) &&
            (ownCatalog.isEmpty() || at(row, cat) == ownCatalog))
            out->append({at(row, cat), at(row, schem), at(row, tname), at(row, type)});
    }
    // Names that differ only in case tie on such a driver's sort: they are put in one order.
    if (connection_.traits.unorderedTies) {
        for (auto from = out->begin() + first; from != out->end();) {
            auto to = std::next(from);
            while (to != out->end() && to->name.compare(from->name, Qt::CaseInsensitive) == 0)
                ++to;
            std::stable_sort(from, to, [](const TableRef& a, const TableRef& b) { return a.name < b.name; });
            from = to;
        }
    }
    return {};
}

CatalogueRequest tableRequest(const Connection::Impl& connection, TableRowset rowset, const TableRef& table)
{
    switch (rowset) {
    case TableRowset::primaryKey:
        return aboutTable(connection, table,
                          [](SQLHSTMT h, const odbc::WideArg& catalog, const odbc::WideArg& schema,
                             const odbc::WideArg& name) {
                              return SQLPrimaryKeysW(h, catalog.data(), catalog.length(), schema.data(),
                                                     schema.length(), name.data(), name.length());
                          });
    case TableRowset::foreignKeys:
        // ODBC refuses a request with neither table named; the child side is named here.
        return aboutTable(connection, table,
                          [](SQLHSTMT h, const odbc::WideArg& catalog, const odbc::WideArg& schema,
                             const odbc::WideArg& name) {
                              return SQLForeignKeysW(h, nullptr, 0, nullptr, 0, nullptr, 0, catalog.data(),
                                                     catalog.length(), schema.data(), schema.length(),
                                                     name.data(), name.length());
                          });
    case TableRowset::statistics:
        return aboutTable(connection, table,
                          [](SQLHSTMT h, const odbc::WideArg& catalog, const odbc::WideArg& schema,
                             const odbc::WideArg& name) {
                              return SQLStatisticsW(h, catalog.data(), catalog.length(), schema.data(),
                                                    schema.length(), name.data(), name.length(),
                                                    SQL_INDEX_ALL, SQL_QUICK);
                          });
    case TableRowset::tableInfo:
        break;
    }
    const QString pragma = QStringLiteral("PRAGMA table_info(\"%1\")")
                               .arg(QString(table.name).replace(QLatin1Char('"'), QStringLiteral("\"\"")));
    const odbc::WideArg text(pragma);
    return [=](SQLHSTMT h) { return SQLExecDirectW(h, text.data(), SQL_NTS); };
}

Status DriverRows::tableRows(TableRowset rowset, const TableRef& table, RawRows* out)
{
    return catalogueCall(connection_, tableRequest(connection_, rowset, table), out);
}

} // namespace platform::ado
