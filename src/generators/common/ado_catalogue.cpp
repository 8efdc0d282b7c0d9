#include "generators/common/ado_catalogue.h"

namespace generators
{

using platform::ado::Connection;
using platform::ado::Recordset;
using platform::ado::Status;

namespace
{

// A rowset read needs an open connection; without one the result says so.
template <class Result> bool refusedWithoutConnection(const Connection& connection, Result& result)
{
    if (connection.state() == platform::ado::adStateOpen)
        return false;
    result.ok = false;
    result.error = QStringLiteral("not connected");
    return true;
}

QString tableKey(const QString& table, const QString& schema)
{
    return schema + QChar(0) + table;
}

// The answer kept in `cache` under `key`, or a new one read and kept when it succeeds.
template <class Result, class Read> Result kept(QHash<QString, Result>* cache, const QString& key, Read read)
{
    if (cache) {
        if (auto known = cache->constFind(key); known != cache->cend())
            return *known;
    }
    Result result = read();
    if (cache && result.ok)
        cache->insert(key, result);
    return result;
}

QVariant schemaRestriction(const QString& schema)
{
    return schema.isEmpty() ? QVariant() : QVariant(schema);
}

// Opens a schema rowset into `result`'s status and hands each of its rows to `readRow`;
// the status is also left in `*status`.
template <class Result, class ReadRow>
Result readSchema(Connection& connection, platform::ado::CatalogueCache* cache, int kind,
                  const QList<QVariant>& restrictions, Result result, ReadRow readRow, Status* status)
{
    Recordset rs;
    *status = connection.openSchema(kind, restrictions, &rs, cache);
    result.ok = status->ok;
    result.error = status->message;
    for (rs.moveFirst(); status->ok && !rs.eof(); rs.moveNext())
        readRow(rs, result);
    return result;
}

// A rowset of one table, kept in `keptRows` under the table's name once read.
template <class Result, class ReadRow>
Result readTableSchema(Connection& connection, platform::ado::CatalogueCache* cache,
                       QHash<QString, Result>* keptRows, const QString& table, const QString& schema,
                       int kind, const QList<QVariant>& restrictions, ReadRow readRow, Status* status)
{
    Result result;
    if (refusedWithoutConnection(connection, result))
        return result;
    return kept(keptRows, tableKey(table, schema),
                [&] { return readSchema(connection, cache, kind, restrictions, result, readRow, status); });
}

// What a run tells of a gone connection: what happened, and the read that found it.
QString faultText(const Status& status, const QString& where)
{
    const QString what =
        status.unanswered ? status.message
                          : QStringLiteral("the connection to the database was lost: %1").arg(status.message);
    return QStringLiteral("%1 (%2)").arg(what, where);
}

// A read refused after the connection was found gone.
template <class Result> Result refusedAfterFault()
{
    Result result;
    result.ok = false;
    result.error = QStringLiteral("not connected");
    return result;
}

void readKeyColumn(const Recordset& rs, KeyColumns& key)
{
    key.columns.append(rs.value(QStringLiteral("COLUMN_NAME")));
}

void readIndexColumn(const Recordset& rs, IndexRows& index)
{
    index.rows.append({rs.value(QStringLiteral("INDEX_NAME")), rs.value(QStringLiteral("COLUMN_NAME"))});
}

void readForeignKey(const Recordset& rs, ForeignKeyRows& keys)
{
    ForeignKeyRow row;
    row.pkSchema = rs.value(QStringLiteral("PK_TABLE_SCHEMA"));
    row.pkTable = rs.value(QStringLiteral("PK_TABLE_NAME"));
    row.pkColumn = rs.value(QStringLiteral("PK_COLUMN_NAME"));
    row.fkSchema = rs.value(QStringLiteral("FK_TABLE_SCHEMA"));
    row.fkTable = rs.value(QStringLiteral("FK_TABLE_NAME"));
    row.fkColumn = rs.value(QStringLiteral("FK_COLUMN_NAME"));
    row.ordinal = rs.value(QStringLiteral("ORDINAL")).toInt();
    keys.rows.append(row);
}

} // namespace

AdoCatalogue::AdoCatalogue(Connection& connection, QString connectionString,
                           platform::ado::DataControl& data3, platform::ado::DataControl& data4,
                           RunCatalogueCache* cache)
    : connection_(connection), connectionString_(std::move(connectionString)), data3_(data3), data4_(data4),
      cache_(cache)
{
}

std::optional<QString> AdoCatalogue::connectionFault() const
{
    return cache_ ? cache_->connectionFault : ownFault_;
}

void AdoCatalogue::noteFault(const Status& status, const QString& where)
{
    if (status.ok || !status.connectionGone() || connectionFault())
        return;
    (cache_ ? cache_->connectionFault : ownFault_) = faultText(status, where);
}

ColumnList AdoCatalogue::columns(DataControlId control, const QString& query)
{
    if (connectionFault())
        return refusedAfterFault<ColumnList>();
    platform::ado::DataControl& data = control == DataControlId::data3 ? data3_ : data4_;
    data.setRecordSource(query);
    if (cache_) {
        // The control ends as the query would leave it: its record source and its fields.
        if (auto known = cache_->columns.constFind(query); known != cache_->columns.cend()) {
            data.recordset() = Recordset(*known, {});
            return {true, QString(), *known};
        }
    }
    const Status status = data.refresh(/*fieldsOnly=*/true);
    noteFault(status, QStringLiteral("running the column query \"%1\"").arg(query));
    ColumnList result;
    result.ok = status.ok;
    result.error = status.message;
    if (status.ok) {
        result.columns = data.fields();
        if (cache_)
            cache_->columns.insert(query, result.columns);
    }
    return result;
}

void AdoCatalogue::describeAhead(const QStringList& queries)
{
    if (!cache_ || connectionFault())
        return;
    QStringList unknown;
    for (const QString& query : queries) {
        if (!cache_->columns.contains(query))
            unknown.append(query);
    }
    unknown.removeDuplicates();
    QHash<QString, QList<platform::ado::Field>> described;
    // What could not be read ahead is read when asked, and a failure is reported then.
    noteFault(data3_.describeAhead(unknown, &described),
              QStringLiteral("describing the columns of the chosen tables"));
    cache_->columns.insert(described);
}

void AdoCatalogue::expectTables(const QStringList& tables)
{
    if (cache_)
        cache_->rowsets.expect(tables);
}

platform::ado::CatalogueCache* AdoCatalogue::rowsetCache() const
{
    return cache_ ? &cache_->rowsets : nullptr;
}

KeyColumns AdoCatalogue::primaryKey(const QString& table, const QString& schema)
{
    if (connectionFault())
        return refusedAfterFault<KeyColumns>();
    Status status;
    KeyColumns key = readTableSchema(connection_, rowsetCache(), cache_ ? &cache_->primaryKeys : nullptr,
                                     table, schema, platform::ado::adSchemaPrimaryKeys,
                                     {QVariant(), schemaRestriction(schema), table}, readKeyColumn, &status);
    noteFault(status, QStringLiteral("reading the primary key of %1").arg(table));
    return key;
}

ForeignKeyRows AdoCatalogue::foreignKeys()
{
    ForeignKeyRows result;
    if (connectionFault())
        return refusedAfterFault<ForeignKeyRows>();
    if (refusedWithoutConnection(connection_, result))
        return result;
    if (cache_ && cache_->foreignKeys)
        return *cache_->foreignKeys;
    Status status;
    result = readSchema(connection_, rowsetCache(), platform::ado::adSchemaForeignKeys, {}, result,
                        readForeignKey, &status);
    noteFault(status, status.object.isEmpty()
                          ? QStringLiteral("reading the foreign keys")
                          : QStringLiteral("reading the foreign keys of %1").arg(status.object));
    if (cache_ && result.ok)
        cache_->foreignKeys = result;
    return result;
}

IndexRows AdoCatalogue::indexes(const QString& table, const QString& schema)
{
    if (connectionFault())
        return refusedAfterFault<IndexRows>();
    // Restrictions: catalog, schema, index name, type, table.
    Status status;
    IndexRows rows = readTableSchema(connection_, rowsetCache(), cache_ ? &cache_->indexes : nullptr, table,
                                     schema, platform::ado::adSchemaIndexes,
                                     {QVariant(), schemaRestriction(schema), QVariant(), QVariant(), table},
                                     readIndexColumn, &status);
    noteFault(status, QStringLiteral("reading the indexes of %1").arg(table));
    return rows;
}

TableSchemas AdoCatalogue::tableSchemas(const QString& table)
{
    TableSchemas result;
    if (connectionFault())
        return refusedAfterFault<TableSchemas>();
    if (refusedWithoutConnection(connection_, result))
        return result;
    // Restrictions: catalog, schema, table. The table restriction is a pattern to some
    // drivers ('_' matches any character), so the names are compared again.
    Status status;
    result = readSchema(
        connection_, rowsetCache(), platform::ado::adSchemaTables, {QVariant(), QVariant(), table}, result,
        [&table](const Recordset& rs, TableSchemas& found) {
            const QString schema = rs.value(QStringLiteral("TABLE_SCHEMA"));
            if (rs.value(QStringLiteral("TABLE_NAME")) == table && !found.schemas.contains(schema))
                found.schemas.append(schema);
        },
        &status);
    noteFault(status, QStringLiteral("looking up the schemas of %1").arg(table));
    return result;
}

QString AdoCatalogue::identifierQuote()
{
    return connection_.identifierQuote();
}

QStringList AdoCatalogue::reservedWords()
{
    return connection_.reservedWords();
}

Status AdoCatalogue::reconnect()
{
    // Opening drops the link the connection held.
    return connection_.open(connectionString_);
}

} // namespace generators
