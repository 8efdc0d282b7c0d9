#include "platform/ado/connection_impl.h"

namespace platform::ado
{

namespace
{

// Long enough for a slow server, short enough that a wrong host never freezes the window.
constexpr SQLUINTEGER loginTimeoutSeconds = 15;

QString readInfo(SQLHDBC dbc, SQLUSMALLINT item)
{
    SQLWCHAR buffer[256] = {};
    SQLSMALLINT length = 0;
    if (!odbc::succeeded(SQLGetInfoW(dbc, item, buffer, sizeof(buffer), &length)))
        return {};
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer));
}

QString readIdentifierQuote(SQLHDBC dbc)
{
    const QString quote = readInfo(dbc, SQL_IDENTIFIER_QUOTE_CHAR).trimmed();
    // A blank answer means the driver quotes no identifiers.
    return quote.isEmpty() ? QStringLiteral("\"") : quote;
}

// Runs one statement on an open connection; `lost` tells whether a failure lost the link.
Status runStatement(Connection::Impl& connection, const QString& sql, Recordset* out, bool fieldsOnly,
                    bool* lost)
{
    odbc::Statement statement(connection.dbc);
    if (!statement.valid()) {
        *lost = odbc::connectionLost(SQL_HANDLE_DBC, connection.dbc, connection.dbc);
        return Status::failure(odbc::diagnostics(SQL_HANDLE_DBC, connection.dbc));
    }
    const auto failedWith = [&](const Status& failed) {
        *lost = odbc::connectionLost(SQL_HANDLE_STMT, statement.handle(), connection.dbc);
        return failed;
    };
    odbc::WideArg text(sql);
    // Column discovery only prepares and describes: no row is fetched, and on most
    // drivers the statement is not even run.
    const SQLRETURN rc = fieldsOnly ? SQLPrepareW(statement.handle(), text.data(), SQL_NTS)
                                    : SQLExecDirectW(statement.handle(), text.data(), SQL_NTS);
    if (!odbc::succeeded(rc) && rc != SQL_NO_DATA)
        return failedWith(statement.failure(QStringLiteral("the statement failed")));
    QList<Field> fields;
    Status status = odbc::describeColumns(statement, &fields);
    if (!status.ok)
        return failedWith(status);
    QList<QStringList> rows;
    if (!fieldsOnly && !fields.isEmpty()) {
        status = odbc::fetchRows(statement, int(fields.size()), &rows);
        if (!status.ok)
            return failedWith(status);
    }
    *out = Recordset(std::move(fields), std::move(rows));
    return {};
}

} // namespace

void Connection::Impl::release()
{
    if (dbc != SQL_NULL_HDBC) {
        if (open)
            SQLDisconnect(dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    }
    dbc = SQL_NULL_HDBC;
    open = false;
}

Connection::Connection() : impl_(std::make_unique<Impl>()) {}

Connection::~Connection()
{
    impl_->release();
}

Status Connection::open(const QString& connectionString)
{
    impl_->release();
    SQLHENV env = odbc::environment();
    if (env == SQL_NULL_HENV)
        return Status::failure(QStringLiteral("the ODBC driver manager cannot be initialised"));
    if (!odbc::succeeded(SQLAllocHandle(SQL_HANDLE_DBC, env, &impl_->dbc))) {
        impl_->dbc = SQL_NULL_HDBC;
        return Status::failure(odbc::diagnostics(SQL_HANDLE_ENV, env));
    }
    SQLSetConnectAttr(impl_->dbc, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(SQLULEN(loginTimeoutSeconds)), 0);

    const QString odbcString = toOdbcConnectionString(connectionString);
    SQLWCHAR completed[1024] = {};
    SQLSMALLINT completedLength = 0;
    const SQLRETURN rc =
        SQLDriverConnectW(impl_->dbc, nullptr, odbc::wide(odbcString), SQL_NTS, completed,
                          SQLSMALLINT(std::size(completed)), &completedLength, SQL_DRIVER_NOPROMPT);
    if (!odbc::succeeded(rc)) {
        QString message = odbc::diagnostics(SQL_HANDLE_DBC, impl_->dbc);
        if (message.isEmpty())
            message = QStringLiteral("the connection could not be opened");
        impl_->release();
        return Status::failure(message);
    }
    impl_->open = true;
    impl_->identifierQuote = readIdentifierQuote(impl_->dbc);
    impl_->dbmsName = readInfo(impl_->dbc, SQL_DBMS_NAME);
    return {};
}

int Connection::state() const
{
    return impl_->open ? adStateOpen : adStateClosed;
}

void Connection::close()
{
    impl_->release();
}

Status Connection::openSchema(int kind, const QList<QVariant>& restrictions, Recordset* out)
{
    *out = Recordset();
    if (!impl_->open)
        return Status::failure(QStringLiteral("the connection is not open"));
    return openSchemaRowset(*impl_, kind, restrictions, out);
}

QString Connection::identifierQuote() const
{
    return impl_->identifierQuote;
}

Status Connection::query(const QString& sql, Recordset* out, bool fieldsOnly)
{
    *out = Recordset();
    if (!impl_->open)
        return Status::failure(QStringLiteral("the connection is not open"));
    bool lost = false;
    const Status status = runStatement(*impl_, sql, out, fieldsOnly, &lost);
    // A statement that fails because the link dropped closes the connection (once the
    // statement's handle is gone), so that state() tells the truth and the next user
    // opens a new one.
    if (lost)
        impl_->release();
    return status;
}

DataControl::DataControl() = default;
DataControl::~DataControl() = default;

void DataControl::setConnectionString(const QString& connectionString)
{
    // Setting the string (a new Connect) always opens afresh at the next refresh, even
    // for the same string: the old link may have dropped unnoticed.
    connectionString_ = connectionString;
    openFailure_.reset();
    connection_.reset();
}

void DataControl::closeConnection()
{
    connection_.reset();
    openedWith_ = connectionString_;
    openFailure_ = Status::failure(QStringLiteral("the connection is closed"));
}

Status DataControl::refresh(bool fieldsOnly)
{
    recordset_ = Recordset();
    // A string that failed to open is not retried on every refresh (a generator refreshes
    // once per table, and each try may wait for the login timeout); setting the string
    // again allows a new try.
    if (openFailure_ && openedWith_ == connectionString_)
        return *openFailure_;
    if (!connection_ || connection_->state() != adStateOpen || openedWith_ != connectionString_) {
        connection_ = std::make_unique<Connection>();
        openedWith_ = connectionString_;
        openFailure_.reset();
        const Status opened = connection_->open(connectionString_);
        if (!opened.ok) {
            openFailure_ = opened;
            return opened;
        }
    }
    return connection_->query(recordSource_, &recordset_, fieldsOnly);
}

} // namespace platform::ado
