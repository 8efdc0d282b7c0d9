#pragma once
// What the data classes, joins and Web.config tests share: a shop schema for the scripted
// catalogue, the inputs a VB.NET window leaves for cont_gen, and a run that reads back
// every file it wrote.

#include "generators/dataclasses/cont_gen.h"
#include "platform/text_file.h"
#include "support/golden.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace dataclassestest
{

using generators::ForeignKeyRow;
using generators::RunInputs;
using namespace platform::ado;

inline ForeignKeyRow fk(const QString& parent, const QString& parentColumn, const QString& child,
                        const QString& childColumn, int ordinal = 1)
{
    ForeignKeyRow row;
    row.pkTable = parent;
    row.pkColumn = parentColumn;
    row.fkTable = child;
    row.fkColumn = childColumn;
    row.ordinal = ordinal;
    return row;
}

// The work list as "parent.column<child.column" items, for comparisons.
inline QStringList workList(const generators::FkWorkList& rows)
{
    QStringList items;
    for (int j = 0; j < rows.count(); ++j)
        items.append(rows.pk_table[j] + '.' + rows.pk_col[j] + '<' + rows.pf_table[j] + '.' + rows.pf_col[j]);
    return items;
}

// CUSTOMERS <- ORDERS <- ORDER_LINES (composite key ORDER_NO, LINE_NO) <- SHIPMENTS,
// EMPLOYEES referencing itself (BOSS_ID) and DEPTS.
inline void scriptShop(testsupport::ScriptedCatalogue& catalogue)
{
    catalogue.setTableColumns("CUSTOMERS",
                              {{"ID", adInteger}, {"NAME", adVarWChar}, {"BALANCE", adCurrency}});
    catalogue.setTableColumns(
        "ORDERS", {{"ORDER_NO", adInteger}, {"CUSTOMER_ID", adInteger}, {"ORDERED", adDBTimeStamp}});
    catalogue.setTableColumns("ORDER_LINES",
                              {{"ORDER_NO", adInteger}, {"LINE_NO", adSmallInt}, {"ITEM", adVarWChar}});
    catalogue.setTableColumns("SHIPMENTS",
                              {{"SHIP_ID", adInteger}, {"ORDER_NO", adInteger}, {"LINE_NO", adSmallInt}});
    catalogue.setTableColumns(
        "EMPLOYEES",
        {{"ID", adInteger}, {"BOSS_ID", adInteger}, {"DEPT_ID", adInteger}, {"NOTE", adVariant}});
    catalogue.setTableColumns("DEPTS", {{"ID", adInteger}, {"TITLE", adVarChar}, {"CODE", 999}});
    catalogue.setForeignKeys({
        fk("CUSTOMERS", "ID", "ORDERS", "CUSTOMER_ID"),
        fk("ORDERS", "ORDER_NO", "ORDER_LINES", "ORDER_NO"),
        fk("ORDER_LINES", "ORDER_NO", "SHIPMENTS", "ORDER_NO", 1),
        fk("ORDER_LINES", "LINE_NO", "SHIPMENTS", "LINE_NO", 2),
        fk("EMPLOYEES", "ID", "EMPLOYEES", "BOSS_ID"),
        fk("DEPTS", "ID", "EMPLOYEES", "DEPT_ID"),
    });
}

inline RunInputs shopInputs(const QString& folder, const QStringList& tables)
{
    RunInputs in;
    in.pn = folder + '/';
    in.dbn = QStringLiteral("Shop");
    in.gn = {true, true, true};
    in.gnn = {QStringLiteral("ShopAccess.vb"), QStringLiteral("ShopManager.vb"),
              QStringLiteral("ShopClasses.vb")};
    in.tdn1 = tables;
    in.cnxstr = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=shop.mdb");
    in.net_ns = QStringLiteral("OleDB");
    in.net_prefix = QStringLiteral("OleDB");
    return in;
}

// The stand-in for what the run wrote before cont_gen: its last module line.
inline const QByteArray kRunWrote = "' written by the run\r\n";

struct ContGenRun {
    RunInputs in;
    generators::Catalogue* catalogue = nullptr;
    testsupport::RecordingHost host;
    generators::FkWorkList fk_rows;
    QStringList problems;

    // Runs cont_gen as the VB.NET run calls it: the data access and data manager files
    // already written, the bar sized with one unit per table for each counted pass.
    void run(bool seedModules = true)
    {
        if (seedModules) {
            for (int i = 0; i < 2; ++i) {
                if (!in.gn[std::size_t(i)])
                    continue;
                QFile file(in.pn + in.gnn[std::size_t(i)]);
                if (file.open(QIODevice::WriteOnly))
                    file.write(kRunWrote);
            }
        }
        int units = 0;
        for (bool module : in.gn)
            units += module ? (in.gcfk ? 2 : 1) : 0;
        host.progressMax = double(units * in.tdn1.size());
        host.progress = 0;
        host.busy = true;
        host.progressVisible = true;
        generators::RunContext ctx(in, *catalogue, host);
        ctx.nbmax = int(in.tdn1.size()) - 1;
        generators::cont_gen(ctx, ctx.nbmax);
        fk_rows = ctx.fk_rows;
        problems = ctx.problems;
    }

    QByteArray bytes(const QString& name) const { return testsupport::readFileBytes(in.pn + name); }
    QByteArray classes() const { return bytes(in.gnn[2]); }
    QByteArray access() const { return bytes(in.gnn[0]); }
    QByteArray manager() const { return bytes(in.gnn[1]); }
    // What cont_gen appended to a module the run wrote.
    QByteArray appended(const QString& name) const
    {
        const QByteArray all = bytes(name);
        return all.startsWith(kRunWrote) ? all.mid(kRunWrote.size()) : all;
    }
    QStringList lines(const QString& name) const
    {
        return platform::readTextLines(in.pn + name, platform::TextEncoding::Windows1252).lines;
    }
};

// Lines of a file's bytes (CR LF).
inline QList<QByteArray> byteLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        line.chop(line.endsWith('\r') ? 1 : 0);
    return lines;
}

} // namespace dataclassestest
