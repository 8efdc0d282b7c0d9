#pragma once
// The one engine that writes a table of generated lines.
//
// A table is a raw-string block (see template.h) declared with the placeholders and the
// row sets its lines may name. A line that starts with a tag "[name]" is written once per
// row of the row set `name`, each row adding its own placeholders ahead of the table's
// values; a condition is a row set of zero or one row, and "[!name]" writes its line once
// when the set is empty. Tags in a row nest: "[a][b]" writes the line for every row of a
// and, within each, every row of b. An untagged line is written once.
//
// A row set may be fetched when its first line is due, so that a catalogue read comes
// after the lines above it, as the file is written in order; it is fetched at most once
// each time the table is written.
//
// A tag with no row set, or a lower-case "<name>" with no value, is an error of the
// program, not of the database: the line is left out and the error is recorded as a
// problem of the run, so it is shown under "End of Generation" in every build.

#include "generators/common/module_file.h"
#include "generators/common/template.h"

#include <QList>
#include <functional>
#include <initializer_list>

namespace generators
{

// One row's placeholders per entry.
using RowSet = QList<Placeholders>;

struct LineTable {
    QStringView id;                  // names the table in an error and in the template check
    QList<QStringView> placeholders; // every placeholder its lines may name, per-row ones too
    QList<QStringView> rowSets;      // every tag its lines may start with, without "!"
    QStringView text;                // the raw-string block, a constant: read once
};

class RowSets
{
public:
    RowSets() = default;
    RowSets(std::initializer_list<std::pair<QString, RowSet>> sets);

    RowSets& add(const QString& tag, RowSet rows);
    // Asked for when the first line tagged `tag` is due, once per table written.
    RowSets& addFetched(const QString& tag, std::function<RowSet()> fetch);

    struct Entry {
        QString tag;
        RowSet rows;
        std::function<RowSet()> fetch;
    };
    const QList<Entry>& entries() const { return entries_; }

private:
    QList<Entry> entries_;
};

// A row set of one empty row when `condition` holds, else an empty one.
RowSet when(bool condition);

// One row per name, each giving the name under the placeholder `key`.
RowSet rowsOf(const QString& key, const QStringList& names);

// One row per field: <column> its name and <type> the word `typeWord` gives its type.
RowSet fieldRows(const QList<platform::ado::Field>& fields, QString (*typeWord)(int adoType));

// The same rows, each with <comma> the list comma of its place (see listComma).
RowSet withListComma(RowSet rows);

// Hands every written line to `emitLine` in order and every error to `reportError`.
void expandLineTable(const LineTable& table, const Placeholders& values, const RowSets& rows,
                     const std::function<void(const QString& line)>& emitLine,
                     const std::function<void(const QString& error)>& reportError);

// The lines as written, for callers that collect lines; errors are added to `errors`.
QStringList expandLineTable(const LineTable& table, const Placeholders& values, const RowSets& rows,
                            QStringList& errors);

// Writes the lines to the file; errors become problems of the file's run.
void writeLineTable(ModuleFile& file, const LineTable& table, const Placeholders& values = {},
                    const RowSets& rows = {});

// What one template line names: its leading tags (a "!" kept) and its placeholders.
struct LineNames {
    QList<QStringView> tags;
    QList<QStringView> placeholders;
};
LineNames namesOf(QStringView line);

} // namespace generators
