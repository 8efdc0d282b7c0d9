#include "generators/classmodule/class_lines.h"
#include "generators/classmodule/class_module_writers.h"

namespace generators::classmodule
{

namespace
{

// Rows are counted one by one while the recordset is walked, in a Long: a table may
// hold more rows than an Integer counts.
const LineTable kCount{u"class module count", {u"table"}, {}, uR"(
Public Function count(ByVal my_cnx As ADODB.Connection) As Long
    my_sql="select * from <table>" & my_where
    Set dbl = New ADODB.Recordset
    dbl.Open my_sql, my_cnx, 2, 3, 8
    If dbl.state <> 0 then
        z_return_code = 0
        ind = 0
        do while not dbl.eof
            ind = ind + 1
            dbl.movenext
        loop
        count = ind
        dbl.close
        else
        z_return_code = 1
    End If
End Function
)"};

// raz empties the table; delete removes the rows matching the input values.
const LineTable kDelete{u"class module delete", {u"method", u"table", u"filter"}, {}, uR"(
Public Sub <method>(ByVal my_cnx As ADODB.Connection)
    on error goto err_<method>
    z_return_code = 0
    my_sql="delete * from <table>"<filter>
    my_cnx.execute my_sql
    exit Sub
    err_<method>:
        z_return_code = 1
End Sub
)"};

// The set list comes from the flagged columns.
const LineTable kUpdateHead{u"class module update head", {u"table", u"column", u"sqlquote", u"value"}, {u"column"}, uR"(
Public Sub update(ByVal my_cnx As ADODB.Connection)
    on error goto err_update
    z_return_code = 0
    my_sql="update <table>"
    sep=" set "
[column]    If b_<column> = 1 then my_sql = my_sql & sep & "<column> = <sqlquote>" & <value> & "<sqlquote>": sep=", "
)"};

// With a primary key the row to change is the one holding the key values given; a key
// value not given is a failure and nothing runs. The criteria of the flagged columns
// would compare each column with the very value it is set to, and change no row.
const LineTable kUpdateByKey{u"class module update by key", {u"column", u"sqlquote", u"value"}, {u"column"}, uR"(
    sep=" where "
[column]    If b_<column> = 1 then my_sql = my_sql & sep & "<column> = <sqlquote>" & <value> & "<sqlquote>": sep=" and " else goto err_update
)"};

// A table without a key has nothing else to select its rows by.
const LineTable kUpdateByInputs{u"class module update by inputs", {}, {}, uR"(
    my_sql = my_sql & my_where
)"};

const LineTable kUpdateTail{u"class module update tail", {}, {}, uR"(
    my_cnx.execute my_sql
    exit Sub
    err_update:
        z_return_code = 1
End Sub
)"};

// The names and the values of the flagged columns come from the same walk, so they
// stand in the same order.
const LineTable kInsert{u"class module insert", {u"table", u"column", u"sqlquote", u"value"}, {u"column"}, uR"(
Public Sub insert(ByVal my_cnx As ADODB.Connection)
    on error goto err_insert
    z_return_code = 0
    my_sql="insert into <table>"
    sep=" ("
[column]    If b_<column> = 1 then my_sql = my_sql & sep & "<column>": sep=", "
    my_sql = my_sql & ") select "
    sep=""
[column]    If b_<column> = 1 then my_sql = my_sql & sep & "<sqlquote>" & <value> & "<sqlquote>": sep=", "
    my_cnx.execute my_sql
    exit Sub
    err_insert:
        z_return_code = 1
End Sub
)"};

} // namespace

void writeStatementMethods(ModuleFile& file, const ClassTable& table)
{
    writeClassLines(file, kCount, table);
    writeClassLines(
        file, kDelete, table,
        {{QStringLiteral("method"), QStringLiteral("raz")}, {QStringLiteral("filter"), QString()}});
    writeClassLines(file, kDelete, table,
                    {{QStringLiteral("method"), QStringLiteral("delete")},
                     {QStringLiteral("filter"), QStringLiteral(" & my_where")}});
    writeClassLines(file, kUpdateHead, table);
    if (table.primaryKey.isEmpty())
        writeClassLines(file, kUpdateByInputs, table);
    else
        writeClassLines(file, kUpdateByKey, ClassTable{table.table, primaryKeyColumns(table), {}, {}, {}});
    writeClassLines(file, kUpdateTail, table);
    writeClassLines(file, kInsert, table);
}

QList<const LineTable*> statementLineTables()
{
    return {&kCount, &kDelete, &kUpdateHead, &kUpdateByKey, &kUpdateByInputs, &kUpdateTail, &kInsert};
}

} // namespace generators::classmodule
