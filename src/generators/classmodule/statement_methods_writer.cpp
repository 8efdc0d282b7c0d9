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

// Every statement method (raz, delete, update, insert) builds my_sql between this head
// and this tail, which runs it: z_return_code is 0 when it ran and 1 when it failed.
const LineTable kStatementHead{u"class module statement head", {u"method"}, {}, uR"(
Public Sub <method>(ByVal my_cnx As ADODB.Connection)
    on error goto err_<method>
    z_return_code = 0
)"};

const LineTable kStatementTail{u"class module statement tail", {u"method"}, {}, uR"(
    my_cnx.execute my_sql
    exit Sub
    err_<method>:
        z_return_code = 1
End Sub
)"};

// raz empties the table; delete removes the rows matching the input values.
const LineTable kDelete{u"class module delete", {u"table", u"filter"}, {}, uR"(
    my_sql="delete * from <table>"<filter>
)"};

// The set list comes from the flagged columns.
const LineTable kUpdateSet{
    u"class module update set", {u"table", u"column", u"sqlquote", u"value"}, {u"column"}, uR"(
    my_sql="update <table>"
    sep=" set "
[column]    If b_<column> = 1 then my_sql = my_sql & sep & "<column> = <sqlquote>" & <value> & "<sqlquote>": sep=", "
)"};

// With a primary key the row to change is the one holding the key values given; a key
// value not given is a failure and nothing runs. The criteria of the flagged columns
// would compare each column with the very value it is set to, and change no row.
const LineTable kUpdateByKey{
    u"class module update by key", {u"column", u"sqlquote", u"value"}, {u"column"}, uR"(
    sep=" where "
[column]    If b_<column> = 1 then my_sql = my_sql & sep & "<column> = <sqlquote>" & <value> & "<sqlquote>": sep=" and " else goto err_update
)"};

// A table without a key has nothing else to select its rows by.
const LineTable kUpdateByInputs{u"class module update by inputs", {}, {}, uR"(
    my_sql = my_sql & my_where
)"};

// The names and the values of the flagged columns come from the same walk, so they
// stand in the same order.
const LineTable kInsert{
    u"class module insert", {u"table", u"column", u"sqlquote", u"value"}, {u"column"}, uR"(
    my_sql="insert into <table>"
    sep=" ("
[column]    If b_<column> = 1 then my_sql = my_sql & sep & "<column>": sep=", "
    my_sql = my_sql & ") select "
    sep=""
[column]    If b_<column> = 1 then my_sql = my_sql & sep & "<sqlquote>" & <value> & "<sqlquote>": sep=", "
)"};

void writeStatementMethod(ModuleFile& file, const ClassTable& table, const QString& method,
                          const std::function<void()>& writeStatement)
{
    const Placeholders name{{QStringLiteral("method"), method}};
    writeClassLines(file, kStatementHead, table, name);
    writeStatement();
    writeClassLines(file, kStatementTail, table, name);
}

} // namespace

void writeStatementMethods(ModuleFile& file, const ClassTable& table)
{
    writeClassLines(file, kCount, table);
    writeStatementMethod(file, table, QStringLiteral("raz"), [&] {
        writeClassLines(file, kDelete, table, {{QStringLiteral("filter"), QString()}});
    });
    writeStatementMethod(file, table, QStringLiteral("delete"), [&] {
        writeClassLines(file, kDelete, table, {{QStringLiteral("filter"), QStringLiteral(" & my_where")}});
    });
    writeStatementMethod(file, table, QStringLiteral("update"), [&] {
        writeClassLines(file, kUpdateSet, table);
        if (table.primaryKey.isEmpty())
            writeClassLines(file, kUpdateByInputs, table);
        else
            writeClassLines(file, kUpdateByKey,
                            ClassTable{table.table, primaryKeyColumns(table), {}, {}, {}});
    });
    writeStatementMethod(file, table, QStringLiteral("insert"),
                         [&] { writeClassLines(file, kInsert, table); });
}

QList<const LineTable*> statementLineTables()
{
    return {&kCount,     &kStatementHead, &kStatementTail,  &kDelete,
            &kUpdateSet, &kUpdateByKey,   &kUpdateByInputs, &kInsert};
}

} // namespace generators::classmodule
