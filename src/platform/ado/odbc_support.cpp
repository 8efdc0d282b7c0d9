#include "platform/ado/odbc_support.h"

#include <atomic>

namespace platform::ado::odbc
{

SQLHENV environment()
{
    static SQLHENV env = [] {
        SQLHENV handle = SQL_NULL_HENV;
        if (succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &handle)))
            SQLSetEnvAttr(handle, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return handle;
    }();
    return env;
}

QString diagnostics(SQLSMALLINT handleType, SQLHANDLE handle)
{
    QStringList lines;
    for (SQLSMALLINT record = 1; handle != SQL_NULL_HANDLE; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER nativeError = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRecW(handleType, handle, record, state, &nativeError, message,
                                            SQLSMALLINT(std::size(message)), &length);
        if (!succeeded(rc))
            break;
        lines << QStringLiteral("[%1] %2").arg(
            QString::fromUtf16(reinterpret_cast<const char16_t*>(state)),
            QString::fromUtf16(reinterpret_cast<const char16_t*>(message)));
    }
    return lines.join(QLatin1Char('\n'));
}

bool connectionLost(SQLSMALLINT handleType, SQLHANDLE handle, SQLHDBC connection)
{
    for (SQLSMALLINT record = 1; handle != SQL_NULL_HANDLE; ++record) {
        SQLWCHAR state[6] = {};
        if (!succeeded(SQLGetDiagFieldW(handleType, handle, record, SQL_DIAG_SQLSTATE, state, sizeof(state),
                                        nullptr)))
            break;
        const QString code = QString::fromUtf16(reinterpret_cast<const char16_t*>(state));
        if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") ||
            code == QLatin1String("57P02") || code == QLatin1String("57P03"))
            return true;
    }
    SQLUINTEGER dead = SQL_CD_FALSE;
    return connection != SQL_NULL_HDBC &&
           succeeded(SQLGetConnectAttr(connection, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr)) &&
           dead == SQL_CD_TRUE;
}

namespace
{
std::atomic<qint64> statementCount{0};
}

Statement::Statement(SQLHDBC connection) : connection_(connection)
{
    if (connection == SQL_NULL_HDBC || !succeeded(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle_)))
        handle_ = SQL_NULL_HSTMT;
    else
        ++statementCount;
}

Statement::~Statement()
{
    if (handle_ != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, handle_);
}

Status Statement::failure(const QString& what) const
{
    // A statement the driver would not even allocate (MariaDB's refuses one on a dead
    // link) has its reason on the connection.
    const bool allocated = valid();
    const SQLSMALLINT type = allocated ? SQL_HANDLE_STMT : SQL_HANDLE_DBC;
    const SQLHANDLE handle = allocated ? SQLHANDLE(handle_) : SQLHANDLE(connection_);
    const QString detail = diagnostics(type, handle);
    Status failed = Status::failure(detail.isEmpty() ? what : what + QStringLiteral(": ") + detail);
    failed.linkLost = connectionLost(type, handle, connection_);
    return failed;
}

Status describeColumns(const Statement& statement, QList<Field>* fields)
{
    fields->clear();
    SQLSMALLINT count = 0;
    if (!succeeded(SQLNumResultCols(statement.handle(), &count)))
        return statement.failure(QStringLiteral("cannot count the result columns"));
    for (SQLUSMALLINT column = 1; column <= SQLUSMALLINT(count); ++column) {
        SQLWCHAR name[512] = {};
        SQLSMALLINT nameLength = 0, sqlType = 0, decimals = 0, nullable = 0;
        SQLULEN size = 0;
        const SQLRETURN rc = SQLDescribeColW(statement.handle(), column, name, SQLSMALLINT(std::size(name)),
                                             &nameLength, &sqlType, &size, &decimals, &nullable);
        if (!succeeded(rc)) {
            fields->clear();
            return statement.failure(QStringLiteral("cannot describe result column %1").arg(column));
        }
        fields->append({QString::fromUtf16(reinterpret_cast<const char16_t*>(name)), adoTypeOf(sqlType)});
    }
    return {};
}

namespace
{

// After a piece that did not hold the whole value: whether the driver goes on with the rest.
// Each piece's indicator gives what was left before it, so it falls from piece to piece; a
// driver that hands out the same piece again would otherwise be read for ever.
bool nextPieceFollows(SQLLEN indicator, SQLLEN* before)
{
    if (indicator == SQL_NO_TOTAL)
        return true;
    const bool follows = *before < 0 || indicator < *before;
    *before = indicator;
    return follows;
}

// One value as text, read in pieces so long values come whole.
bool readValue(SQLHSTMT statement, SQLUSMALLINT column, QString* value)
{
    value->clear();
    SQLWCHAR buffer[2048];
    SQLLEN left = -1;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement, column, SQL_C_WCHAR, buffer, sizeof(buffer), &indicator);
        if (rc == SQL_NO_DATA)
            return true;
        if (!succeeded(rc))
            return false;
        if (indicator == SQL_NULL_DATA) {
            value->clear();
            return true;
        }
        const qsizetype capacity = qsizetype(std::size(buffer)) - 1;
        qsizetype units =
            indicator == SQL_NO_TOTAL ? capacity : qsizetype(indicator / SQLLEN(sizeof(SQLWCHAR)));
        if (units > capacity)
            units = capacity;
        value->append(QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer), units));
        // SQL_SUCCESS_WITH_INFO: truncated (01004), more to come.
        if (rc == SQL_SUCCESS || !nextPieceFollows(indicator, &left))
            return true;
    }
}

bool isBinaryType(int type)
{
    return type == adBinary || type == adVarBinary || type == adLongVarBinary;
}

// A binary value as a SQL literal of its bytes, X'0A1B' (X'' when empty), read in pieces.
bool readBinary(SQLHSTMT statement, SQLUSMALLINT column, QString* value)
{
    value->clear();
    QByteArray bytes;
    char buffer[8192];
    SQLLEN left = -1;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement, column, SQL_C_BINARY, buffer, sizeof(buffer), &indicator);
        if (rc == SQL_NO_DATA)
            break;
        if (!succeeded(rc))
            return false;
        if (indicator == SQL_NULL_DATA)
            return true;
        const qsizetype size = indicator == SQL_NO_TOTAL || indicator > SQLLEN(sizeof(buffer))
                                   ? qsizetype(sizeof(buffer))
                                   : qsizetype(std::max<SQLLEN>(indicator, 0));
        bytes.append(buffer, size);
        if (rc == SQL_SUCCESS || !nextPieceFollows(indicator, &left))
            break;
    }
    *value = QStringLiteral("X'") + QString::fromLatin1(bytes.toHex().toUpper()) + QLatin1Char('\'');
    return true;
}

} // namespace

Status fetchRow(const Statement& statement, const QList<Field>& fields, QStringList* row, bool* end)
{
    row->clear();
    const SQLRETURN rc = SQLFetch(statement.handle());
    *end = rc == SQL_NO_DATA;
    if (*end)
        return {};
    if (!succeeded(rc))
        return statement.failure(QStringLiteral("cannot fetch a row"));
    row->reserve(fields.size());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QString value;
        const SQLUSMALLINT column = SQLUSMALLINT(i + 1);
        const bool read = isBinaryType(fields[i].type) ? readBinary(statement.handle(), column, &value)
                                                       : readValue(statement.handle(), column, &value);
        if (!read)
            return statement.failure(QStringLiteral("cannot read column %1").arg(column));
        row->append(value);
    }
    return {};
}

Status fetchRows(const Statement& statement, const QList<Field>& fields, QList<QStringList>* rows)
{
    for (;;) {
        QStringList row;
        bool end = false;
        const Status status = fetchRow(statement, fields, &row, &end);
        if (!status.ok || end)
            return status;
        rows->append(row);
    }
}

Status fetchRows(const Statement& statement, int columnCount, QList<QStringList>* rows)
{
    // Columns of no known type read as text.
    return fetchRows(statement, QList<Field>(columnCount), rows);
}

int adoTypeOf(SQLSMALLINT sqlType)
{
    struct Mapping {
        SQLSMALLINT sql;
        int ado;
    };
    static constexpr Mapping table[] = {
        {SQL_CHAR, adChar},
        {SQL_VARCHAR, adVarChar},
        {SQL_LONGVARCHAR, adLongVarChar},
        {SQL_WCHAR, adWChar},
        {SQL_WVARCHAR, adVarWChar},
        {SQL_WLONGVARCHAR, adLongVarWChar},
        {SQL_NUMERIC, adNumeric},
        {SQL_DECIMAL, adNumeric},
        {SQL_SMALLINT, adSmallInt},
        {SQL_INTEGER, adInteger},
        {SQL_BIGINT, adBigInt},
        {SQL_TINYINT, adTinyInt},
        {SQL_REAL, adSingle},
        {SQL_FLOAT, adDouble},
        {SQL_DOUBLE, adDouble},
        {SQL_BIT, adBoolean},
        {SQL_BINARY, adBinary},
        {SQL_VARBINARY, adVarBinary},
        {SQL_LONGVARBINARY, adLongVarBinary},
        {SQL_DATE, adDBDate},
        {SQL_TYPE_DATE, adDBDate},
        {SQL_TIME, adDBTime},
        {SQL_TYPE_TIME, adDBTime},
        {SQL_TIMESTAMP, adDBTimeStamp},
        {SQL_TYPE_TIMESTAMP, adDBTimeStamp},
        {SQL_GUID, adGUID},
    };
    for (const Mapping& m : table) {
        if (m.sql == sqlType)
            return m.ado;
    }
    // A driver-specific type is read as text like everything else.
    return adVarWChar;
}

} // namespace platform::ado::odbc

namespace platform::ado
{

qint64 statementsRun()
{
    return odbc::statementCount;
}

} // namespace platform::ado
