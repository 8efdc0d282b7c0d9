#include "generators/classmodule/class_module_run.h"

#include "generators/classmodule/class_module_writers.h"
#include "generators/classmodule/index_scan.h"
#include "generators/common/column_discovery.h"
#include "generators/common/module_file.h"
#include "generators/common/name_check.h"
#include "generators/common/primary_key_read.h"
#include "platform/folders.h"

namespace generators::classmodule
{

namespace
{

// A table name holding '/' would put the file into another folder; such a name is one
// a file name cannot hold, and its class goes to the preview only.
bool fileNameCanHold(const QString& table)
{
    return !table.contains(QLatin1Char('/')) && !table.contains(QChar(0));
}

IndexLists readIndexes(RunContext& ctx, const QString& table)
{
    const IndexRows rows = ctx.catalogue.indexes(table, ctx.in.schema_filter);
    if (!rows.ok) {
        ctx.problem(QStringLiteral("%1: indexes could not be read (%2)").arg(table, rows.error));
        return {};
    }
    return scanIndexes(rows.rows);
}

void writeClassModule(RunContext& ctx, const TypeTables& types, const QString& table)
{
    ClassTable classTable;
    classTable.table = table;
    const QString path = classFilePath(ctx.in.pn, ctx.in.dbn, table);

    ModuleFile file(ctx, kPreviewVb6);
    if (fileNameCanHold(table))
        file.open(path, platform::OpenMode::Output);
    else
        ctx.problem(QStringLiteral("%1: no class file was written (the table name holds a '/')").arg(table));
    ctx.host.appendPreview(kPreviewVb6, QStringLiteral("\r\n******* ") + path);
    ctx.host.yield();

    writeClassHeader(file, classTable);
    classTable.columns =
        classColumns(discoverColumns(ctx, DataControlId::data3, table, /*withRowLimit=*/false), types);
    writeMembersAndProperties(file, classTable);
    const IndexLists indexes = readIndexes(ctx, table);
    classTable.indexColumns = indexes.indexColumns;
    classTable.keyColumns = indexes.keyColumns;
    classTable.primaryKey = readPrimaryKey(ctx, table, ctx.in.schema_filter);
    writePrivateProcedures(file, classTable);
    writeFinderMethods(file, classTable);
    writeStatementMethods(file, classTable);
    file.close();
}

} // namespace

QString classFilePath(const QString& folder, const QString& prefix, const QString& table)
{
    return folder + prefix + table + QStringLiteral(".cls");
}

void runClassModules(RunContext& ctx, const TypeTables& types)
{
    Host& host = ctx.host;
    platform::smkdir(ctx.in.pn);
    if (ctx.in.tdn1.isEmpty()) {
        host.message(QStringLiteral("Choose at least one table!"));
        return;
    }
    if (!readyOutputFolder(ctx, ctx.in.pn))
        return;
    host.showPreview(kPreviewVb6);
    host.yield();
    host.setBusyPointer(true);
    ctx.in.tdn1 = tablesFitForCode(ctx, ctx.in.tdn1, /*withRowLimit=*/false);
    const int last = int(ctx.in.tdn1.size()) - 1;
    host.clearPreview(kPreviewVb6);
    host.setProgressVisible(true);
    host.setProgressValue(0);
    host.setProgressMaximum(last);

    for (int i = 0; i <= last && !ctx.stopped(); ++i) {
        stepProgress(host);
        host.yield();
        writeClassModule(ctx, types, ctx.in.tdn1.at(i));
    }

    host.setProgressVisible(false);
    host.setBusyPointer(false);
    host.message(finishRun(ctx));
}

} // namespace generators::classmodule
