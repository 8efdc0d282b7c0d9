#include "generators/classmodule/class_lines.h"
#include "generators/classmodule/class_module_writers.h"

namespace generators::classmodule
{

namespace
{

// The comment line that opens the private section comes after the index scan; the
// scan writes nothing, so it heads this block. my_lect reads no row when the recordset
// stands before the first or after the last: the finders report 1 instead of stopping.
const LineTable kOrderAndRead{
    u"class module order and read", {u"n", u"index_columns", u"column"}, {u"index", u"column"}, uR"(
    'Private functions and Subs
Private Function my_order(num_index As Integer) As String
    my_order=""
[index]    if num_index = <n> then my_order = " order by <index_columns>"
End Function
Private Sub my_lect()
    If dbl.eof or dbl.bof then z_return_code = 1: exit Sub
[column]    If not isnull(dbl("<column>")) then zo_<column> = dbl("<column>")
End Sub
)"};

// my_where (equality) and my_where_sup (greater or equal): one term per flagged column,
// joined at run time through sep.
const LineTable kWhere{
    u"class module where", {u"function", u"column", u"operator", u"sqlquote", u"value"}, {u"column"}, uR"(
Private Function <function>() As String
    dim my_str as string
    sep=" where "
    my_str=""
[column]    If b_<column> = 1 then my_str = my_str & sep & "<column><operator><sqlquote>" & <value> & "<sqlquote>": sep=" and "
    <function> = my_str
End Function
)"};

// A Null key field counts as a match; without key columns the first record matches.
// An empty recordset or a miss leaves dbl at its end, which the callers test.
const LineTable kPosition{u"class module position", {u"key_column"}, {u"key"}, uR"(
Private Sub my_pos()
    Dim p_key as String
    if not dbl.eof then dbl.movefirst
    ind = 0
    Do while ind = 0 and not dbl.eof
        ind = 1
[key]        If not isnull(dbl("<key_column>")) then If zi_<key_column> <> dbl("<key_column>") Then ind = 0
        If ind = 0 then If not dbl.eof then dbl.movenext else exit do
    loop
End Sub
)"};

} // namespace

void writePrivateProcedures(ModuleFile& file, const ClassTable& table)
{
    writeClassLines(file, kOrderAndRead, table);
    writeClassLines(file, kWhere, table,
                    {{QStringLiteral("function"), QStringLiteral("my_where")},
                     {QStringLiteral("operator"), QStringLiteral(" = ")}});
    writeClassLines(file, kWhere, table,
                    {{QStringLiteral("function"), QStringLiteral("my_where_sup")},
                     {QStringLiteral("operator"), QStringLiteral(" >= ")}});
    writeClassLines(file, kPosition, table);
}

QList<const LineTable*> privateProcedureLineTables()
{
    return {&kOrderAndRead, &kWhere, &kPosition};
}

} // namespace generators::classmodule
