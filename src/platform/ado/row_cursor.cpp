#include "platform/ado/row_cursor.h"

#include "platform/ado/access_queries.h"
#include "platform/ado/access_stored_values.h"
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
    // On an Access table: its values as the file stores them, where the driver's text is wrong.
    std::unique_ptr<AccessStoredValues> stored;
};

struct RowCursor::Derived {
    std::unique_ptr<RowCursor> source;
    RowTest keep;
    RowArrangement arrange;
    bool arranged = false;
    std::vector<QString> packed; // every kept row, once read, each packed into one text
    std::vector<qsizetype> order;
    qsizetype next = 0;
};

namespace
{
// Rows asked of a derived cursor's source at a time.
constexpr int kSourceChunk = 2000;

// A row as one text, each value led by its length in two characters: one allocation a row
// instead of one a value, for a sort that holds every row of a large table.
QString packedRow(const QStringList& row)
{
    qsizetype size = 0;
    for (const QString& value : row)
        size += 2 + value.size();
    QString text;
    text.reserve(size);
    for (const QString& value : row) {
        const auto length = quint32(value.size());
        text += QChar(char16_t(length >> 16));
        text += QChar(char16_t(length & 0xffff));
        text += value;
    }
    return text;
}

QStringList unpackedRow(const QString& text)
{
    QStringList row;
    for (qsizetype at = 0; at + 2 <= text.size();) {
        const qsizetype length = qsizetype(quint32(text[at].unicode()) << 16 | text[at + 1].unicode());
        row.append(text.mid(at + 2, length));
        at += 2 + length;
    }
    return row;
}
} // namespace

RowCursor::RowCursor(std::unique_ptr<State> state) : state_(std::move(state)) {}

RowCursor::~RowCursor() = default;

std::unique_ptr<RowCursor> RowCursor::derived(std::unique_ptr<RowCursor> source, RowTest keep,
                                              RowArrangement arrange)
{
    std::unique_ptr<RowCursor> cursor(new RowCursor(nullptr));
    cursor->fields_ = source->fields();
    cursor->derived_ = std::make_unique<Derived>();
    cursor->derived_->source = std::move(source);
    cursor->derived_->keep = std::move(keep);
    cursor->derived_->arrange = std::move(arrange);
    return cursor;
}

void RowCursor::finish()
{
    atEnd_ = true;
    state_.reset();
    derived_.reset();
}

Status RowCursor::fetchDerived(int count, QList<QStringList>* rows)
{
    Derived& d = *derived_;
    const auto readSome = [&](int wanted, QList<QStringList>* into) {
        QList<QStringList> read;
        const Status status = d.source->fetch(wanted, &read);
        for (QStringList& row : read) {
            if (!d.keep || d.keep(row))
                into->append(std::move(row));
        }
        return status;
    };
    if (d.arrange && !d.arranged) {
        QStringList values;
        while (!d.source->atEnd()) {
            QList<QStringList> read;
            const Status status = readSome(kSourceChunk, &read);
            if (!status.ok) {
                finish();
                return status;
            }
            for (const QStringList& row : read) {
                values.append(row.value(d.arrange.column));
                d.packed.push_back(packedRow(row));
            }
        }
        // A sort of some hundred thousand rows takes a second or more: the window stays live.
        waitForDriver([&] { d.order = d.arrange.order(values); });
        d.arranged = true;
    }
    if (d.arranged) {
        const qsizetype taken = std::min<qsizetype>(count, qsizetype(d.order.size()) - d.next);
        for (qsizetype i = 0; i < taken; ++i) {
            QString& row = d.packed[std::size_t(d.order[std::size_t(d.next + i)])];
            rows->append(unpackedRow(row));
            row = QString(); // handed out: the grid holds it now
        }
        d.next += taken;
        if (d.next >= qsizetype(d.order.size()))
            finish();
        return {};
    }
    const qsizetype before = rows->size();
    while (rows->size() - before < count && !d.source->atEnd()) {
        const Status status = readSome(int(count - (rows->size() - before)), rows);
        if (!status.ok) {
            finish();
            return status;
        }
    }
    if (d.source->atEnd())
        finish();
    return {};
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
    if (derived_)
        return fetchDerived(count, rows);
    if (atEnd_)
        return {};
    Status status;
    waitForDriver([&] {
        for (int n = 0; n < count && !atEnd_; ++n) {
            QStringList row;
            bool end = false;
            const Status read = odbc::fetchRow(state_->statement, fields_, &row, &end);
            if (!read.ok)
                failedWith(&status, read);
            else if (end)
                finish();
            else {
                if (state_->stored && !state_->stored->fillNext(&row))
                    state_->stored.reset();
                rows->append(std::move(row));
            }
        }
    });
    return status;
}

Status RowCursor::readToEnd(qint64* read)
{
    *read = 0;
    while (derived_ && !atEnd_) {
        QList<QStringList> rows;
        const Status status = fetchDerived(kSourceChunk, &rows);
        *read += rows.size();
        if (!status.ok)
            return status;
    }
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

Status Connection::openCursor(const QString& sql, std::unique_ptr<RowCursor>* out)
{
    out->reset();
    if (!impl_->open())
        return Status::failure(QStringLiteral("the connection is not open"));
    // The MDBTools driver cannot sort and filters wrongly: its rows are filtered and sorted
    // here, with the column types of the file.
    std::shared_ptr<const AccessCatalogue> catalogue;
    const AccessTable* accessTable = nullptr;
    if (isAccessConnection(*impl_) && accessCatalogueOf(*impl_, &catalogue).ok) {
        AccessQueryPlan plan;
        Status refused;
        if (planAccessQuery(*catalogue, sql, impl_->identifierQuote, &plan, &refused)) {
            std::unique_ptr<RowCursor> source;
            const Status opened = openCursor(plan.source, &source);
            if (!opened.ok)
                return opened;
            *out = RowCursor::derived(std::move(source), std::move(plan.keep), std::move(plan.arrange));
            return {};
        }
        if (!refused.ok)
            return refused;
        accessTable = accessTableRead(*catalogue, sql, impl_->identifierQuote);
        if (accessTable) {
            const Status readable = accessRowsReadable(*impl_, *accessTable, sql);
            if (!readable.ok)
                return readable;
        }
    }
    const QString accessFile = accessTable ? accessFileOf(impl_->odbcString) : QString();
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
        if (status.ok && accessTable)
            state->stored = AccessStoredValues::open(accessFile, *accessTable);
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

Status Connection::openCursorAt(const QString& sql, qint64 first, int count, std::unique_ptr<RowCursor>* out)
{
    if (impl_->open() && impl_->traits.limitOffset && first > 0)
        return openCursor(sql + QStringLiteral(" LIMIT %1 OFFSET %2").arg(count).arg(first), out);
    const Status opened = openCursor(sql, out);
    for (qint64 skipped = 0; opened.ok && skipped < first && !(*out)->atEnd();) {
        QList<QStringList> dropped;
        const Status read = (*out)->fetch(int(std::min<qint64>(first - skipped, kSourceChunk)), &dropped);
        if (!read.ok)
            return read;
        skipped += dropped.size();
    }
    return opened;
}

Status Connection::countRows(const QString& sql, qint64* count)
{
    *count = 0;
    Recordset counted;
    // The MDBTools driver parses no subquery (and would count a filter it gets wrong).
    if (!isAccessConnection(*impl_) &&
        query(QStringLiteral("SELECT COUNT(*) FROM (") + sql + QStringLiteral(") q"), &counted).ok &&
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
