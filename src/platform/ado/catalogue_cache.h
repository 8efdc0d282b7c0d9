#pragma once
// The inside of CatalogueCache: catalogue rows asked of the driver once and kept.

#include "platform/ado/catalogue_rows.h"

#include <optional>

namespace platform::ado
{

struct CatalogueCache::Impl : public CatalogueRows {
    // The rows, asked of `connection` where they are not known yet.
    CatalogueRows& over(Connection::Impl& connection);

    Status tables(const QString& name, QList<TableRef>* out) override;
    Status primaryKey(const TableRef& table, RawRows* out) override;
    Status foreignKeys(const TableRef& table, RawRows* out) override;
    Status statistics(const TableRef& table, RawRows* out) override;
    Status tableInfo(const TableRef& table, RawRows* out) override;

private:
    // One catalogue function's rows: read for the whole database at once where the driver
    // allows it, else table by table as asked.
    struct Kind {
        std::optional<bool> wholeRead; // unset until the whole read was tried
        RowsByTable whole;
        QHash<QString, RawRows> byTable;
    };
    using WholeRead = Status (*)(Connection::Impl&, RowsByTable*);
    using DriverCall = Status (DriverRows::*)(const TableRef&, RawRows*);
    Status rowsOf(Kind& kind, WholeRead wholeRead, DriverCall call, const TableRef& table, RawRows* out);

    Connection::Impl* connection_ = nullptr;
    // Objects by name: from one listing of every object, or one lookup per name.
    std::optional<QHash<QString, QList<TableRef>>> byName_;
    QList<TableRef> everyObject_;
    QHash<QString, QList<TableRef>> lookedUp_;
    Kind primaryKeys_, foreignKeys_, statistics_, tableInfo_;
};

} // namespace platform::ado
