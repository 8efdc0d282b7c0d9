#pragma once
// Everything one generation run works with: its inputs, the catalogue, the host, the
// foreign-key work list and the list of problems met on the way.

#include "generators/common/catalogue.h"
#include "generators/common/host.h"
#include "generators/common/run_inputs.h"

#include <QStringList>

namespace generators {

// fk_rows: four lists held in step; entry j gives the parent table, parent column,
// child table and child column of one foreign-key column pair.
struct FkWorkList {
    QStringList pk_table, pk_col, pf_table, pf_col;

    int count() const { return int(pk_table.size()); }
    void clear()
    {
        pk_table.clear();
        pk_col.clear();
        pf_table.clear();
        pf_col.clear();
    }
    void append(const QString& parent, const QString& parentColumn, const QString& child,
                const QString& childColumn)
    {
        pk_table.append(parent);
        pk_col.append(parentColumn);
        pf_table.append(child);
        pf_col.append(childColumn);
    }
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

    // Problems met during the run, one line each, shown under "End of Generation".
    QStringList problems;
    void problem(const QString& text) { problems.append(text); }
};

// The run's closing message: "End of Generation" and, below it, one problem per line.
QString endOfGenerationText(const QStringList& problems);

} // namespace generators
