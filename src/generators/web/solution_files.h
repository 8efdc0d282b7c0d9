#pragma once
// The files that make a folder a web project and its parent a solution: assembly
// information, the application file with its class and resources, a copy of the style
// sheet, the project file, its web information file and the solution file.

#include "generators/common/run_context.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace generators::web
{

// What the solution dialog and the VB Generator page hold when the solution is written.
struct SolutionInputs {
    QString sng;                // solution name
    QString spg;                // solution folder, a plain prefix ending in '/'
    QString png;                // project name
    QString ppg;                // project folder, a plain prefix ending in '/'
    QString stcss;              // full path of the style sheet to copy
    std::array<QString, 3> gnn; // file names of the three data-layer modules ("" when off)
    QStringList tdn1;           // chosen tables, in list order
    bool psEnabled = false;     // the stored-procedure option can be used: Oracle reference
    // Source of the run's one GUID, taken once between the style sheet and the project file.
    std::function<QString()> newGuid;
};

// Name of the solution file without its folder: the solution name less one trailing "_".
QString solutionFileName(const QString& sng);

// Writes every file in order, each replaced when it exists. A file that cannot be written
// is a problem of the run; the next file is tried all the same.
void writeSolutionFiles(RunContext& ctx, const SolutionInputs& in);

} // namespace generators::web
