#include "platform/ado/catalogue_cache.h"

namespace platform::ado
{

namespace
{

bool listsEveryObject(const Connection::Impl& connection)
{
    return connection.traits.listsEveryObject;
}

// The statement that reads a rowset for every table at once (PostgreSQL only); none for
// a rowset asked table by table everywhere.
using WholeRead = Status (*)(Connection::Impl&, RowsByTable*);
WholeRead wholeReadOf(TableRowset rowset)
{
    switch (rowset) {
    case TableRowset::primaryKey:
        return pgPrimaryKeys;
    case TableRowset::foreignKeys:
        return pgForeignKeys;
    case TableRowset::statistics:
        return pgStatistics;
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

Status CatalogueCache::Impl::tableRows(TableRowset rowset, const TableRef& table, RawRows* out)
{
    Kind& kind = kinds_[std::size_t(rowset)];
    const WholeRead wholeRead = wholeReadOf(rowset);
    if (!kind.wholeRead && wholeRead && connection_->traits.catalogueQueries) {
        const Status read = wholeRead(*connection_, &kind.whole);
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
    const QString key = refKey(table);
    if (auto known = kind.byTable.constFind(key); known != kind.byTable.cend()) {
        *out = *known;
        return {};
    }
    RawRows read;
    const Status status = DriverRows(*connection_).tableRows(rowset, table, &read);
    if (status.ok)
        kind.byTable.insert(key, read);
    *out = std::move(read);
    return status;
}

} // namespace platform::ado
