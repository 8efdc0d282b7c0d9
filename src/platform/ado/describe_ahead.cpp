#include "platform/ado/connection_impl.h"
#include "platform/yielding_call.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace platform::ado
{

namespace
{

// A describe on PostgreSQL costs the driver a few round trips and a catalogue query of its
// own; on a few connections at once the server answers them side by side.
constexpr int kMostConnections = 4;
// Each extra connection costs a login: worth it only when it describes this many or more.
constexpr qsizetype kQueriesPerConnection = 8;

struct AheadWork {
    QString odbcString;
    QStringList queries;
    std::atomic<qsizetype> next{0};
    // One slot per query, written by the one lane that takes it.
    std::vector<std::optional<QList<Field>>> fields;
    // How many queries the lanes are done with, and whether every lane has ended.
    std::mutex mutex;
    std::condition_variable moved;
    qsizetype done = 0;
    bool ended = false;

    void step(bool laneEnded)
    {
        {
            std::lock_guard lock(mutex);
            if (laneEnded)
                ended = true;
            else
                ++done;
        }
        moved.notify_all();
    }
};

// One connection's share: it takes the next query not yet taken until none is left.
void describeLane(AheadWork& work)
{
    SQLHDBC dbc = SQL_NULL_HDBC;
    if (!odbc::succeeded(SQLAllocHandle(SQL_HANDLE_DBC, odbc::environment(), &dbc)))
        return;
    if (driverConnect(dbc, work.odbcString).ok) {
        for (qsizetype at = work.next++; at < work.queries.size(); at = work.next++) {
            odbc::Statement statement(dbc);
            if (!statement.valid())
                break;
            const odbc::WideArg text(work.queries[at]);
            QList<Field> fields;
            if (odbc::succeeded(SQLPrepareW(statement.handle(), text.data(), SQL_NTS)) &&
                odbc::describeColumns(statement, &fields).ok)
                work.fields[std::size_t(at)] = std::move(fields);
            work.step(false);
        }
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
}

} // namespace

Status Connection::describeAhead(const QStringList& queries, QHash<QString, QList<Field>>* out) const
{
    out->clear();
    const int lanes = int(std::min<qsizetype>(kMostConnections, queries.size() / kQueriesPerConnection));
    if (!impl_->open() || impl_->dbmsName != QLatin1String("PostgreSQL") || lanes < 2)
        return {};
    auto work = std::make_shared<AheadWork>();
    work->odbcString = impl_->odbcString;
    work->queries = queries;
    work->fields.resize(std::size_t(queries.size()));
    std::thread([work, lanes] {
        std::vector<std::thread> threads;
        for (int lane = 0; lane < lanes; ++lane)
            threads.emplace_back([work] { describeLane(*work); });
        for (std::thread& thread : threads)
            thread.join();
        work->step(true);
    }).detach();
    // The limit is that of one describe: the lanes give up only when none of them has
    // finished a query for that long, however many queries there are (a busy server
    // answering slowly is waited for; a silent one is not).
    for (;;) {
        qsizetype seen = 0;
        {
            std::lock_guard lock(work->mutex);
            if (work->ended)
                break;
            seen = work->done;
        }
        const bool answered = runWhileYielding(
            [work, seen] {
                std::unique_lock lock(work->mutex);
                work->moved.wait(lock, [&] { return work->ended || work->done != seen; });
            },
            impl_->catalogueLimit);
        if (!answered) {
            // The lanes take no further query: once the server answers again they end,
            // instead of describing for a run that no longer waits for them.
            work->next = queries.size();
            Status unanswered = Status::failure(
                QStringLiteral("the server did not answer within %1 s")
                    .arg(std::chrono::duration_cast<std::chrono::seconds>(impl_->catalogueLimit).count()));
            unanswered.unanswered = true;
            return unanswered;
        }
    }
    for (qsizetype at = 0; at < queries.size(); ++at) {
        if (work->fields[std::size_t(at)])
            out->insert(queries[at], *work->fields[std::size_t(at)]);
    }
    return {};
}

} // namespace platform::ado
