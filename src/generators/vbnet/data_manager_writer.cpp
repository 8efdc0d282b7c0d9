#include "generators/vbnet/data_manager_writer.h"

#include "generators/common/primary_key_read.h"
#include "generators/vbnet/line_table.h"
#include "generators/vbnet/table_pass.h"

namespace generators::vbnet {

namespace {

// Tags: [ps] lines are written in stored-procedure mode only, [!ps] lines outside it;
// [keyed] / [!keyed] depend on whether the table's primary key was found.

constexpr QStringView kHead = uR"(
NameSpace <namespace>
    'For each Table :
    '    Function Get<Table>(<TableClass1>) as <TableClass2>
    '        <TableClass1> contains fields to build where clause in select statement
    '        <TableClass2> returns selected row
    '    Sub Save<Table>(<TableClass1, TableClass2>)
    '        <TableClass1> contains fields to update or insert
    '        <TableClass2> contains fields to build where clause in update statement, not used for insert
    '    Sub Save<Table>(<TableClass>)
    '        <TableClass> contains fields to update or insert
    '        The where clause is built with primary key fields of <TableClass>
    '    Sub Delete<Table>(<TableClass>)
    '        <TableClass> contains fields to build where clause in delete statement
    '    Function List<Table>(<TableClass>) as ArrayList
    '        <TableClass> contains fields to build where clause in select statement
    '        ArrayList returns selected rows as an array of <TableClass>
)";

constexpr QStringView kModuleOpen = uR"(
Public Module <table>Manager
)";

constexpr QStringView kModuleClose = uR"(
End Module

)";

constexpr QStringView kGet = uR"(
    Public Function Get<table>(ByVal z_<table> as <table>) As <table>
        dim y_<table> as New <table>()
        Dim rdr As IDataReader
        Try
            rdr = DAL.Get<table>Reader(z_<table>)
            If rdr.Read() then
[ps]                y_<table>.rowid=rdr("rowid")
                If Not IsDBNull(rdr("<column>")) Then y_<table>.<column>=rdr("<column>")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_<table>
    End Function

)";

constexpr QStringView kSave = uR"(
[!ps]    Public Sub Save<table>(ByVal update_<table> as <table>, ByVal where_<table> as <table>)
[ps]    Public Sub Save<table>(ByVal update_<table> as <table>)
[ps]        dim y_<table> as New <table>()
[ps]        y_<table>.rowid = update_<table>.rowid
        Dim rdr As IDataReader
        Try
[!ps]            rdr = DAL.Get<table>Reader(where_<table>)
[ps]            rdr = DAL.Get<table>Reader(y_<table>)
            If rdr.Read() Then
[!ps]                DAL.Update<table>(update_<table>, where_<table>)
[ps]                DAL.Update<table>(update_<table>)
                else
                DAL.Insert<table>(update_<table>)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

)";

// Without a primary key the overload refuses instead of saving with an empty criteria
// object, which would update every row.
constexpr QStringView kSaveByKey = uR"(
    Public Sub Save<table>(ByVal update_<table> as <table>)
        Dim y_<table> as <table>
        y_<table> = New <table>
        y_<table>.<column> = update_<table>.<column>
[keyed]        Save<table> (update_<table>, y_<table>)
[!keyed]        Throw New System.InvalidOperationException("<table> has no primary key")
    End Sub

)";

constexpr QStringView kDelete = uR"(
    Public Sub Delete<table>(ByVal z_<table> as <table>)
        DAL.Del<table> (z_<table>)
    End Sub

)";

constexpr QStringView kList = uR"(
    Public Function List<table>(ByVal z_<table> as <table>) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_<table> as <table>
        Try
            rdr = DAL.Get<table>Reader(z_<table>)
            While (rdr.Read())
                y_<table> = New <table>()
[ps]                y_<table>.rowid=rdr("rowid")
                If Not IsDBNull(rdr("<column>")) Then y_<table>.<column>=rdr("<column>")
                liste.Add (y_<table>)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

)";

void writeTableModule(RunContext& ctx, ModuleFile& file, const QString& table)
{
    const Placeholders values{{QStringLiteral("table"), table}};
    const bool ps = ctx.in.ps;
    LineTableSource withRowLimit;
    withRowLimit.columns = [&] { return discoverColumnNames(ctx, table, true); };
    withRowLimit.condition = [ps](QStringView name) { return name == u"ps" && ps; };
    LineTableSource withoutRowLimit = withRowLimit;
    withoutRowLimit.columns = [&] { return discoverColumnNames(ctx, table, false); };

    writeLineTable(file, kModuleOpen, values);
    writeLineTable(file, kGet, values, withRowLimit);
    writeLineTable(file, kSave, values, withRowLimit);
    if (!ps) {
        bool keyed = false;
        LineTableSource key;
        key.columns = [&] {
            const QStringList columns = readPrimaryKey(ctx, table, ctx.in.schema_filter);
            keyed = !columns.isEmpty();
            return columns;
        };
        key.condition = [&keyed](QStringView name) { return name == u"keyed" && keyed; };
        writeLineTable(file, kSaveByKey, values, key);
    }
    writeLineTable(file, kDelete, values);
    writeLineTable(file, kList, values, withoutRowLimit);
    writeLineTable(file, kModuleClose, values);
}

} // namespace

void writeDataManagerModule(RunContext& ctx)
{
    ctx.host.showPreview(kPreviewDataManager);
    ctx.host.yield();
    ModuleFile file(ctx, kPreviewDataManager);
    file.open(ctx.in.pn + ctx.in.gnn[1], platform::OpenMode::Output);
    writeLineTable(file, kHead, {{QStringLiteral("namespace"), ctx.ns}});
    forEachChosenTable(ctx, [&](const QString& table) { writeTableModule(ctx, file, table); });
    file.close();
}

} // namespace generators::vbnet
