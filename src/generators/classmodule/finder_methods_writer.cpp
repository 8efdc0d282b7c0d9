#include "generators/classmodule/class_lines.h"
#include "generators/classmodule/class_module_writers.h"

namespace generators::classmodule
{

namespace
{

const LineTable kList{u"class module list", {u"table"}, {}, uR"(
'************** Public Methods **************
Public Function list(ByVal my_cnx As ADODB.Connection, num_index As Integer) As ADODB.Recordset
    Set list = New ADODB.Recordset
    my_sql="select * from <table>" & my_where & my_order(num_index)
    list.Open my_sql, my_cnx, 2, 3, 8
    if list.state <> 0 then z_return_code = 0 else z_return_code = 1
End Function
)"};

// findfirst, findlast and search read the same selection; findlast moves to its end first,
// unless the selection is empty, and search tries again with greater-or-equal terms when
// the first recordset does not open.
const LineTable kFind{u"class module find", {u"method", u"table"}, {u"last", u"retry"}, uR"(
Public Sub <method>(ByVal my_cnx As ADODB.Connection, num_index As Integer)
    my_sql="select * from <table>" & my_where & my_order(num_index)
    Set dbl = New ADODB.Recordset
    dbl.Open my_sql, my_cnx, 2, 3, 8
    If dbl.state <> 0 then
        z_return_code = 0
[last]        if not dbl.eof then dbl.movelast
        my_lect
        dbl.close
        else
[!retry]        z_return_code = 1
[retry]        my_sql="select * from <table>" & my_where_sup & my_order(num_index)
[retry]        Set dbl = New ADODB.Recordset
[retry]        dbl.Open my_sql, my_cnx, 2, 3, 8
[retry]        If dbl.state <> 0 then
[retry]            z_return_code = 2
[retry]            my_lect
[retry]            dbl.close
[retry]            else
[retry]            z_return_code = 1
[retry]        End If
    End If
End Sub
)"};

// findnext and findprevious: every row in index order, placed on the row holding the
// key values (my_pos), then one step forward or back. After a miss my_pos leaves dbl at
// its end, where a step back would land on the last row, so findprevious tests both ends.
const LineTable kStep{u"class module step", {u"method", u"table", u"row_test", u"move"}, {}, uR"(
Public Sub <method>(ByVal my_cnx As ADODB.Connection, num_index As Integer)
    my_sql="select * from <table>" & my_order(num_index)
    Set dbl = New ADODB.Recordset
    dbl.Open my_sql, my_cnx, 2, 3, 8
    If dbl.state <> 0 then
        z_return_code = 0
        my_pos
        if <row_test> then
            dbl.<move>
            my_lect
            else
            z_return_code = 1
        End If
        dbl.close
        else
        z_return_code = 1
    End If
End Sub
)"};

} // namespace

void writeFinderMethods(ModuleFile& file, const ClassTable& table)
{
    writeClassLines(file, kList, table);
    const auto find = [&](const QString& method, bool last, bool retry) {
        writeClassLines(file, kFind, table, {{QStringLiteral("method"), method}},
                        {{QStringLiteral("last"), when(last)}, {QStringLiteral("retry"), when(retry)}});
    };
    find(QStringLiteral("findfirst"), /*last=*/false, /*retry=*/false);
    find(QStringLiteral("findlast"), /*last=*/true, /*retry=*/false);
    find(QStringLiteral("search"), /*last=*/false, /*retry=*/true);
    writeClassLines(file, kStep, table,
                    {{QStringLiteral("method"), QStringLiteral("findnext")},
                     {QStringLiteral("row_test"), QStringLiteral("not dbl.eof")},
                     {QStringLiteral("move"), QStringLiteral("movenext")}});
    writeClassLines(file, kStep, table,
                    {{QStringLiteral("method"), QStringLiteral("findprevious")},
                     {QStringLiteral("row_test"), QStringLiteral("not dbl.bof and not dbl.eof")},
                     {QStringLiteral("move"), QStringLiteral("moveprevious")}});
}

QList<const LineTable*> finderLineTables()
{
    return {&kList, &kFind, &kStep};
}

} // namespace generators::classmodule
