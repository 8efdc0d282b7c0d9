// The catalogue rowsets, built from the ODBC catalogue functions. ODBC differs from the
// rowsets' contract in three ways handled here: its schema and table arguments are
// search patterns (rows are filtered again on exact values), an empty ODBC argument
// means "no schema" rather than "any" (an empty restriction is passed as NULL), and some
// drivers see only part of the database through a NULL schema (a table is looked up in
// every schema that SQLTables reports).
#include "platform/ado/access_catalogue.h"
#include "platform/ado/catalogue_cache.h"

namespace platform::ado
{

namespace
{

bool restricted(const QList<QVariant>& restrictions, int index)
{
    return index < restrictions.size() && restrictions[index].isValid() && !restrictions[index].isNull();
}

bool matches(const QList<QVariant>& restrictions, int index, const QString& value)
{
    return !restricted(restrictions, index) || restrictions[index].toString() == value;
}

// Where a rowset's restrictions name the catalogue, the schema and the table.
struct TablePositions {
    int catalog, schema, table;
};

// The tables a restricted rowset covers: those named by the table restriction, in any
// schema unless a schema is given; every base table when no table is named.
Status coveredTables(CatalogueRows& source, const QList<QVariant>& restrictions, TablePositions positions,
                     QList<TableRef>* out)
{
    const bool named = restricted(restrictions, positions.table);
    QList<TableRef> all;
    const Status status = source.tables(named ? restrictions[positions.table].toString() : QString(), &all);
    if (!status.ok)
        return status;
    for (const TableRef& t : all) {
        if (!named && t.type != QLatin1String("TABLE"))
            continue;
        if (matches(restrictions, positions.catalog, t.catalog) &&
            matches(restrictions, positions.schema, t.schema))
            out->append(t);
    }
    return {};
}

// `rows` stably sorted by the number in `column` (a key's or an index's column position).
QList<QStringList> byPosition(QList<QStringList> rows, int column)
{
    std::stable_sort(rows.begin(), rows.end(), [column](const QStringList& a, const QStringList& b) {
        return at(a, column).toInt() < at(b, column).toInt();
    });
    return rows;
}

// Drivers list the columns of several keys or indexes of a table interleaved. Regroups
// them: one group per identity, groups in first-seen order, each group's rows by the
// position in `positionColumn`. With `repeatStartsGroup`, a position that the group of an
// identity already holds starts another group of that identity (two keys with one name).
QList<QList<QStringList>> regrouped(const QList<QStringList>& rows, int positionColumn,
                                    const std::function<QString(const QStringList&)>& identityOf,
                                    bool repeatStartsGroup)
{
    struct Group {
        QList<QStringList> rows;
        QSet<int> positions;
    };
    QList<Group> groups;
    QHash<QString, QList<qsizetype>> groupsOf; // by identity, in first-seen order
    for (const QStringList& row : rows) {
        const int position = at(row, positionColumn).toInt();
        QList<qsizetype>& candidates = groupsOf[identityOf(row)];
        const auto found = std::find_if(candidates.cbegin(), candidates.cend(), [&](qsizetype g) {
            return !repeatStartsGroup || !groups.at(g).positions.contains(position);
        });
        const qsizetype target = found == candidates.cend() ? groups.size() : *found;
        if (target == groups.size()) {
            groups.append(Group{});
            candidates.append(target);
        }
        groups[target].rows.append(row);
        groups[target].positions.insert(position);
    }
    QList<QList<QStringList>> result;
    result.reserve(groups.size());
    for (const Group& group : groups)
        result.append(byPosition(group.rows, positionColumn));
    return result;
}

struct PrimaryKey {
    QString name;
    QList<QStringList> rows; // ODBC rows in key order
    RawRows raw;
};

// The SQLite driver numbers a composite key's columns in table order; the table's own
// description gives their position in the key.
Status sqliteKeyOrder(CatalogueRows& source, const TableRef& table, PrimaryKey* key)
{
    RawRows info;
    const Status status = source.tableRows(TableRowset::tableInfo, table, &info);
    if (!status.ok)
        return status;
    QHash<QString, int> position;
    for (const QStringList& row : info.rows)
        position.insert(at(row, info.column("name")), at(row, info.column("pk")).toInt());
    const int column = key->raw.column("COLUMN_NAME"), seq = key->raw.column("KEY_SEQ");
    std::stable_sort(key->rows.begin(), key->rows.end(), [&](const QStringList& a, const QStringList& b) {
        return position.value(at(a, column)) < position.value(at(b, column));
    });
    for (qsizetype i = 0; i < key->rows.size() && seq >= 0; ++i)
        key->rows[i][seq] = QString::number(i + 1);
    return {};
}

// The MariaDB driver numbers a composite key's columns in table order too; the key's own
// index, as SQLStatistics gives it, holds them in key order.
Status keyOrderOfItsIndex(CatalogueRows& source, const TableRef& table, PrimaryKey* key)
{
    RawRows statistics;
    const Status status = source.tableRows(TableRowset::statistics, table, &statistics);
    if (!status.ok)
        return status;
    const int indexName = statistics.column("INDEX_NAME"), position = statistics.column("ORDINAL_POSITION"),
              indexColumn = statistics.column("COLUMN_NAME");
    QHash<QString, int> positionOf;
    for (const QStringList& row : statistics.rows) {
        if (at(row, indexName) == key->name)
            positionOf.insert(at(row, indexColumn), at(row, position).toInt());
    }
    const int column = key->raw.column("COLUMN_NAME"), seq = key->raw.column("KEY_SEQ");
    if (positionOf.size() != key->rows.size())
        return {}; // no index of the key's columns: the driver's order stands
    std::stable_sort(key->rows.begin(), key->rows.end(), [&](const QStringList& a, const QStringList& b) {
        return positionOf.value(at(a, column)) < positionOf.value(at(b, column));
    });
    for (qsizetype i = 0; i < key->rows.size() && seq >= 0; ++i)
        key->rows[i][seq] = QString::number(i + 1);
    return {};
}

// The primary key of a table, its rows in key order: some drivers give them in table order,
// and `order` says where the key order is found then.
Status primaryKeyOf(CatalogueRows& source, KeyOrder order, const TableRef& table, PrimaryKey* key)
{
    Status status = source.tableRows(TableRowset::primaryKey, table, &key->raw);
    if (!status.ok)
        return status;
    const int seq = key->raw.column("KEY_SEQ"), pkName = key->raw.column("PK_NAME");
    key->rows = byPosition(key->raw.rows, seq);
    if (!key->rows.isEmpty())
        key->name = at(key->rows.first(), pkName);
    if (key->rows.size() > 1 && order == KeyOrder::TableInfo)
        return sqliteKeyOrder(source, table, key);
    if (key->rows.size() > 1 && order == KeyOrder::KeyIndex)
        return keyOrderOfItsIndex(source, table, key);
    return {};
}

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QList<Field> textFields(std::initializer_list<const char*> names)
{
    QList<Field> fields;
    for (const char* name : names)
        fields.append({QString::fromLatin1(name), adVarWChar});
    return fields;
}

void setType(QList<Field>& fields, const char* name, int type)
{
    for (Field& f : fields) {
        if (f.name == QLatin1String(name))
            f.type = type;
    }
}

Status tablesRowset(CatalogueRows& source, const QList<QVariant>& restrictions, Recordset* out)
{
    QList<TableRef> tables;
    const Status status =
        source.tables(restricted(restrictions, 2) ? restrictions[2].toString() : QString(), &tables);
    if (!status.ok)
        return status;
    QList<QStringList> rows;
    for (const TableRef& t : tables) {
        if (matches(restrictions, 0, t.catalog) && matches(restrictions, 1, t.schema) &&
            matches(restrictions, 3, t.type))
            rows.append({t.catalog, t.schema, t.name, t.type});
    }
    *out =
        Recordset(textFields({"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "TABLE_TYPE"}), std::move(rows));
    return {};
}

// A rowset made of the rows of every table the restrictions cover, in table order;
// `tableRows` adds one table's rows, and its failure is the rowset's. Over several tables,
// the catalogue functions in `asked` are read ahead for all of them.
Status perTableRowset(CatalogueRows& source, const QList<QVariant>& restrictions, TablePositions positions,
                      std::initializer_list<TableRowset> asked, QList<Field> fields,
                      const std::function<Status(const TableRef&, QList<QStringList>*)>& tableRows,
                      Recordset* out)
{
    QList<TableRef> tables;
    Status status = coveredTables(source, restrictions, positions, &tables);
    if (!status.ok)
        return status;
    for (const TableRowset rowset : asked) {
        if (tables.size() < 2)
            break;
        status = source.readAhead(rowset, tables);
        if (!status.ok)
            return status;
    }
    QList<QStringList> rows;
    for (const TableRef& t : tables) {
        status = tableRows(t, &rows);
        if (!status.ok) {
            if (status.object.isEmpty())
                status.object = t.name;
            return status;
        }
    }
    *out = Recordset(std::move(fields), std::move(rows));
    return {};
}

Status primaryKeysRowset(CatalogueRows& source, KeyOrder order, const QList<QVariant>& restrictions,
                         Recordset* out)
{
    QList<Field> fields =
        textFields({"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME", "ORDINAL", "PK_NAME"});
    setType(fields, "ORDINAL", adInteger);
    const auto keyRows = [&](const TableRef& t, QList<QStringList>* rows) {
        PrimaryKey key;
        const Status status = primaryKeyOf(source, order, t, &key);
        if (!status.ok)
            return status;
        const int column = key.raw.column("COLUMN_NAME"), seq = key.raw.column("KEY_SEQ");
        for (const QStringList& row : key.rows)
            rows->append({t.catalog, t.schema, t.name, at(row, column), at(row, seq), key.name});
        return Status{};
    };
    return perTableRowset(source, restrictions, {0, 1, 2}, {TableRowset::primaryKey}, std::move(fields),
                          keyRows, out);
}

QString ruleText(const QString& odbcRule)
{
    switch (odbcRule.toInt()) {
    case SQL_CASCADE:
        return QStringLiteral("CASCADE");
    case SQL_SET_NULL:
        return QStringLiteral("SET NULL");
    case SQL_SET_DEFAULT:
        return QStringLiteral("SET DEFAULT");
    default:
        return QStringLiteral("NO ACTION");
    }
}

// Rows that tie on the driver's order (the same KEY_SEQ and parent table name, compared as
// the server compares them) put in the order of their parent's catalog and the key's name,
// so that two keys to one parent come in one order however the server sorted them.
void orderTies(QList<QStringList>* rows, int seq, int pkCat, int pkTable, int fkName)
{
    const auto tied = [&](const QStringList& a, const QStringList& b) {
        return at(a, seq) == at(b, seq) && at(a, pkTable).compare(at(b, pkTable), Qt::CaseInsensitive) == 0;
    };
    for (auto from = rows->begin(); from != rows->end();) {
        auto to = std::next(from);
        while (to != rows->end() && tied(*from, *to))
            ++to;
        std::stable_sort(from, to, [&](const QStringList& a, const QStringList& b) {
            return std::pair(at(a, pkCat), at(a, fkName)) < std::pair(at(b, pkCat), at(b, fkName));
        });
        from = to;
    }
}

Status foreignKeysRowset(CatalogueRows& source, const DriverTraits& traits,
                         const QList<QVariant>& restrictions, Recordset* out)
{
    QList<Field> fields =
        textFields({"PK_TABLE_CATALOG", "PK_TABLE_SCHEMA", "PK_TABLE_NAME", "PK_COLUMN_NAME",
                    "FK_TABLE_CATALOG", "FK_TABLE_SCHEMA", "FK_TABLE_NAME", "FK_COLUMN_NAME", "ORDINAL",
                    "UPDATE_RULE", "DELETE_RULE", "PK_NAME", "FK_NAME"});
    setType(fields, "ORDINAL", adInteger);
    // ODBC refuses a request with neither table named, so every foreign key of the
    // database is gathered table by table from the child side.
    const auto foreignKeyRows = [&](const TableRef& t, QList<QStringList>* rows) {
        RawRows raw;
        const Status status = source.tableRows(TableRowset::foreignKeys, t, &raw);
        if (!status.ok)
            return status;
        const int pkCat = raw.column("PKTABLE_CAT"), pkSchem = raw.column("PKTABLE_SCHEM"),
                  pkTable = raw.column("PKTABLE_NAME"), pkColumn = raw.column("PKCOLUMN_NAME"),
                  fkCat = raw.column("FKTABLE_CAT"), fkSchem = raw.column("FKTABLE_SCHEM"),
                  fkTable = raw.column("FKTABLE_NAME"), fkColumn = raw.column("FKCOLUMN_NAME"),
                  seq = raw.column("KEY_SEQ"), update = raw.column("UPDATE_RULE"),
                  del = raw.column("DELETE_RULE"), fkName = raw.column("FK_NAME"),
                  pkName = raw.column("PK_NAME");

        QList<QStringList> wanted;
        for (const QStringList& row : raw.rows) {
            if (at(row, fkTable) == t.name && matches(restrictions, 0, at(row, pkCat)) &&
                matches(restrictions, 1, at(row, pkSchem)) && matches(restrictions, 2, at(row, pkTable)))
                wanted.append(row);
        }
        if (traits.unorderedTies)
            orderTies(&wanted, seq, pkCat, pkTable, fkName);
        // Drivers order by parent table and KEY_SEQ, which interleaves two keys to one
        // parent. A key is its parent and its name; a repeated KEY_SEQ starts another key.
        const auto keyOf = [&](const QStringList& row) {
            return QStringList{at(row, pkCat), at(row, pkSchem), at(row, pkTable), at(row, fkName)}.join(
                QChar(0x1f));
        };
        for (const QList<QStringList>& key : regrouped(wanted, seq, keyOf, /*repeatStartsGroup=*/true)) {
            for (const QStringList& row : key) {
                rows->append({at(row, pkCat), at(row, pkSchem), at(row, pkTable), at(row, pkColumn),
                              at(row, fkCat), at(row, fkSchem), at(row, fkTable), at(row, fkColumn),
                              at(row, seq), ruleText(at(row, update)), ruleText(at(row, del)),
                              at(row, pkName), at(row, fkName)});
            }
        }
        return Status{};
    };
    return perTableRowset(source, restrictions, {3, 4, 5}, {TableRowset::foreignKeys}, std::move(fields),
                          foreignKeyRows, out);
}

Status indexesRowset(CatalogueRows& source, KeyOrder order, const QList<QVariant>& restrictions,
                     Recordset* out)
{
    QList<Field> fields = textFields({"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "INDEX_NAME",
                                      "PRIMARY_KEY", "UNIQUE", "ORDINAL_POSITION", "COLUMN_NAME"});
    setType(fields, "PRIMARY_KEY", adBoolean);
    setType(fields, "UNIQUE", adBoolean);
    setType(fields, "ORDINAL_POSITION", adInteger);
    const auto indexRows = [&](const TableRef& t, QList<QStringList>* rows) {
        RawRows raw;
        Status status = source.tableRows(TableRowset::statistics, t, &raw);
        if (!status.ok)
            return status;
        PrimaryKey key;
        status = primaryKeyOf(source, order, t, &key);
        if (!status.ok)
            return status;
        QStringList keyColumns;
        for (const QStringList& row : key.rows)
            keyColumns.append(at(row, key.raw.column("COLUMN_NAME")));

        const int type = raw.column("TYPE"), nonUnique = raw.column("NON_UNIQUE"),
                  indexName = raw.column("INDEX_NAME"), position = raw.column("ORDINAL_POSITION"),
                  column = raw.column("COLUMN_NAME");
        QList<QStringList> wanted;
        for (const QStringList& row : raw.rows) {
            if (at(row, type).toInt() != SQL_TABLE_STAT && !at(row, indexName).isEmpty() &&
                matches(restrictions, 2, at(row, indexName)))
                wanted.append(row);
        }
        const auto indexOf = [indexName](const QStringList& row) { return at(row, indexName); };
        for (const QList<QStringList>& index :
             regrouped(wanted, position, indexOf, /*repeatStartsGroup=*/false)) {
            const QString name = at(index.first(), indexName);
            const bool unique = at(index.first(), nonUnique).toInt() == 0;
            QStringList columns;
            for (const QStringList& row : index)
                columns.append(at(row, column));
            const bool primary = (!key.name.isEmpty() && key.name == name) ||
                                 (unique && !keyColumns.isEmpty() && columns == keyColumns);
            for (const QStringList& row : index)
                rows->append({t.catalog, t.schema, t.name, name, boolText(primary), boolText(unique),
                              at(row, position), at(row, column)});
        }
        return Status{};
    };
    return perTableRowset(source, restrictions, {0, 1, 4}, {TableRowset::statistics, TableRowset::primaryKey},
                          std::move(fields), indexRows, out);
}

Status rowsetOf(CatalogueRows& source, const DriverTraits& traits, int kind,
                const QList<QVariant>& restrictions, Recordset* out)
{
    const KeyOrder order = traits.keyOrder;
    switch (kind) {
    case adSchemaTables:
        return tablesRowset(source, restrictions, out);
    case adSchemaPrimaryKeys:
        return primaryKeysRowset(source, order, restrictions, out);
    case adSchemaForeignKeys:
        return foreignKeysRowset(source, traits, restrictions, out);
    case adSchemaIndexes:
        return indexesRowset(source, order, restrictions, out);
    default:
        return Status::failure(QStringLiteral("schema kind %1 is not supported").arg(kind));
    }
}

} // namespace

Status openSchemaRowset(Connection::Impl& connection, int kind, const QList<QVariant>& restrictions,
                        Recordset* out, CatalogueCache* cache)
{
    // The MDBTools driver knows no keys and crashes on indexes: an Access file's catalogue
    // comes from the file. Its table list comes from the driver when the file cannot be read.
    if (isAccessConnection(connection)) {
        std::shared_ptr<const AccessCatalogue> catalogue;
        const Status read = accessCatalogueOf(connection, &catalogue);
        if (read.ok) {
            AccessRows rows(catalogue);
            return rowsetOf(rows, connection.traits, kind, restrictions, out);
        }
        if (kind != adSchemaTables)
            return read;
    }
    if (cache)
        return rowsetOf(cache->impl().over(connection), connection.traits, kind, restrictions, out);
    DriverRows driver(connection);
    return rowsetOf(driver, connection.traits, kind, restrictions, out);
}

} // namespace platform::ado
