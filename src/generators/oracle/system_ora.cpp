#include "generators/oracle/system_ora.h"

#include "generators/common/column_discovery.h"
#include "generators/common/module_file.h"
#include "generators/oracle/package_access_writer.h"
#include "generators/oracle/package_body_writer.h"
#include "generators/oracle/package_header_writer.h"

namespace generators
{

using namespace oracle;

namespace
{

QString packageFilePath(const QString& accessPath)
{
    QString path = accessPath;
    path.chop(3); // ".vb"
    return path + QStringLiteral(".pkg");
}

// The key columns of every table of that name, in any schema. A failed read gives no
// key; it is reported unless the connection itself could not be opened, which has
// been reported once already.
QStringList packageKeyColumns(RunContext& ctx, const QString& table)
{
    const KeyColumns keys = ctx.catalogue.primaryKey(table, QString());
    if (keys.ok)
        return keys.columns;
    if (!ctx.connectionLost)
        ctx.problem(QStringLiteral("%1: primary key could not be read (%2)").arg(table, keys.error));
    return {};
}

} // namespace

void system_ora(RunContext& ctx, int nbmax)
{
    // The old connection is closed before the new one opens; a failed open is told to
    // the user, since every later key and foreign-key read would find nothing.
    const platform::ado::Status reconnected = ctx.catalogue.reconnect();
    if (!reconnected.ok) {
        ctx.problem(
            QStringLiteral("The database connection could not be reopened (%1)").arg(reconnected.message));
        ctx.connectionLost = true;
    }

    ctx.host.showPreview(kPreviewOracle);
    ctx.host.yield();

    const QString accessPath = ctx.in.pn + ctx.in.gnn[0];
    ModuleFile access(ctx, kPreviewDataAccess);
    ModuleFile package(ctx, kPreviewOracle);
    access.open(accessPath, platform::OpenMode::Output);
    package.open(packageFilePath(accessPath), platform::OpenMode::Output);

    ctx.nbmax = nbmax;
    writePackageAccessHead(access, ctx.in);
    forEachChosenTable(ctx, [&](const QString& table) {
        writePackageTableReader(access, ctx, table);
        writePackageTableWriters(access, ctx, table);
    });
    // No closing lines here: cont_gen appends the join readers inside DAL, then closes
    // the class and the namespace once.
    access.close();

    forEachChosenTable(ctx, [&](const QString& table) {
        const QList<platform::ado::Field> columns =
            discoverColumns(ctx, DataControlId::data3, table, /*withRowLimit=*/true);
        writePackageSpecification(package, table, columns);
        writePackageBodyGetRows(package, table, columns);
        writePackageBodyRowProcedures(package, table, columns, packageKeyColumns(ctx, table));
    });
    package.close();
}

} // namespace generators
