#include "generators/dataclasses/join_managers_writer.h"

#include "generators/common/column_discovery.h"
#include "generators/dataclasses/join_pass.h"
#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses {

namespace {

// The List function reads the columns of a second pair of column queries.
const LineTable kJoinManager{u"join manager", {u"child", u"parent", u"column"}, {u"child column", u"parent column", u"listed child column", u"listed parent column"}, uR"(
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
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_<child>_<parent>
    End Function


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
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
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
        writeLineTable(file, kJoinManager,
                       {{QStringLiteral("child"), join.child}, {QStringLiteral("parent"), join.parent}},
                       {{QStringLiteral("child column"), columnRows(join.childColumns)},
                        {QStringLiteral("parent column"), columnRows(join.parentColumns)},
                        {QStringLiteral("listed child column"), columnRows(listedChildColumns)},
                        {QStringLiteral("listed parent column"), columnRows(listedParentColumns)}});
    });
}

QList<const LineTable*> joinManagerLineTables()
{
    return {&kJoinManager};
}

} // namespace generators::dataclasses
