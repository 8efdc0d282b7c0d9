#include "generators/classmodule/class_lines.h"
#include "generators/classmodule/class_module_writers.h"

namespace generators::classmodule
{

namespace
{

// Rows are counted one by one while the recordset is walked.
constexpr QStringView kCount = uR"(
Public Function count(ByVal my_cnx As ADODB.Connection) As Integer
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
)";

// raz empties the table; delete removes the rows matching the input values.
constexpr QStringView kDelete = uR"(
Public Sub <method>(ByVal my_cnx As ADODB.Connection)
    on error goto err_<method>
    z_return_code = 0
    my_sql="delete * from <table>"<filter>
    my_cnx.execute my_sql
    exit Sub
    err_<method>:
        z_return_code = 1
End Sub
)";

// The set list and the criteria both come from the flagged columns.
constexpr QStringView kUpdate = uR"(
Public Sub update(ByVal my_cnx As ADODB.Connection)
    on error goto err_update
    z_return_code = 0
    my_sql="update <table>"
    sep=" set "
    If b_<column> = 1 then my_sql = my_sql & sep & "<column> = <sqlquote>" & <value> & "<sqlquote>": sep=", "
    my_sql = my_sql & my_where
    my_cnx.execute my_sql
    exit Sub
    err_update:
        z_return_code = 1
End Sub
)";

// The names and the values of the flagged columns come from the same walk, so they
// stand in the same order.
constexpr QStringView kInsert = uR"(
Public Sub insert(ByVal my_cnx As ADODB.Connection)
    on error goto err_insert
    z_return_code = 0
    my_sql="insert into <table>"
    sep=" ("
    If b_<column> = 1 then my_sql = my_sql & sep & "<column>": sep=", "
    my_sql = my_sql & ") select "
    sep=""
    If b_<column> = 1 then my_sql = my_sql & sep & "<sqlquote>" & <value> & "<sqlquote>": sep=", "
    my_cnx.execute my_sql
    exit Sub
    err_insert:
        z_return_code = 1
End Sub
)";

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
    writeClassLines(file, kUpdate, table);
    writeClassLines(file, kInsert, table);
}

} // namespace generators::classmodule
