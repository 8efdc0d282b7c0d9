#pragma once
// What a run has read of the catalogue, kept for the rest of the run: the fields of each
// column query and the key, foreign-key and index rowsets. The catalogue does not change
// while a run reads it, so a read made again would give the same answer; only answers
// that succeeded are kept.

#include "generators/common/catalogue.h"
#include "platform/staged_files.h"

#include <QHash>
#include <optional>

namespace generators
{

struct RunCatalogueCache {
    platform::ado::CatalogueCache rowsets;
    QHash<QString, QList<platform::ado::Field>> columns; // by column query
    QHash<QString, KeyColumns> primaryKeys;              // by schema and table
    std::optional<ForeignKeyRows> foreignKeys;
    QHash<QString, IndexRows> indexes; // by schema and table
    // Set once a read found the connection gone: what happened and where.
    std::optional<QString> connectionFault;
    // The files the runs over this catalogue write, put in place when the outermost ends.
    platform::StagedFiles output;
};

} // namespace generators
