#include "platform/ado/access_catalogue.h"
#include "platform/ado/connection_impl.h"
#include "platform/ado/row_cursor.h"
#include "platform/yielding_call.h"

#include <atomic>

namespace platform::ado
{

namespace
{

// Long enough for a slow server, short enough that a wrong host never freezes the window.
constexpr SQLUINTEGER loginTimeoutSeconds = 15;

// The items read are plain ASCII names. They are asked through the narrow call: given the
// wide one, the driver manager has an ANSI driver (MDBTools') fill a buffer of its own, which
// that driver leaves without a NUL, and then reads past its end converting it into ours.
QString readInfo(SQLHDBC dbc, SQLUSMALLINT item)
{
    SQLCHAR buffer[256] = {};
    SQLSMALLINT length = 0;
    if (!odbc::succeeded(SQLGetInfo(dbc, item, buffer, sizeof(buffer) - 1, &length)))
        return {};
    // The returned length counts; some drivers write no terminating NUL after the text.
    const qsizetype bytes = std::clamp<qsizetype>(length, 0, qsizetype(sizeof(buffer)) - 1);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(buffer), bytes);
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QString readIdentifierQuote(SQLHDBC dbc)
{
    const QString quote = readInfo(dbc, SQL_IDENTIFIER_QUOTE_CHAR).trimmed();
    // A blank answer means the driver quotes no identifiers.
    return quote.isEmpty() ? QStringLiteral("\"") : quote;
}

UnquotedCase readUnquotedCase(SQLHDBC dbc)
{
    SQLUSMALLINT identifierCase = 0;
    if (!odbc::succeeded(
            SQLGetInfoW(dbc, SQL_IDENTIFIER_CASE, &identifierCase, sizeof(identifierCase), nullptr)))
        return UnquotedCase::AsWritten;
    switch (identifierCase) {
    case SQL_IC_UPPER:
        return UnquotedCase::Upper;
    case SQL_IC_LOWER:
        return UnquotedCase::Lower;
    default:
        return UnquotedCase::AsWritten;
    }
}

// The connection's current catalog, for a driver that has catalogs; empty otherwise.
QString readCurrentCatalog(SQLHDBC dbc)
{
    if (readInfo(dbc, SQL_CATALOG_NAME) != QLatin1String("Y"))
        return {};
    SQLWCHAR buffer[256] = {};
    SQLINTEGER length = 0;
    if (!odbc::succeeded(SQLGetConnectAttrW(dbc, SQL_ATTR_CURRENT_CATALOG, buffer, sizeof(buffer), &length)))
        return {};
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer));
}

} // namespace

Status runStatement(SQLHDBC dbc, const QString& sql, bool fieldsOnly, Recordset* out, bool* lost)
{
    odbc::Statement statement(dbc);
    const auto failedWith = [&](Status failed) {
        *lost = failed.linkLost;
        return failed;
    };
    if (!statement.valid())
        return failedWith(statement.failure(QStringLiteral("the statement could not be made")));
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
    // Some drivers (MDBTools') describe a prepared statement only once it has run: before a
    // query counts as giving no columns, it is executed, still without fetching a row.
    if (fieldsOnly && fields.isEmpty()) {
        const SQLRETURN executed = SQLExecute(statement.handle());
        if (!odbc::succeeded(executed) && executed != SQL_NO_DATA)
            return failedWith(statement.failure(QStringLiteral("the statement failed")));
        status = odbc::describeColumns(statement, &fields);
        if (!status.ok)
            return failedWith(status);
    }
    QList<QStringList> rows;
    if (!fieldsOnly && !fields.isEmpty()) {
        status = odbc::fetchRows(statement, fields, &rows);
        if (!status.ok)
            return failedWith(status);
    }
    *out = Recordset(std::move(fields), std::move(rows));
    return {};
}

Link::~Link()
{
    if (dbc == SQL_NULL_HDBC)
        return;
    if (connected)
        SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
}

Status onServer(Connection::Impl& connection, std::chrono::milliseconds limit,
                std::function<Status(SQLHDBC)> work)
{
    if (!connection.open())
        return Status::failure(QStringLiteral("the connection is not open"));
    auto status = std::make_shared<Status>();
    const bool answered = runWhileYielding(
        [link = connection.link, status, work = std::move(work)] { *status = work(link->dbc); }, limit);
    if (answered) {
        // A call that lost the link closes the connection, so that state() tells the truth
        // and the next user opens a new one.
        if (status->linkLost)
            connection.release();
        return *status;
    }
    connection.release();
    Status unanswered =
        Status::failure(QStringLiteral("the server did not answer within %1 s")
                            .arg(std::chrono::duration_cast<std::chrono::seconds>(limit).count()));
    unanswered.unanswered = true;
    return unanswered;
}

Status onServerForAWhile(Connection::Impl& connection, std::chrono::milliseconds limit, qsizetype count,
                         std::function<bool(SQLHDBC, qsizetype)> step, qsizetype* done)
{
    auto stepsDone = std::make_shared<std::atomic<qsizetype>>(0);
    const Status status =
        onServer(connection, limit + kAWhile, [count, step = std::move(step), stepsDone](SQLHDBC dbc) {
            const auto until = std::chrono::steady_clock::now() + kAWhile;
            for (qsizetype at = 0; at < count;) {
                const bool goOn = step(dbc, at);
                *stepsDone = ++at;
                if (!goOn || std::chrono::steady_clock::now() >= until)
                    break;
            }
            return Status{};
        });
    *done = stepsDone->load();
    return status;
}

Connection::Connection() : impl_(std::make_unique<Impl>()) {}

Connection::~Connection() = default;

Status driverConnect(SQLHDBC dbc, const QString& odbcString)
{
    // No buffer for the completed string: nothing here reads it, and the driver manager's
    // copy into one reads past the end of its own text.
    const SQLRETURN rc = SQLDriverConnectW(dbc, nullptr, odbc::wide(odbcString), SQL_NTS, nullptr, 0, nullptr,
                                           SQL_DRIVER_NOPROMPT);
    if (odbc::succeeded(rc))
        return {};
    QStringList reasons{odbc::diagnostics(SQL_HANDLE_DBC, dbc), missingDatabaseFile(odbcString)};
    reasons.removeAll(QString());
    return Status::failure(reasons.isEmpty() ? QStringLiteral("the connection could not be opened")
                                             : reasons.join(QLatin1Char('\n')));
}

Status Connection::open(const QString& connectionString, ResultReading reading)
{
    // Opened again, the object is as a new one: nothing of the previous link is kept,
    // whether or not this open succeeds.
    const std::chrono::milliseconds limit = impl_->catalogueLimit;
    *impl_ = Impl();
    impl_->catalogueLimit = limit;
    QString odbcString = toOdbcConnectionString(connectionString);
    auto link = std::make_shared<Link>();
    Status status;
    QString quote, dbmsName, driverName, catalog, openedWith;
    UnquotedCase unquotedCase = UnquotedCase::AsWritten;
    std::shared_ptr<const AccessCatalogue> accessCatalogue;
    // The login timeout bounds the wait; the window stays live meanwhile.
    runWhileYielding([&] {
        status = readAccessCatalogueFirst(odbcString, &accessCatalogue);
        if (!status.ok)
            return;
        SQLHENV env = odbc::environment();
        if (env == SQL_NULL_HENV) {
            status = Status::failure(QStringLiteral("the ODBC driver manager cannot be initialised"));
            return;
        }
        if (!odbc::succeeded(SQLAllocHandle(SQL_HANDLE_DBC, env, &link->dbc))) {
            link->dbc = SQL_NULL_HDBC;
            status = Status::failure(odbc::diagnostics(SQL_HANDLE_ENV, env));
            return;
        }
        SQLSetConnectAttr(link->dbc, SQL_ATTR_LOGIN_TIMEOUT,
                          reinterpret_cast<SQLPOINTER>(SQLULEN(loginTimeoutSeconds)), 0);
        status = driverConnect(link->dbc, odbcString);
        // The driver is known only once connected: one that needs asking to read results
        // on demand is connected again with its settings after the user's (the user's own
        // setting of the same name comes first and wins).
        if (status.ok && reading == ResultReading::OnDemand) {
            const QString keywords = onDemandKeywords(readInfo(link->dbc, SQL_DRIVER_NAME));
            if (!keywords.isEmpty()) {
                SQLDisconnect(link->dbc);
                if (!odbcString.trimmed().endsWith(QLatin1Char(';')))
                    odbcString += QLatin1Char(';');
                status = driverConnect(link->dbc, odbcString + keywords);
            }
        }
        if (!status.ok)
            return;
        link->connected = true;
        openedWith = odbcString;
        quote = readIdentifierQuote(link->dbc);
        unquotedCase = readUnquotedCase(link->dbc);
        dbmsName = readInfo(link->dbc, SQL_DBMS_NAME);
        driverName = readInfo(link->dbc, SQL_DRIVER_NAME);
        catalog = readCurrentCatalog(link->dbc);
    });
    if (status.ok) {
        impl_->link = std::move(link);
        impl_->identifierQuote = quote;
        impl_->unquotedCase = unquotedCase;
        impl_->dbmsName = dbmsName;
        impl_->driverName = driverName;
        impl_->traits = driverTraits(dbmsName, driverName);
        impl_->catalog = catalog;
        impl_->odbcString = openedWith;
        if (impl_->traits.accessFile)
            impl_->accessCatalogue = std::move(accessCatalogue);
    }
    return status;
}

int Connection::state() const
{
    return impl_->open() ? adStateOpen : adStateClosed;
}

void Connection::close()
{
    impl_->release();
}

void Connection::setCatalogueTimeLimit(std::chrono::milliseconds limit)
{
    impl_->catalogueLimit = limit;
}

Status Connection::openSchema(int kind, const QList<QVariant>& restrictions, Recordset* out,
                              CatalogueCache* cache)
{
    *out = Recordset();
    if (!impl_->open())
        return Status::failure(QStringLiteral("the connection is not open"));
    return openSchemaRowset(*impl_, kind, restrictions, out, cache);
}

QString Connection::identifierQuote() const
{
    return impl_->identifierQuote;
}

UnquotedCase Connection::unquotedCase() const
{
    return impl_->unquotedCase;
}

Status Connection::query(const QString& sql, Recordset* out, bool fieldsOnly)
{
    *out = Recordset();
    // An Access file's columns and their types come from the file, as its keys do.
    if (fieldsOnly && impl_->open() && isAccessConnection(*impl_)) {
        std::shared_ptr<const AccessCatalogue> catalogue;
        QList<Field> fields;
        if (accessCatalogueOf(*impl_, &catalogue).ok &&
            accessDiscoveryFields(*catalogue, sql, impl_->identifierQuote, &fields)) {
            *out = Recordset(std::move(fields), {});
            return {};
        }
    }
    // Column discovery is a catalogue question and carries its limit; a query for rows
    // may take as long as the server needs.
    const std::chrono::milliseconds limit = fieldsOnly ? impl_->catalogueLimit : kNoTimeLimit;
    auto result = std::make_shared<Recordset>();
    auto lost = std::make_shared<bool>(false);
    const Status status = onServer(*impl_, limit, [sql, fieldsOnly, result, lost](SQLHDBC dbc) {
        return runStatement(dbc, sql, fieldsOnly, result.get(), lost.get());
    });
    // A statement that fails because the link dropped closes the connection (once the
    // statement's handle is gone), so that state() tells the truth and the next user
    // opens a new one.
    if (*lost)
        impl_->release();
    if (status.ok)
        *out = std::move(*result);
    return status;
}

DataControl::DataControl() = default;
DataControl::~DataControl() = default;

void DataControl::setConnectionString(const QString& connectionString)
{
    // Setting the string (a new Connect) always opens afresh at the next refresh, even
    // for the same string: the old link may have dropped unnoticed.
    connectionString_ = connectionString;
    closedOnPurpose_ = false;
    openFailure_.reset();
    cursor_.reset();
    connection_.reset();
}

void DataControl::closeConnection()
{
    cursor_.reset();
    connection_.reset();
    openedWith_ = connectionString_;
    openFailure_ = Status::failure(QStringLiteral("the connection is closed"));
    closedOnPurpose_ = true;
}

void DataControl::setCatalogueTimeLimit(std::chrono::milliseconds limit)
{
    catalogueLimit_ = limit;
    if (connection_)
        connection_->setCatalogueTimeLimit(limit);
}

void DataControl::allowNewTry()
{
    // Closed on purpose, the control stays closed until its string is set again.
    if (!closedOnPurpose_)
        openFailure_.reset();
}

Status DataControl::ensureOpen(ResultReading reading, std::shared_ptr<Connection>* connection)
{
    connection->reset();
    // A string that failed to open is not retried on every refresh (a generator refreshes
    // once per table, and each try may wait for the login timeout); setting the string
    // again allows a new try.
    if (openFailure_ && openedWith_ == connectionString_)
        return *openFailure_;
    if (connection_ && connection_->state() == adStateOpen && openedWith_ == connectionString_ &&
        (openedReading_ == reading || reading == ResultReading::Whole)) {
        *connection = connection_;
        return {};
    }
    cursor_.reset();
    auto opening = std::make_shared<Connection>();
    opening->setCatalogueTimeLimit(catalogueLimit_);
    connection_ = opening;
    const QString string = connectionString_;
    openedWith_ = string;
    openedReading_ = reading;
    openFailure_.reset();
    const Status opened = opening->open(string, reading);
    // A new string or a close while the login waited: this connection is no longer the
    // control's, and what it would serve belongs to a query nobody asked for any more.
    if (connection_ != opening)
        return Status::failure(QStringLiteral("the connection was closed while it opened"));
    if (!opened.ok) {
        openFailure_ = opened;
        return opened;
    }
    *connection = opening;
    return {};
}

namespace
{

// The call returned on a connection the control let go of meanwhile (a new string, a
// close): its result belongs to nobody.
Status replacedDuringTheCall()
{
    return Status::failure(QStringLiteral("the connection was closed while the query ran"));
}

} // namespace

Status DataControl::refresh(bool fieldsOnly)
{
    recordset_ = Recordset();
    cursor_.reset();
    std::shared_ptr<Connection> connection;
    const Status opened = ensureOpen(ResultReading::Whole, &connection);
    if (!opened.ok)
        return opened;
    Recordset result;
    const Status status = connection->query(recordSource_, &result, fieldsOnly);
    if (connection_ != connection)
        return replacedDuringTheCall();
    recordset_ = std::move(result);
    // A server that stopped answering is not asked again (and waited for again) at every
    // refresh of the action: the next action, or a new Connect, allows a new try.
    if (status.unanswered)
        openFailure_ = status;
    return status;
}

Status DataControl::refreshCursor()
{
    recordset_ = Recordset();
    cursor_.reset();
    std::shared_ptr<Connection> connection;
    const Status opened = ensureOpen(ResultReading::OnDemand, &connection);
    if (!opened.ok)
        return opened;
    std::unique_ptr<RowCursor> cursor;
    const Status status = connection->openCursor(recordSource_, &cursor);
    if (connection_ != connection)
        return replacedDuringTheCall();
    cursor_ = std::move(cursor);
    return status;
}

Status DataControl::onOwnConnection(const std::function<Status(Connection&)>& work)
{
    std::shared_ptr<Connection> connection;
    const Status opened = ensureOpen(ResultReading::OnDemand, &connection);
    if (!opened.ok)
        return opened;
    // A second reader goes through a connection of its own: a driver that steps through
    // one result at a time per connection (SQLite's) would otherwise read the rest of
    // the grid's result into memory to make way for it. A cursor keeps that connection's
    // handle for as long as it lives.
    const QString string = connectionString_;
    Connection own;
    const Status ownOpened = own.open(string, ResultReading::OnDemand);
    if (!ownOpened.ok)
        return ownOpened;
    return work(own);
}

Status DataControl::openCursor(std::unique_ptr<RowCursor>* out)
{
    out->reset();
    const QString source = recordSource_;
    return onOwnConnection([&](Connection& own) { return own.openCursor(source, out); });
}

Status DataControl::openCursorAt(qint64 first, int count, std::unique_ptr<RowCursor>* out)
{
    out->reset();
    const QString source = recordSource_;
    return onOwnConnection([&](Connection& own) { return own.openCursorAt(source, first, count, out); });
}

Status DataControl::countRows(const QString& sql, qint64* count)
{
    *count = 0;
    std::shared_ptr<Connection> connection;
    const Status opened = ensureOpen(ResultReading::OnDemand, &connection);
    if (!opened.ok)
        return opened;
    qint64 counted = 0;
    const Status status = connection->countRows(sql, &counted);
    if (connection_ != connection)
        return replacedDuringTheCall();
    *count = counted;
    return status;
}

Status DataControl::describeAhead(const QStringList& queries, QHash<QString, QList<Field>>* out)
{
    out->clear();
    std::shared_ptr<Connection> connection;
    const Status opened = ensureOpen(ResultReading::Whole, &connection);
    return opened.ok ? connection->describeAhead(queries, out) : opened;
}

QString DataControl::nameInSql(const QString& name, NameWriter write)
{
    std::shared_ptr<Connection> connection;
    if (!ensureOpen(ResultReading::OnDemand, &connection).ok)
        return write(name, QStringLiteral("\""), UnquotedCase::AsWritten);
    return write(name, connection->identifierQuote(), connection->unquotedCase());
}

QString DataControl::tableInSql(const QString& table)
{
    return nameInSql(table, platform::ado::tableInSql);
}

QString DataControl::columnInSql(const QString& column)
{
    return nameInSql(column, platform::ado::columnInSql);
}

} // namespace platform::ado
