// MariaDB's catalogue read for every table of the connection's database at once. Each
// statement is the one the driver sends for one table, without the table's name, and adds
// an empty schema and the table's name in front; the rows of each table keep the driver's
// order and values.
#include "platform/ado/catalogue_rows.h"

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
    const QString rule =
        QStringLiteral("CASE %1 WHEN 'RESTRICT' THEN 1 WHEN 'NO ACTION' THEN 3 "
                       "WHEN 'CASCADE' THEN 0 WHEN 'SET NULL' THEN 2 WHEN 'SET DEFAULT' THEN 4 END");
    return readOwnDatabase(
        connection,
        QStringLiteral(
            "SELECT '' AS OWNER_SCHEMA, A.TABLE_NAME AS OWNER_TABLE, A.REFERENCED_TABLE_SCHEMA PKTABLE_CAT, "
            "NULL PKTABLE_SCHEM, "
            "A.REFERENCED_TABLE_NAME PKTABLE_NAME, A.REFERENCED_COLUMN_NAME PKCOLUMN_NAME, "
            "A.TABLE_SCHEMA FKTABLE_CAT, NULL FKTABLE_SCHEM, A.TABLE_NAME FKTABLE_NAME, "
            "A.COLUMN_NAME FKCOLUMN_NAME, A.POSITION_IN_UNIQUE_CONSTRAINT KEY_SEQ, %1 UPDATE_RULE, "
            "%2 DELETE_RULE, A.CONSTRAINT_NAME FK_NAME, 'PRIMARY' PK_NAME, 7 AS DEFERRABILITY "
            "FROM INFORMATION_SCHEMA.KEY_COLUMN_USAGE A "
            "JOIN INFORMATION_SCHEMA.KEY_COLUMN_USAGE B ON (B.TABLE_SCHEMA = A.REFERENCED_TABLE_SCHEMA "
            "AND B.TABLE_NAME = A.REFERENCED_TABLE_NAME AND B.COLUMN_NAME = A.REFERENCED_COLUMN_NAME) "
            "JOIN INFORMATION_SCHEMA.REFERENTIAL_CONSTRAINTS RC ON (RC.CONSTRAINT_NAME = A.CONSTRAINT_NAME "
            "AND RC.TABLE_NAME = A.TABLE_NAME AND RC.CONSTRAINT_SCHEMA = A.TABLE_SCHEMA) "
            "WHERE B.CONSTRAINT_NAME = 'PRIMARY' AND A.TABLE_SCHEMA = BINARY DATABASE() "
            "ORDER BY FKTABLE_CAT, FKTABLE_SCHEM, FKTABLE_NAME, KEY_SEQ, PKTABLE_NAME")
            .arg(rule.arg(QStringLiteral("RC.UPDATE_RULE")), rule.arg(QStringLiteral("RC.DELETE_RULE"))),
        out);
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
