#pragma once
// Internals shared by the ODBC-backed objects: the process-wide environment, statement
// handles, diagnostics and the reading of result sets as text.

#include "platform/ado/ado.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

namespace platform::ado::odbc
{

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the driver manager must use UTF-16 wide characters");

// The one ODBC environment of the process (ODBC 3 behaviour), created on first use.
SQLHENV environment();

// "[state] message" of every diagnostic record of a handle, joined by newlines.
QString diagnostics(SQLSMALLINT handleType, SQLHANDLE handle);

// Whether a failed call on this handle lost the connection: a connection-class state
// (08xxx, the server's shutdown states 57P01-57P03) or a driver that reports the link
// as dead.
bool connectionLost(SQLSMALLINT handleType, SQLHANDLE handle, SQLHDBC connection);

inline bool succeeded(SQLRETURN rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

// The text of a QString as an ODBC wide-character argument (valid while the string lives).
inline SQLWCHAR* wide(const QString& text)
{
    return reinterpret_cast<SQLWCHAR*>(const_cast<ushort*>(text.utf16()));
}

// A wide-character argument for the catalogue functions: nullptr for an empty restriction.
class WideArg
{
public:
    explicit WideArg(const QVariant& value)
        : null_(!value.isValid() || value.isNull()), text_(value.toString())
    {
    }
    explicit WideArg(const QString& text) : null_(false), text_(text) {}
    SQLWCHAR* data() const { return null_ ? nullptr : wide(text_); }
    SQLSMALLINT length() const { return null_ ? 0 : SQLSMALLINT(SQL_NTS); }

private:
    bool null_;
    QString text_;
};

// A statement handle that frees itself.
class Statement
{
public:
    explicit Statement(SQLHDBC connection);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool valid() const { return handle_ != SQL_NULL_HSTMT; }
    SQLHSTMT handle() const { return handle_; }
    // A failed call on the statement (or its allocation, when it is not valid), with the
    // driver's diagnostics; linkLost tells whether the call found the connection gone.
    Status failure(const QString& what) const;

private:
    SQLHDBC connection_ = SQL_NULL_HDBC;
    SQLHSTMT handle_ = SQL_NULL_HSTMT;
};

// Result-set columns, described with their ADO type codes.
Status describeColumns(const Statement& statement, QList<Field>* fields);

// Fetches every remaining row; values as text, a null as "".
Status fetchRows(const Statement& statement, int columnCount, QList<QStringList>* rows);

// Fetches the next row of a result whose columns are known; values as text, a null as "",
// a binary column's value as the literal of its bytes, X'0A1B'. `end` tells that there was none.
Status fetchRow(const Statement& statement, const QList<Field>& fields, QStringList* row, bool* end);
Status fetchRows(const Statement& statement, const QList<Field>& fields, QList<QStringList>* rows);

// The ADO type code of an ODBC SQL type.
int adoTypeOf(SQLSMALLINT sqlType);

} // namespace platform::ado::odbc
