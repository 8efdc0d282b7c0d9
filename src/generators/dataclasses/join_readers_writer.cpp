#include "generators/dataclasses/join_readers_writer.h"

#include "generators/common/dal_command.h"
#include "generators/dataclasses/join_pass.h"
#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses
{

namespace
{

// <sep> is ", " before every select term but the first of the whole list. Filter values
// go through Replace so that a quote inside a value cannot end the SQL literal.
const LineTable kJoinReader{
    u"join reader",
    {u"child", u"parent", u"net_prefix", u"sep", u"column", u"fk_column", u"pk_column"},
    {u"child column", u"parent column", u"key"},
    uR"(
    Public Shared Function Get<child>_<parent>Reader(ByVal z_<child>_<parent> as <child>_<parent>) As IDataReader
        Dim cnx As <net_prefix>Connection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = <dq> where <dq>
        z_sql = <dq>select <dq>
[child column]        z_sql = z_sql & <dq><sep><child>.<column> AS A_<column><dq>
[parent column]        z_sql = z_sql & <dq><sep><parent>.<column> AS B_<column><dq>
        z_sql = z_sql & <dq> from <child>,<parent><dq>
[key]        z_sql = z_sql & z_sep & <dq><child>.<fk_column>=<parent>.<pk_column><dq>: z_sep = <dq> and <dq>
[child column]        If z_<child>_<parent>.IsDirty.<child>_<column> then z_sql = z_sql & z_sep & <dq><child>.<column>='<dq> & Replace(z_<child>_<parent>.<child>_<column>, <dq>'<dq>, <dq>''<dq>) & <dq>'<dq>: z_sep = <dq> and <dq>
[parent column]        If z_<child>_<parent>.IsDirty.<parent>_<column> then z_sql = z_sql & z_sep & <dq><parent>.<column>='<dq> & Replace(z_<child>_<parent>.<parent>_<column>, <dq>'<dq>, <dq>''<dq>) & <dq>'<dq>: z_sep = <dq> and <dq>
        Dim cmd As New <net_prefix>Command(z_sql, cnx)
)"};

// Select terms of both tables, each row with the separator its position calls for.
RowSet selectTerms(const QList<platform::ado::Field>& columns, qsizetype termsBefore)
{
    RowSet rows = columnRows(columns);
    for (qsizetype k = 0; k < rows.size(); ++k)
        rows[k].append({QStringLiteral("sep"), termsBefore + k == 0 ? QString() : QStringLiteral(", ")});
    return rows;
}

// Every work-list entry from the parent to the child, duplicates kept.
RowSet joinTerms(const FkWorkList& rows, const QString& parent, const QString& child)
{
    RowSet terms;
    for (const int j : rows.entriesWithChild(child)) {
        if (rows.pk_table.at(j) == parent)
            terms.append({{QStringLiteral("fk_column"), rows.pf_col.at(j)},
                          {QStringLiteral("pk_column"), rows.pk_col.at(j)}});
    }
    return terms;
}

} // namespace

void writeJoinReaders(RunContext& ctx, ModuleFile& file)
{
    forEachJoin(ctx, file, /*withRowLimit=*/true, [&](const JoinPair& join) {
        writeLineTable(
            file, kJoinReader,
            {{QStringLiteral("child"), join.child},
             {QStringLiteral("parent"), join.parent},
             {QStringLiteral("net_prefix"), ctx.in.net_prefix}},
            {{QStringLiteral("child column"), selectTerms(join.childColumns, 0)},
             {QStringLiteral("parent column"), selectTerms(join.parentColumns, join.childColumns.size())},
             {QStringLiteral("key"), joinTerms(ctx.fk_rows, join.parent, join.child)}});
        writeDalCommandRun(file, ctx.in.net_prefix, DalCommand::Reader);
    });
}

QList<const LineTable*> joinReaderLineTables()
{
    return {&kJoinReader};
}

} // namespace generators::dataclasses
