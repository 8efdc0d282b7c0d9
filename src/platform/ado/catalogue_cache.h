#pragma once
// The inside of CatalogueCache: catalogue rows asked of the driver once and kept.

#include "platform/ado/catalogue_rows.h"

#include <array>
#include <optional>

namespace platform::ado
{

struct CatalogueCache::Impl : public CatalogueRows {
    // The rows, asked of `connection` where they are not known yet.
    CatalogueRows& over(Connection::Impl& connection);

    Status tables(const QString& name, QList<TableRef>* out) override;
    Status tableRows(TableRowset rowset, const TableRef& table, RawRows* out) override;
    Status readAhead(TableRowset rowset, const QList<TableRef>& tables) override;
    void expect(const QStringList& tables);

private:
    // One catalogue function's rows: read for the whole database at once where the driver
    // allows it, else table by table as asked.
    struct Kind {
        std::optional<Status> wholeRead; // unset until the whole read was tried
        RowsByTable whole;
        QHash<QString, RawRows> byTable;
    };

    Connection::Impl* connection_ = nullptr;
    // Objects by name: from one listing of every object, or one lookup per name.
    std::optional<QHash<QString, QList<TableRef>>> byName_;
    QList<TableRef> everyObject_;
    QHash<QString, QList<TableRef>> lookedUp_;
    std::array<Kind, kTableRowsets> kinds_;
    // The tables a run is going to ask about, in order, and the place of each name.
    QStringList expected_;
    QHash<QString, qsizetype> expectedAt_;

    // The one read of the whole database the rowset comes from; none when it is read
    // table by table.
    WholeRead wholeRead(TableRowset rowset) const;
    // The table, then the expected tables after it whose rows `kind` does not hold yet.
    QList<TableRef> withThoseAfter(const Kind& kind, const TableRef& table) const;
    // Reads the rowset for the first tables of `tables` in one hand-over (the first always)
    // and keeps each answer read; `*done` counts the tables asked. The status is that of
    // the first table, whose rows go to `first`.
    Status readInTurn(Kind& kind, TableRowset rowset, const QList<TableRef>& tables, qsizetype* done,
                      RawRows* first);
};

} // namespace platform::ado
