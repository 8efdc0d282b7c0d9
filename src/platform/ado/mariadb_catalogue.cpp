// MariaDB's catalogue read for every table of the connection's database at once. Each
// statement is the one the driver sends for one table, without the table's name, and adds
// an empty schema and the table's name in front; the rows of each table keep the driver's
// order and values.
#include "platform/ado/catalogue_rows.h"

#include <QSet>

namespace platform::ado
{

namespace
{

// Reads `sql`, whose rows are those of the connection's current database, by table.
Status readOwnDatabase(Connection::Impl& connection, const QString& sql, RowsByTable* out)
{
    // Without a database of its own the driver's calls name none: they are asked as they are.
    if (connection.catalog.isEmpty())
        return Status::failure(QStringLiteral("the connection names no database"));
    return readRowsByTable(connection, sql, out);
}

// One statement's rows, under the catalogue time limit.
Status readStatement(Connection::Impl& connection, const QString& sql, RawRows* out)
{
    const odbc::WideArg text(sql);
    return catalogueCall(
        connection, [=](SQLHSTMT h) { return SQLExecDirectW(h, text.data(), SQL_NTS); }, out);
}

// A text as a string constant.
QString sqlText(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// Names joined as the server compares them: regardless of case.
QString foldedKey(const QStringList& names)
{
    return names.join(QChar(0x1f)).toCaseFolded();
}

// A rule's name as the driver's number.
QString ruleNumber(const QString& rule)
{
    static const QHash<QString, QString> numbers{{QStringLiteral("RESTRICT"), QStringLiteral("1")},
                                                 {QStringLiteral("NO ACTION"), QStringLiteral("3")},
                                                 {QStringLiteral("CASCADE"), QStringLiteral("0")},
                                                 {QStringLiteral("SET NULL"), QStringLiteral("2")},
                                                 {QStringLiteral("SET DEFAULT"), QStringLiteral("4")}};
    return numbers.value(rule.toUpper());
}

} // namespace

Status mariadbPrimaryKeys(Connection::Impl& connection, RowsByTable* out)
{
    return readOwnDatabase(connection,
                           QStringLiteral("SELECT '' AS OWNER_SCHEMA, TABLE_NAME AS OWNER_TABLE, "
                                          "TABLE_SCHEMA AS TABLE_CAT, NULL AS TABLE_SCHEM, TABLE_NAME, "
                                          "COLUMN_NAME, ORDINAL_POSITION KEY_SEQ, 'PRIMARY' PK_NAME "
                                          "FROM INFORMATION_SCHEMA.COLUMNS "
                                          "WHERE COLUMN_KEY = 'pri' AND TABLE_SCHEMA = BINARY DATABASE() "
                                          "ORDER BY TABLE_SCHEMA, TABLE_NAME, ORDINAL_POSITION"),
                           out);
}

Status mariadbForeignKeys(Connection::Impl& connection, RowsByTable* out)
{
    // The driver joins three information_schema tables; over a whole database the server
    // joins them without an index, in seconds. Each is read here for one database instead,
    // and joined as the server would (names compared regardless of case). The rows come
    // in the driver's order: the key column rows are sorted by the server on the driver's
    // keys, and the join only drops or repeats a row in place.
    if (connection.catalog.isEmpty())
        return Status::failure(QStringLiteral("the connection names no database"));
    RawRows keyColumns, constraints;
    Status status = readStatement(
        connection,
        QStringLiteral(
            "SELECT TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME, CONSTRAINT_NAME, "
            "POSITION_IN_UNIQUE_CONSTRAINT, REFERENCED_TABLE_SCHEMA, REFERENCED_TABLE_NAME, "
            "REFERENCED_COLUMN_NAME FROM INFORMATION_SCHEMA.KEY_COLUMN_USAGE "
            "WHERE TABLE_SCHEMA = BINARY %1 AND REFERENCED_COLUMN_NAME IS NOT NULL "
            "ORDER BY TABLE_SCHEMA, TABLE_NAME, POSITION_IN_UNIQUE_CONSTRAINT, REFERENCED_TABLE_NAME")
            .arg(sqlText(connection.catalog)),
        &keyColumns);
    if (status.ok)
        status = readStatement(connection,
                               QStringLiteral("SELECT CONSTRAINT_NAME, TABLE_NAME, UPDATE_RULE, DELETE_RULE "
                                              "FROM INFORMATION_SCHEMA.REFERENTIAL_CONSTRAINTS "
                                              "WHERE CONSTRAINT_SCHEMA = %1")
                                   .arg(sqlText(connection.catalog)),
                               &constraints);
    if (!status.ok)
        return status;
    enum { schema, table, column, name, position, refSchema, refTable, refColumn };

    // The referenced tables' primary key columns, for each database a key refers to.
    QHash<QString, int> primaryColumns; // by folded schema, table and column: how many
    QSet<QString> schemasRead;
    for (const QStringList& row : keyColumns.rows) {
        const QString refers = at(row, refSchema).toCaseFolded();
        if (schemasRead.contains(refers))
            continue;
        schemasRead.insert(refers);
        RawRows primary;
        status = readStatement(connection,
                               QStringLiteral("SELECT TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME "
                                              "FROM INFORMATION_SCHEMA.KEY_COLUMN_USAGE "
                                              "WHERE CONSTRAINT_NAME = 'PRIMARY' AND TABLE_SCHEMA = %1")
                                   .arg(sqlText(at(row, refSchema))),
                               &primary);
        if (!status.ok)
            return status;
        for (const QStringList& key : primary.rows)
            ++primaryColumns[foldedKey({at(key, 0), at(key, 1), at(key, 2)})];
    }
    QMultiHash<QString, QStringList> rulesOf; // by folded constraint and table
    for (const QStringList& row : constraints.rows)
        rulesOf.insert(foldedKey({at(row, 0), at(row, 1)}), {ruleNumber(at(row, 2)), ruleNumber(at(row, 3))});

    out->columns.clear();
    for (const char* field : {"PKTABLE_CAT", "PKTABLE_SCHEM", "PKTABLE_NAME", "PKCOLUMN_NAME", "FKTABLE_CAT",
                              "FKTABLE_SCHEM", "FKTABLE_NAME", "FKCOLUMN_NAME", "KEY_SEQ", "UPDATE_RULE",
                              "DELETE_RULE", "FK_NAME", "PK_NAME", "DEFERRABILITY"})
        out->columns.append({QString::fromLatin1(field), adVarWChar});
    out->rows.clear();
    for (const QStringList& row : keyColumns.rows) {
        const int repeats =
            primaryColumns.value(foldedKey({at(row, refSchema), at(row, refTable), at(row, refColumn)}));
        // Each matching constraint row, repeated once per matching key column, as a join does.
        const QList<QStringList> rules = rulesOf.values(foldedKey({at(row, name), at(row, table)}));
        for (auto rule = rules.crbegin(); rule != rules.crend(); ++rule) {
            for (int i = 0; i < repeats; ++i)
                out->rows[RowsByTable::key(QString(), at(row, table))].append(
                    {at(row, refSchema), QString(), at(row, refTable), at(row, refColumn), at(row, schema),
                     QString(), at(row, table), at(row, column), at(row, position), rule->at(0), rule->at(1),
                     at(row, name), QStringLiteral("PRIMARY"), QStringLiteral("7")});
        }
    }
    return {};
}

Status mariadbStatistics(Connection::Impl& connection, RowsByTable* out)
{
    return readOwnDatabase(
        connection,
        QStringLiteral(
            "SELECT '' AS OWNER_SCHEMA, TABLE_NAME AS OWNER_TABLE, TABLE_SCHEMA AS TABLE_CAT, NULL AS "
            "TABLE_SCHEM, TABLE_NAME, "
            "NON_UNIQUE, NULL AS INDEX_QUALIFIER, INDEX_NAME, 3 AS TYPE, "
            "SEQ_IN_INDEX AS ORDINAL_POSITION, COLUMN_NAME, COLLATION AS ASC_OR_DESC, CARDINALITY, "
            "NULL AS PAGES, NULL AS FILTER_CONDITION "
            "FROM INFORMATION_SCHEMA.STATISTICS WHERE TABLE_SCHEMA = BINARY DATABASE() "
            "ORDER BY TABLE_NAME, NON_UNIQUE, INDEX_NAME, ORDINAL_POSITION"),
        out);
}

} // namespace platform::ado
