#pragma once
// Everything one generation run works with: its inputs, the catalogue, the host, the
// foreign-key work list and the list of problems met on the way.

#include "generators/common/catalogue.h"
#include "generators/common/host.h"
#include "generators/common/run_inputs.h"
#include "platform/staged_files.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <functional>

namespace generators
{

// fk_rows: four lists held in step; entry j gives the parent table, parent column,
// child table and child column of one foreign-key column pair. The entries of a table, as
// child or as parent, are indexed, so that no pass walks the whole list per table.
struct FkWorkList {
    QStringList pk_table, pk_col, pf_table, pf_col;

    int count() const { return int(pk_table.size()); }
    void clear()
    {
        pk_table.clear();
        pk_col.clear();
        pf_table.clear();
        pf_col.clear();
        byChild_.clear();
        byParent_.clear();
    }
    void append(const QString& parent, const QString& parentColumn, const QString& child,
                const QString& childColumn)
    {
        byParent_[parent].append(count());
        byChild_[child].append(count());
        pk_table.append(parent);
        pk_col.append(parentColumn);
        pf_table.append(child);
        pf_col.append(childColumn);
    }
    // The entries whose child (or parent) is `table`, in list order.
    QList<int> entriesWithChild(const QString& table) const { return byChild_.value(table); }
    QList<int> entriesWithParent(const QString& table) const { return byParent_.value(table); }

private:
    QHash<QString, QList<int>> byChild_, byParent_;
};

struct RunContext {
    RunContext(const RunInputs& inputs, Catalogue& catalogue, Host& host)
        : in(inputs), catalogue(catalogue), host(host)
    {
    }

    RunInputs in;
    Catalogue& catalogue;
    Host& host;
    FkWorkList fk_rows;
    QString ns = QStringLiteral("Common.Data"); // generated namespace
    int nbmax = -1;                             // index of the last chosen table

    // The chosen tables the run writes: those of tdn1 up to nbmax, in list order.
    QStringList chosenTables() const { return in.tdn1.mid(0, qMax(nbmax + 1, 0)); }

    // The solution dialog pt(5) is shown: asked when it matters, not only at the start.
    bool solutionVisible() const { return host.solutionDialogShown().value_or(in.solutionVisible); }

    // Problems met during the run, one line each, shown under "End of Generation". A line
    // already recorded is not added again: one unopenable file or one failing query met by
    // several passes is told once.
    // Once the connection is gone, the reads that fail because of it record nothing: the
    // fault is told once instead.
    QStringList problems;
    void problem(const QString& text)
    {
        if (stopped())
            return;
        if (!recordedProblems.contains(text)) {
            recordedProblems.insert(text);
            problems.append(text);
        }
    }
    QSet<QString> recordedProblems;

    // Set when the connection could not be reopened; that problem is recorded, and the reads
    // that fail because of it do not record it again under another name.
    bool connectionLost = false;

    // The connection is gone: the run reads no more, and its files are not put in place.
    bool stopped() const { return catalogue.connectionFault().has_value(); }

    // Where the run writes its files: beside their final names, put in place when the run
    // ends (by the run that owns them, placesOutput). Without it, files are written where
    // they go.
    platform::StagedFiles* output = nullptr;
    bool placesOutput = false;
};

// The pass over the chosen tables that every module writer of a run makes: each item of
// tdn1 up to nbmax, in list order, the progress bar raised by one and a yield before each.
void forEachChosenTable(RunContext& ctx, const std::function<void(const QString& table)>& writeTable);

// The run's closing message: "End of Generation" and, below it, one problem per line.
// A list longer than a message box shows starts with a count: "12 problems in 9 of 3,000
// tables" (`tables` are the run's; a line about a table starts with its name and ": ").
QString endOfGenerationText(const QStringList& problems, const QStringList& tables = {});

// Readies the folder a run writes into, before it writes: the folder is made, the
// temporary files that killed runs left there are removed, and a temporary file is tried.
// When the folder cannot be written, the run's one message names it with the reason and
// the run writes nothing (false). Only a run that stages its files and puts them in place
// does so: one inside another (a solution's) leaves it to the run that owns the output, and
// one that writes straight to the final names meets the folder file by file.
bool readyOutputFolder(RunContext& ctx, const QString& folder);
// The same for the folders of a run made of several: the message when one of them cannot
// be written, none when each can.
std::optional<QString> readyOutputFolders(const QStringList& folders);

// The message of a run stopped by its connection: what happened, where, and that no file
// was replaced.
QString connectionFaultText(const QString& fault);

// Ends a run's writing: when the run owns its output, its files are put in place (a
// problem for each that cannot be), or dropped when the connection is gone. Returns the
// run's closing message, the fault's or "End of Generation" with the problems.
QString finishRun(RunContext& ctx);

} // namespace generators
