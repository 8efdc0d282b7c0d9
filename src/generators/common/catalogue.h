#pragma once
// The catalogue reads a generator makes: column discovery through a data control and
// the key rowsets. A failed read is reported in the result, never hidden.

#include "platform/ado/ado.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace generators
{

// The two data controls that run column queries: data3, and data4 for a second table.
enum class DataControlId { data3, data4 };

struct ColumnList {
    bool ok = true;
    QString error;
    QList<platform::ado::Field> columns; // empty when the query failed
};

struct KeyColumns {
    bool ok = true;
    QString error;
    QStringList columns; // in key order
};

struct ForeignKeyRow {
    QString pkSchema, pkTable, pkColumn;
    QString fkSchema, fkTable, fkColumn;
    int ordinal = 0; // position of the column pair in its key, from 1; 0 when unknown
};

struct ForeignKeyRows {
    bool ok = true;
    QString error;
    QList<ForeignKeyRow> rows;
};

// One row of the index rowset: an index and one of its columns.
struct IndexRow {
    QString indexName, columnName;
};

struct IndexRows {
    bool ok = true;
    QString error;
    QList<IndexRow> rows; // in the order the provider delivers them
};

struct TableSchemas {
    bool ok = true;
    QString error;
    QStringList schemas; // distinct, in the order of the rowset
};

class Catalogue
{
public:
    virtual ~Catalogue() = default;

    // Sets the control's record source to `query`, refreshes it and returns its fields.
    virtual ColumnList columns(DataControlId control, const QString& query) = 0;
    // Reads ahead the fields of these column queries, where that is faster than reading
    // them one by one; columns() then answers them as it would have. By default nothing.
    virtual void describeAhead(const QStringList& queries) { Q_UNUSED(queries); }
    // The tables the run is going to ask about, in the order it asks: a catalogue that reads
    // table by table may read a table's rows together with those of the tables after it.
    virtual void expectTables(const QStringList& tables) { Q_UNUSED(tables); }
    // Primary-key rowset (kind 28) of a table; an empty schema means any schema.
    virtual KeyColumns primaryKey(const QString& table, const QString& schema) = 0;
    // Every foreign key of the database (kind 27, no restriction).
    virtual ForeignKeyRows foreignKeys() = 0;
    // Index rowset (kind 12) of a table; an empty schema means any schema, so tables of
    // that name in every schema are read. Catalogues without it report a failure.
    virtual IndexRows indexes(const QString& table, const QString& schema)
    {
        Q_UNUSED(table);
        Q_UNUSED(schema);
        return {false, QStringLiteral("the index rowset is not available"), {}};
    }
    // The schemas that hold a table (or view) of exactly this name (tables rowset, kind 20).
    // Catalogues without schemas hold every name once.
    virtual TableSchemas tableSchemas(const QString& table)
    {
        Q_UNUSED(table);
        return {};
    }
    // The identifier quote character of the driver.
    virtual QString identifierQuote() = 0;
    // The words the database's SQL reserves, in upper case; none where nothing is known.
    virtual QStringList reservedWords() { return {}; }
    // Replaces the open connection by a new one opened on the same connection string.
    virtual platform::ado::Status reconnect() = 0;
    // Once a read found the connection gone (its link dropped, or the server did not answer
    // within the time limit): what happened and where, told once. Every read after it
    // fails at once without asking the server.
    virtual std::optional<QString> connectionFault() const { return std::nullopt; }
};

} // namespace generators
