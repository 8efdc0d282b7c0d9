#include "platform/ado/catalogue_cache.h"

#include <QSet>

#include <algorithm>
#include <memory>
#include <vector>

namespace platform::ado
{

namespace
{

bool listsEveryObject(const Connection::Impl& connection)
{
    return connection.traits.listsEveryObject;
}

// The statement that reads a rowset for every table at once, where the driver's own
// statement can be asked so; none for a rowset asked table by table.
WholeRead wholeReadOf(WholeRowsets whose, TableRowset rowset)
{
    struct Reads {
        WholeRead primaryKey, foreignKeys, statistics;
    };
    static constexpr Reads postgres{pgPrimaryKeys, pgForeignKeys, pgStatistics};
    static constexpr Reads mariadb{mariadbPrimaryKeys, mariadbForeignKeys, mariadbStatistics};
    if (whose == WholeRowsets::None)
        return nullptr;
    const Reads& reads = whose == WholeRowsets::Postgres ? postgres : mariadb;
    switch (rowset) {
    case TableRowset::primaryKey:
        return reads.primaryKey;
    case TableRowset::foreignKeys:
        return reads.foreignKeys;
    case TableRowset::statistics:
        return reads.statistics;
    case TableRowset::tableInfo:
        break;
    }
    return nullptr;
}

QString refKey(const TableRef& table)
{
    return QStringList{table.catalog, table.schema, table.name}.join(QChar(0x1f));
}

} // namespace

CatalogueCache::CatalogueCache() : impl_(std::make_unique<Impl>()) {}
CatalogueCache::~CatalogueCache() = default;

void CatalogueCache::expect(const QStringList& tables)
{
    impl_->expect(tables);
}

void CatalogueCache::Impl::expect(const QStringList& tables)
{
    expected_ = tables;
    expectedAt_.clear();
    for (qsizetype at = tables.size() - 1; at >= 0; --at)
        expectedAt_.insert(tables[at], at);
}

CatalogueRows& CatalogueCache::Impl::over(Connection::Impl& connection)
{
    connection_ = &connection;
    return *this;
}

Status CatalogueCache::Impl::tables(const QString& name, QList<TableRef>* out)
{
    if (!byName_ && listsEveryObject(*connection_)) {
        QList<TableRef> all;
        const Status status = DriverRows(*connection_).tables(QString(), &all);
        if (!status.ok)
            return status;
        byName_.emplace();
        for (const TableRef& t : all)
            (*byName_)[t.name].append(t);
        everyObject_ = std::move(all);
    }
    if (byName_) {
        *out = name.isEmpty() ? everyObject_ : byName_->value(name);
        return {};
    }
    if (auto known = lookedUp_.constFind(name); known != lookedUp_.cend()) {
        *out = *known;
        return {};
    }
    QList<TableRef> found;
    const Status status = DriverRows(*connection_).tables(name, &found);
    if (status.ok)
        lookedUp_.insert(name, found);
    *out = std::move(found);
    return status;
}

WholeRead CatalogueCache::Impl::wholeRead(TableRowset rowset) const
{
    return wholeReadOf(connection_->traits.wholeRowsets, rowset);
}

Status CatalogueCache::Impl::tableRows(TableRowset rowset, const TableRef& table, RawRows* out)
{
    Kind& kind = kinds_[std::size_t(rowset)];
    if (!kind.wholeRead && wholeRead(rowset)) {
        const Status read = wholeRead(rowset)(*connection_, &kind.whole);
        // A connection gone during the whole read is the answer for every table: asking
        // table by table would only meet it again, or read other rows on another link.
        if (read.connectionGone())
            return read;
        kind.wholeRead = read;
    }
    // A failed whole read (an old server, a missing right) leaves the table-by-table way.
    if (kind.wholeRead && kind.wholeRead->ok) {
        *out = kind.whole.of(table);
        return {};
    }
    if (auto known = kind.byTable.constFind(refKey(table)); known != kind.byTable.cend()) {
        *out = *known;
        return {};
    }
    qsizetype done = 0;
    const Status status = readInTurn(kind, rowset, withThoseAfter(kind, table), &done, out);
    // A request that lost the link closes the connection, as a call of its own does.
    if (status.linkLost)
        connection_->release();
    return status;
}

Status CatalogueCache::Impl::readAhead(TableRowset rowset, const QList<TableRef>& tables)
{
    if (wholeRead(rowset))
        return {};
    Kind& kind = kinds_[std::size_t(rowset)];
    QList<TableRef> unknown;
    for (const TableRef& table : tables) {
        if (!kind.byTable.contains(refKey(table)))
            unknown.append(table);
    }
    // A table whose request fails is asked again when its turn comes, and fails then as it
    // would have; a connection gone ends the reading ahead.
    for (qsizetype from = 0; from < unknown.size();) {
        qsizetype done = 0;
        RawRows first;
        Status status = readInTurn(kind, rowset, unknown.mid(from), &done, &first);
        if (status.unanswered) {
            status.object = unknown[std::min(from + done, unknown.size() - 1)].name;
            return status;
        }
        if (status.linkLost)
            return {};
        from += done;
    }
    return {};
}

QList<TableRef> CatalogueCache::Impl::withThoseAfter(const Kind& kind, const TableRef& table) const
{
    // A few hundred tables are more than one hand-over reads.
    constexpr qsizetype kMostAhead = 512;
    QList<TableRef> tables{table};
    const auto at = expectedAt_.constFind(table.name);
    if (!byName_ || at == expectedAt_.cend())
        return tables;
    QSet<QString> taken{refKey(table)};
    for (qsizetype next = *at + 1; next < expected_.size() && tables.size() < kMostAhead; ++next) {
        for (const TableRef& ref : byName_->value(expected_[next])) {
            const QString key = refKey(ref);
            if (!kind.byTable.contains(key) && !taken.contains(key)) {
                taken.insert(key);
                tables.append(ref);
            }
        }
    }
    return tables;
}

Status CatalogueCache::Impl::readInTurn(Kind& kind, TableRowset rowset, const QList<TableRef>& tables,
                                        qsizetype* done, RawRows* first)
{
    struct Answer {
        Status status;
        RawRows rows;
    };
    auto answers = std::make_shared<std::vector<std::optional<Answer>>>(std::size_t(tables.size()));
    QList<CatalogueRequest> requests;
    for (const TableRef& table : tables)
        requests.append(tableRequest(*connection_, rowset, table));
    const Status handedOver = onServerForAWhile(
        *connection_, connection_->catalogueLimit, requests.size(),
        [requests, answers](SQLHDBC dbc, qsizetype at) {
            Answer answer;
            answer.status = readCatalogueRows(dbc, requests[at], &answer.rows);
            const bool ok = answer.status.ok;
            (*answers)[std::size_t(at)] = std::move(answer);
            // After a failure the driver is asked no further in this turn.
            return ok;
        },
        done);
    if (!handedOver.ok)
        return handedOver;
    for (qsizetype at = 0; at < *done; ++at) {
        const Answer& answer = *(*answers)[std::size_t(at)];
        if (answer.status.ok)
            kind.byTable.insert(refKey(tables[at]), answer.rows);
    }
    Answer& own = *(*answers)[0];
    *first = std::move(own.rows);
    return own.status;
}

} // namespace platform::ado
