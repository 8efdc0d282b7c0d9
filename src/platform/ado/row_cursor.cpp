#include "platform/ado/row_cursor.h"

#include "platform/ado/connection_impl.h"
#include "platform/yielding_call.h"

namespace platform::ado
{

namespace
{

// The cursor waits on the driver (running the query, reading a chunk of rows) as long as
// the server needs, the window handling its events meanwhile.
void waitForDriver(const std::function<void()>& call)
{
    runWhileYielding(call);
}

} // namespace

struct RowCursor::State {
    explicit State(std::shared_ptr<Link> connection) : link(std::move(connection)), statement(link->dbc) {}
    // The statement goes before the connection handle it was made on.
    std::shared_ptr<Link> link;
    odbc::Statement statement;
};

RowCursor::RowCursor(std::unique_ptr<State> state) : state_(std::move(state)) {}

RowCursor::~RowCursor() = default;

void RowCursor::finish()
{
    atEnd_ = true;
    state_.reset();
}

void RowCursor::failedWith(Status* status, const Status& failure)
{
    *status = failure;
    // A read that failed because the server dropped the link closes the connection it
    // was made on: the next query opens a new one instead of failing on the dead link.
    if (odbc::connectionLost(SQL_HANDLE_STMT, state_->statement.handle(), state_->link->dbc))
        state_->link->lost = true;
    finish();
}

Status RowCursor::fetch(int count, QList<QStringList>* rows)
{
    Status status;
    waitForDriver([&] {
        const int columns = int(fields_.size());
        for (int n = 0; n < count && !atEnd_; ++n) {
            QStringList row;
            bool end = false;
            const Status read = odbc::fetchRow(state_->statement, columns, &row, &end);
            if (!read.ok)
                failedWith(&status, read);
            else if (end)
                finish();
            else
                rows->append(std::move(row));
        }
    });
    return status;
}

Status RowCursor::readToEnd(qint64* read)
{
    *read = 0;
    const SQLHSTMT handle = state_ ? state_->statement.handle() : SQL_NULL_HSTMT;
    Status status;
    waitForDriver([&] {
        while (!atEnd_) {
            const SQLRETURN rc = SQLFetch(handle);
            if (rc == SQL_NO_DATA) {
                finish();
            } else if (!odbc::succeeded(rc)) {
                failedWith(&status, state_->statement.failure(QStringLiteral("cannot fetch a row")));
            } else {
                ++*read;
            }
        }
    });
    return status;
}

QString onDemandKeywords(const QString& driverName)
{
    // Left alone, these drivers read the whole result into memory when the statement
    // runs; with these settings they read it as it is fetched.
    struct Driver {
        const char* file;
        const char* keywords;
    };
    static constexpr Driver drivers[] = {
        {"psqlodbc", "UseDeclareFetch=1;Fetch=500;"},
        {"sqlite3odbc", "StepAPI=1;"},
    };
    for (const Driver& driver : drivers) {
        if (driverName.contains(QLatin1String(driver.file), Qt::CaseInsensitive))
            return QLatin1String(driver.keywords);
    }
    return {};
}

Status Connection::openCursor(const QString& sql, std::unique_ptr<RowCursor>* out)
{
    out->reset();
    if (!impl_->open())
        return Status::failure(QStringLiteral("the connection is not open"));
    std::unique_ptr<RowCursor::State> state;
    QList<Field> fields;
    Status status;
    bool lost = false;
    waitForDriver([&] {
        state = std::make_unique<RowCursor::State>(impl_->link);
        if (!state->statement.valid()) {
            status = Status::failure(odbc::diagnostics(SQL_HANDLE_DBC, state->link->dbc));
            lost = odbc::connectionLost(SQL_HANDLE_DBC, state->link->dbc, state->link->dbc);
            return;
        }
        odbc::WideArg text(sql);
        const SQLRETURN rc = SQLExecDirectW(state->statement.handle(), text.data(), SQL_NTS);
        if (!odbc::succeeded(rc) && rc != SQL_NO_DATA)
            status = state->statement.failure(QStringLiteral("the statement failed"));
        else
            status = odbc::describeColumns(state->statement, &fields);
        if (!status.ok && !lost)
            lost = odbc::connectionLost(SQL_HANDLE_STMT, state->statement.handle(), state->link->dbc);
    });
    if (!status.ok) {
        // As for a plain query: a link found dropped closes the connection, once the
        // statement made on it is gone.
        if (lost) {
            state.reset();
            impl_->release();
        }
        return status;
    }
    std::unique_ptr<RowCursor> cursor(new RowCursor(std::move(state)));
    cursor->fields_ = std::move(fields);
    // A statement without a result set (an update, say) has no rows to read.
    if (cursor->fields_.isEmpty())
        cursor->finish();
    *out = std::move(cursor);
    return {};
}

Status Connection::countRows(const QString& sql, qint64* count)
{
    *count = 0;
    Recordset counted;
    if (query(QStringLiteral("SELECT COUNT(*) FROM (") + sql + QStringLiteral(") q"), &counted).ok &&
        !counted.eof()) {
        bool number = false;
        *count = counted.value(0).toLongLong(&number);
        if (number)
            return {};
    }
    // A database that takes no such count (an ordered subquery, say) has the rows read
    // through to the end instead, none of them kept.
    std::unique_ptr<RowCursor> cursor;
    const Status opened = openCursor(sql, &cursor);
    if (!opened.ok)
        return opened;
    return cursor->readToEnd(count);
}

} // namespace platform::ado
