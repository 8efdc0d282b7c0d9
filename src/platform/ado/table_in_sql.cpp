#include "platform/ado/ado.h"

#include <QRegularExpression>
#include <QSet>

namespace platform::ado
{

namespace
{

QString quotedName(const QString& name, const QString& identifierQuote)
{
    const QString q = identifierQuote.trimmed().isEmpty() ? QStringLiteral("\"") : identifierQuote.trimmed();
    return q + QString(name).replace(q, q + q) + q;
}

// Whether the database reads a plain identifier written without quotes as this name.
bool keepsItsCase(const QString& identifier, UnquotedCase unquoted)
{
    switch (unquoted) {
    case UnquotedCase::Upper:
        return identifier == identifier.toUpper();
    case UnquotedCase::Lower:
        return identifier == identifier.toLower();
    case UnquotedCase::AsWritten:
        break;
    }
    return true;
}

// A plain identifier the database reads back as this name, not as an SQL word.
bool standsBare(const QString& identifier, UnquotedCase unquoted)
{
    return keepsItsCase(identifier, unquoted) && !isReservedWord(identifier);
}

} // namespace

bool isReservedWord(const QString& word)
{
    // The reserved words of standard SQL together with those the supported databases
    // (PostgreSQL, MariaDB, SQLite, Access) add; quoting one more name than needed is harmless.
    static const QSet<QString> reserved = [] {
        const char* const words[] = {
            "ABSOLUTE",
            "ACTION",
            "ADD",
            "ALL",
            "ALLOCATE",
            "ALTER",
            "ANALYZE",
            "AND",
            "ANY",
            "ARE",
            "AS",
            "ASC",
            "ASSERTION",
            "AT",
            "AUTHORIZATION",
            "AUTOINCREMENT",
            "AVG",
            "BEGIN",
            "BETWEEN",
            "BINARY",
            "BIT",
            "BIT_LENGTH",
            "BOTH",
            "BY",
            "CASCADE",
            "CASCADED",
            "CASE",
            "CAST",
            "CATALOG",
            "CHAR",
            "CHARACTER",
            "CHARACTER_LENGTH",
            "CHAR_LENGTH",
            "CHECK",
            "CLOSE",
            "COALESCE",
            "COLLATE",
            "COLLATION",
            "COLUMN",
            "COMMIT",
            "CONNECT",
            "CONNECTION",
            "CONSTRAINT",
            "CONSTRAINTS",
            "CONTINUE",
            "CONVERT",
            "CORRESPONDING",
            "COUNT",
            "CREATE",
            "CROSS",
            "CURRENT",
            "CURRENT_DATE",
            "CURRENT_TIME",
            "CURRENT_TIMESTAMP",
            "CURRENT_USER",
            "CURSOR",
            "DATABASE",
            "DATE",
            "DAY",
            "DEALLOCATE",
            "DEC",
            "DECIMAL",
            "DECLARE",
            "DEFAULT",
            "DEFERRABLE",
            "DEFERRED",
            "DELETE",
            "DESC",
            "DESCRIBE",
            "DESCRIPTOR",
            "DIAGNOSTICS",
            "DISCONNECT",
            "DISTINCT",
            "DISTINCTROW",
            "DO",
            "DOMAIN",
            "DOUBLE",
            "DROP",
            "ELSE",
            "END",
            "END-EXEC",
            "ESCAPE",
            "EXCEPT",
            "EXCEPTION",
            "EXEC",
            "EXECUTE",
            "EXISTS",
            "EXPLAIN",
            "EXTERNAL",
            "EXTRACT",
            "FALSE",
            "FETCH",
            "FIRST",
            "FLOAT",
            "FOR",
            "FOREIGN",
            "FOUND",
            "FROM",
            "FULL",
            "GET",
            "GLOBAL",
            "GO",
            "GOTO",
            "GRANT",
            "GROUP",
            "HAVING",
            "HOUR",
            "IDENTITY",
            "IF",
            "ILIKE",
            "IMMEDIATE",
            "IN",
            "INDEX",
            "INDICATOR",
            "INITIALLY",
            "INNER",
            "INPUT",
            "INSENSITIVE",
            "INSERT",
            "INT",
            "INTEGER",
            "INTERSECT",
            "INTERVAL",
            "INTO",
            "IS",
            "ISNULL",
            "ISOLATION",
            "JOIN",
            "KEY",
            "KEYS",
            "LANGUAGE",
            "LAST",
            "LEADING",
            "LEFT",
            "LEVEL",
            "LIKE",
            "LIMIT",
            "LOCAL",
            "LOWER",
            "MATCH",
            "MAX",
            "MIN",
            "MINUTE",
            "MODULE",
            "MONTH",
            "NAMES",
            "NATIONAL",
            "NATURAL",
            "NCHAR",
            "NEXT",
            "NO",
            "NOT",
            "NOTHING",
            "NOTNULL",
            "NULL",
            "NULLIF",
            "NUMERIC",
            "OCTET_LENGTH",
            "OF",
            "OFFSET",
            "ON",
            "ONLY",
            "OPEN",
            "OPTION",
            "OR",
            "ORDER",
            "OUTER",
            "OUTPUT",
            "OVERLAPS",
            "PAD",
            "PARTIAL",
            "PERCENT",
            "PIVOT",
            "POSITION",
            "PRECISION",
            "PREPARE",
            "PRESERVE",
            "PRIMARY",
            "PRIOR",
            "PRIVILEGES",
            "PROCEDURE",
            "PUBLIC",
            "READ",
            "REAL",
            "REFERENCES",
            "REGEXP",
            "RELATIVE",
            "RENAME",
            "REPLACE",
            "RESTRICT",
            "RETURNING",
            "REVOKE",
            "RIGHT",
            "ROLLBACK",
            "ROWS",
            "SCHEMA",
            "SCROLL",
            "SECOND",
            "SECTION",
            "SELECT",
            "SESSION",
            "SESSION_USER",
            "SET",
            "SHOW",
            "SIZE",
            "SMALLINT",
            "SOME",
            "SPACE",
            "SQL",
            "SQLCODE",
            "SQLERROR",
            "SQLSTATE",
            "SUBSTRING",
            "SUM",
            "SYSTEM_USER",
            "TABLE",
            "TEMPORARY",
            "THEN",
            "TIME",
            "TIMESTAMP",
            "TIMEZONE_HOUR",
            "TIMEZONE_MINUTE",
            "TO",
            "TOP",
            "TRAILING",
            "TRANSACTION",
            "TRANSFORM",
            "TRANSLATE",
            "TRANSLATION",
            "TRIGGER",
            "TRIM",
            "TRUE",
            "UNION",
            "UNIQUE",
            "UNKNOWN",
            "UPDATE",
            "UPPER",
            "USAGE",
            "USE",
            "USER",
            "USING",
            "VALUE",
            "VALUES",
            "VARCHAR",
            "VARYING",
            "VIEW",
            "WHEN",
            "WHENEVER",
            "WHERE",
            "WINDOW",
            "WITH",
            "WORK",
            "WRITE",
            "YEAR",
            "ZONE",
        };
        QSet<QString> set;
        for (const char* word : words)
            set.insert(QLatin1String(word));
        return set;
    }();
    return reserved.contains(word.toUpper());
}

QString tableInSql(const QString& table, const QString& identifierQuote, UnquotedCase unquoted)
{
    // Letters, digits, '_', '$' and '#', not starting with a digit; a dotted
    // owner.table name counts as plain too.
    static const QRegularExpression plain(
        QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_$#]*(\.[A-Za-z_][A-Za-z0-9_$#]*)*$)"));
    if (table.isEmpty())
        return table;
    if (!plain.match(table).hasMatch())
        return quotedName(table, identifierQuote);
    QStringList parts = table.split(QLatin1Char('.'));
    for (QString& part : parts) {
        if (!standsBare(part, unquoted))
            part = quotedName(part, identifierQuote);
    }
    return parts.join(QLatin1Char('.'));
}

QString columnInSql(const QString& column, const QString& identifierQuote, UnquotedCase unquoted)
{
    static const QRegularExpression plain(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_$#]*$)"));
    if (column.isEmpty() || (plain.match(column).hasMatch() && standsBare(column, unquoted)))
        return column;
    return quotedName(column, identifierQuote);
}

} // namespace platform::ado
