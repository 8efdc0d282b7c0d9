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

// findfirst and findlast read the same selection; findlast moves to its end first,
// unless the selection is empty.
const LineTable kFind{u"class module find", {u"method", u"table"}, {u"last"}, uR"(
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
        z_return_code = 1
    End If
End Sub
)"};

// A second try with greater-or-equal terms when the first recordset does not open.
const LineTable kSearch{u"class module search", {u"table"}, {}, uR"(
Public Sub search(ByVal my_cnx As ADODB.Connection, num_index As Integer)
    my_sql="select * from <table>" & my_where & my_order(num_index)
    Set dbl = New ADODB.Recordset
    dbl.Open my_sql, my_cnx, 2, 3, 8
    If dbl.state <> 0 then
        z_return_code = 0
        my_lect
        dbl.close
        else
        my_sql="select * from <table>" & my_where_sup & my_order(num_index)
        Set dbl = New ADODB.Recordset
        dbl.Open my_sql, my_cnx, 2, 3, 8
        If dbl.state <> 0 then
            z_return_code = 2
            my_lect
            dbl.close
            else
            z_return_code = 1
        End If
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
    writeClassLines(file, kFind, table, {{QStringLiteral("method"), QStringLiteral("findfirst")}},
                    {{QStringLiteral("last"), when(false)}});
    writeClassLines(file, kFind, table, {{QStringLiteral("method"), QStringLiteral("findlast")}},
                    {{QStringLiteral("last"), when(true)}});
    writeClassLines(file, kSearch, table);
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
    return {&kList, &kFind, &kSearch, &kStep};
}

} // namespace generators::classmodule
