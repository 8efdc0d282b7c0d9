#include "platform/ado/catalogue_rows.h"
#include "platform/yielding_call.h"

#include <QRegularExpression>
#include <QSet>

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

// A query "SELECT * from <table>" whose table the server can look up by its name: one or
// two identifiers, each plain (as the parser reads it) or quoted.
struct NamedQuery {
    QString query;
    QString relation; // as the query writes it
    QString head;     // the first identifier when written plain: a keyword there fails the query
};

std::optional<NamedQuery> namedQuery(const QString& query)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^SELECT \* from (([A-Za-z_][A-Za-z0-9_$]*)|"(?:[^"]|"")+")(\.(?:[A-Za-z_][A-Za-z0-9_$]*|"(?:[^"]|"")+"))?$)"));
    const QRegularExpressionMatch match = form.match(query);
    if (!match.hasMatch())
        return std::nullopt;
    return NamedQuery{query, match.captured(1) + match.captured(3), match.captured(2)};
}

// A text as a string constant, whatever standard_conforming_strings says.
QString sqlText(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("E'") + escaped + QLatin1Char('\'');
}

// Every column of every named table, in the order "SELECT *" gives them, with its type and
// modifier; a row per query, its columns empty, for a name that is not an ordinary table
// the session may read, or that the parser would take for a keyword.
QString columnsStatement(const QList<NamedQuery>& named)
{
    QStringList relations, heads;
    for (const NamedQuery& query : named) {
        relations.append(sqlText(query.relation));
        heads.append(sqlText(query.head));
    }
    return QStringLiteral(
               "select q.n, a.attname, a.atttypid::text || ':' || a.atttypmod::text "
               "from unnest(array[%1]::text[], array[%2]::text[]) with ordinality as q(name, head, n) "
               "left join pg_catalog.pg_class c on c.oid = pg_catalog.to_regclass(q.name) "
               "and c.relkind in ('r', 'p') and pg_catalog.has_table_privilege(c.oid, 'SELECT') "
               "and not exists (select 1 from pg_catalog.pg_get_keywords() k "
               "where k.catcode in ('R', 'T') and k.word = lower(q.head)) "
               "left join pg_catalog.pg_attribute a on a.attrelid = c.oid and a.attnum > 0 "
               "and not a.attisdropped "
               "order by q.n, a.attnum")
        .arg(relations.join(QLatin1Char(',')), heads.join(QLatin1Char(',')));
}

// What the catalogue says of one query's columns: their names and types.
struct CatalogueColumns {
    QString query;
    QStringList names;
    QStringList types; // type and modifier, "oid:typmod"
    std::optional<QList<Field>> fields;
};

// The driver's own describe of one query, for a query whose columns are of a type not met
// yet: it tells which ADO type the driver reports for each of them.
bool learnTypes(SQLHDBC dbc, const QString& query, CatalogueColumns* columns, QHash<QString, int>* adoTypes)
{
    odbc::Statement statement(dbc);
    if (!statement.valid())
        return false;
    const odbc::WideArg text(query);
    QList<Field> fields;
    if (!odbc::succeeded(SQLPrepareW(statement.handle(), text.data(), SQL_NTS)) ||
        !odbc::describeColumns(statement, &fields).ok || fields.size() != columns->names.size())
        return false;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields[i].name != columns->names[i])
            return false;
    }
    for (qsizetype i = 0; i < fields.size(); ++i)
        adoTypes->insert(columns->types[i], fields[i].type);
    columns->fields = std::move(fields);
    return true;
}

// PostgreSQL: the columns of every query of one table, from one catalogue statement, and one
// driver describe per type not met yet. Each query's fields are those its own describe
// gives; a query the catalogue cannot answer for goes to `rest`.
Status describeFromCatalogue(Connection::Impl& connection, const QStringList& queries,
                             QHash<QString, QList<Field>>* out, QStringList* rest)
{
    QList<NamedQuery> named;
    for (const QString& query : queries) {
        if (std::optional<NamedQuery> one = namedQuery(query))
            named.append(std::move(*one));
        else
            rest->append(query);
    }
    if (named.isEmpty())
        return {};
    RawRows raw;
    const odbc::WideArg text(columnsStatement(named));
    Status status = catalogueCall(
        connection, [=](SQLHSTMT h) { return SQLExecDirectW(h, text.data(), SQL_NTS); }, &raw);
    auto columns = std::make_shared<std::vector<CatalogueColumns>>(std::size_t(named.size()));
    for (qsizetype n = 0; n < named.size(); ++n)
        (*columns)[std::size_t(n)].query = named[n].query;
    if (status.ok) {
        for (const QStringList& row : raw.rows) {
            const qsizetype n = at(row, 0).toLongLong() - 1;
            if (n < 0 || n >= named.size() || at(row, 1).isEmpty())
                continue;
            (*columns)[std::size_t(n)].names.append(at(row, 1));
            (*columns)[std::size_t(n)].types.append(at(row, 2));
        }
        status = onServer(connection, connection.catalogueLimit, [columns](SQLHDBC dbc) {
            QHash<QString, int> adoTypes;
            for (CatalogueColumns& one : *columns) {
                if (one.names.isEmpty())
                    continue;
                const bool known = std::all_of(one.types.cbegin(), one.types.cend(),
                                               [&](const QString& type) { return adoTypes.contains(type); });
                if (!known && !learnTypes(dbc, one.query, &one, &adoTypes))
                    continue;
                if (!one.fields) {
                    QList<Field> fields;
                    for (qsizetype i = 0; i < one.names.size(); ++i)
                        fields.append({one.names[i], adoTypes.value(one.types[i])});
                    one.fields = std::move(fields);
                }
            }
            return Status{};
        });
    }
    if (status.unanswered)
        return status;
    for (qsizetype n = 0; n < named.size(); ++n) {
        const CatalogueColumns& one = (*columns)[std::size_t(n)];
        if (status.ok && one.fields)
            out->insert(named[n].query, *one.fields);
        else
            rest->append(named[n].query);
    }
    return {};
}

// Elsewhere: the queries prepared and described on this connection as query(sql, out, true)
// does, many in each hand-over to the server's thread. A query that fails is left out and
// read when asked; a lost link stops the reading there.
Status describeInTurn(Connection::Impl& connection, const QStringList& queries,
                      QHash<QString, QList<Field>>* out)
{
    auto fields = std::make_shared<std::vector<std::optional<QList<Field>>>>(std::size_t(queries.size()));
    auto lost = std::make_shared<bool>(false);
    for (qsizetype from = 0; from < queries.size() && !*lost;) {
        const QStringList rest = queries.mid(from);
        qsizetype done = 0;
        const Status status = onServerForAWhile(
            connection, connection.catalogueLimit, rest.size(),
            [rest, from, fields, lost](SQLHDBC dbc, qsizetype at) {
                Recordset described;
                if (runStatement(dbc, rest[at], /*fieldsOnly=*/true, &described, lost.get()).ok)
                    (*fields)[std::size_t(from + at)] = described.fields();
                return !*lost;
            },
            &done);
        if (!status.ok)
            return status;
        from += done;
    }
    for (qsizetype at = 0; at < queries.size(); ++at) {
        if ((*fields)[std::size_t(at)])
            out->insert(queries[at], *(*fields)[std::size_t(at)]);
    }
    return {};
}

} // namespace

Status Connection::describeAhead(const QStringList& queries, QHash<QString, QList<Field>>* out) const
{
    out->clear();
    // An Access file's columns come from the file, without the driver.
    if (!impl_->open() || impl_->traits.accessFile || queries.size() < 2)
        return {};
    if (!impl_->traits.catalogueQueries)
        return describeInTurn(*impl_, queries, out);
    QStringList rest;
    const Status fromCatalogue = describeFromCatalogue(*impl_, queries, out, &rest);
    if (!fromCatalogue.ok)
        return fromCatalogue;
    const int lanes = int(std::min<qsizetype>(kMostConnections, rest.size() / kQueriesPerConnection));
    if (lanes < 2)
        return {};
    auto work = std::make_shared<AheadWork>();
    work->odbcString = impl_->odbcString;
    work->queries = rest;
    work->fields.resize(std::size_t(rest.size()));
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
            work->next = rest.size();
            Status unanswered = Status::failure(
                QStringLiteral("the server did not answer within %1 s")
                    .arg(std::chrono::duration_cast<std::chrono::seconds>(impl_->catalogueLimit).count()));
            unanswered.unanswered = true;
            return unanswered;
        }
    }
    for (qsizetype at = 0; at < rest.size(); ++at) {
        if (work->fields[std::size_t(at)])
            out->insert(rest[at], *work->fields[std::size_t(at)]);
    }
    return {};
}

} // namespace platform::ado
