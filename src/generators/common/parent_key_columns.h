#pragma once
// The parent column of a foreign-key row. A key declared without the parent's columns
// ("REFERENCES parent") refers to the parent's primary key, and some drivers leave the
// parent column empty then: it is the parent's key column at the row's position.

#include "generators/common/catalogue.h"

#include <QHash>

namespace generators
{

class ParentKeyColumns
{
public:
    explicit ParentKeyColumns(Catalogue& catalogue) : catalogue_(catalogue) {}

    // The row's parent column as the catalogue gives it or, when that is empty, the
    // parent's primary-key column at the row's ordinal; empty when neither is known.
    // Each parent's primary key is read at most once.
    QString of(const ForeignKeyRow& row);

private:
    Catalogue& catalogue_;
    QHash<QString, QStringList> keys_; // by schema and table
};

} // namespace generators
