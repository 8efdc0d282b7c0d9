#include "generators/dataclasses/join_managers_writer.h"

#include "generators/common/column_discovery.h"
#include "generators/common/dal_reader.h"
#include "generators/dataclasses/join_pass.h"
#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses
{

namespace
{

// Get reads the columns of the join's own column queries; List reads those of a second
// pair of column queries.
const LineTable kJoinGet{
    u"join manager get", {u"child", u"parent", u"column"}, {u"child column", u"parent column"}, uR"(
Public Module <child>_<parent>Manager
    Public Function Get<child>_<parent>(ByVal z_<child>_<parent> as <child>_<parent>) As <child>_<parent>
        dim y_<child>_<parent> as New <child>_<parent>()
        Dim rdr As IDataReader
        Try
            rdr = DAL.Get<child>_<parent>Reader(z_<child>_<parent>)
            If rdr.Read() then
[child column]                If Not IsDBNull(rdr(<dq>A_<column><dq>)) Then y_<child>_<parent>.<child>_<column>=rdr(<dq>A_<column><dq>)
[parent column]                If Not IsDBNull(rdr(<dq>B_<column><dq>)) Then y_<child>_<parent>.<parent>_<column>=rdr(<dq>B_<column><dq>)
            Else
                'Throw New ApplicationException(<dq>No record found<dq>)
            End If
)"};

const LineTable kJoinGetReturn{u"join manager get return", {u"child", u"parent"}, {}, uR"(
        Return y_<child>_<parent>
    End Function

)"};

const LineTable kJoinList{u"join manager list",
                          {u"child", u"parent", u"column"},
                          {u"listed child column", u"listed parent column"},
                          uR"(

    Public Function List<child>_<parent>(ByVal z_<child>_<parent> as <child>_<parent>) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_<child>_<parent> as <child>_<parent>
        Try
            rdr = DAL.Get<child>_<parent>Reader(z_<child>_<parent>)
            While (rdr.Read())
                y_<child>_<parent> = New <child>_<parent>()
[listed child column]                If Not IsDBNull(rdr(<dq>A_<column><dq>)) Then y_<child>_<parent>.<child>_<column>=rdr(<dq>A_<column><dq>)
[listed parent column]                If Not IsDBNull(rdr(<dq>B_<column><dq>)) Then y_<child>_<parent>.<parent>_<column>=rdr(<dq>B_<column><dq>)
                liste.Add (y_<child>_<parent>)
            End While
)"};

const LineTable kJoinListReturn{u"join manager list return", {}, {}, uR"(
        Return liste
    End Function

End Module

)"};

} // namespace

void writeJoinManagers(RunContext& ctx, ModuleFile& file)
{
    forEachJoin(ctx, file, /*withRowLimit=*/true, [&](const JoinPair& join) {
        const auto listedChildColumns =
            discoverColumns(ctx, DataControlId::data3, join.child, /*withRowLimit=*/true);
        const auto listedParentColumns =
            discoverColumns(ctx, DataControlId::data4, join.parent, /*withRowLimit=*/true);
        const Placeholders values{{QStringLiteral("child"), join.child},
                                  {QStringLiteral("parent"), join.parent}};
        writeReaderUse(file, kJoinGet, kJoinGetReturn, values,
                       {{QStringLiteral("child column"), columnRows(join.childColumns)},
                        {QStringLiteral("parent column"), columnRows(join.parentColumns)}});
        writeReaderUse(file, kJoinList, kJoinListReturn, values,
                       {{QStringLiteral("listed child column"), columnRows(listedChildColumns)},
                        {QStringLiteral("listed parent column"), columnRows(listedParentColumns)}});
    });
}

QList<const LineTable*> joinManagerLineTables()
{
    return {&kJoinGet, &kJoinGetReturn, &kJoinList, &kJoinListReturn};
}

} // namespace generators::dataclasses
