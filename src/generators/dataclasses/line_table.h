#pragma once
// Writes a table of generated lines kept as one raw-string block. A line that starts
// with a tag such as "[column]" is written once per entry of the tag's row set, each
// entry adding its own placeholders (a row set of one entry writes the line once, an
// empty or missing one leaves it out); an untagged line is written once.

#include "generators/common/module_file.h"
#include "generators/common/template.h"

#include <QMap>

namespace generators::dataclasses {

using RowSets = QMap<QString, QList<Placeholders>>;

// A row set of one entry when `condition` holds, else an empty one.
QList<Placeholders> when(bool condition);

// One entry per column: <column> its name and <type> its VB.NET type word.
QList<Placeholders> columnRows(const QList<platform::ado::Field>& columns);

// One entry per name, under the placeholder `key`.
QList<Placeholders> nameRows(const QString& key, const QStringList& names);

// The lines of `block` as written; for tests and callers that collect lines.
QStringList expandLineTable(QStringView block, const Placeholders& values, const RowSets& rows = {});

void writeLineTable(ModuleFile& file, QStringView block, const Placeholders& values, const RowSets& rows = {});

} // namespace generators::dataclasses
