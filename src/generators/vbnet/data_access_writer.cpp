#include "generators/vbnet/data_access_writer.h"

#include "generators/common/dal_command.h"
#include "generators/vbnet/column_names.h"

namespace generators::vbnet
{

namespace
{

// Every value put between single quotes in the generated SQL goes through
// Replace(value, "'", "''"), so a quote inside a value cannot end the literal. The
// members that run a statement close their connection once it has run.

const LineTable kHead{
    u"data access head", {u"net_ns", u"net_prefix", u"prefix", u"cnxstr", u"namespace"}, {}, uR"(
Imports System.Data.<net_ns>
Imports System.Configuration
    'Define in your Web Config <prefix>cnxstr as
    'ConnectionString = "<cnxstr>"

NameSpace <namespace>
Public Class DAL

    'General Connection Function
    Public Shared Function Get_Connection() As <net_ns>.<net_prefix>Connection
        Dim My_Cnx As <net_ns>.<net_prefix>Connection
        My_Cnx = New <net_ns>.<net_prefix>Connection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings("<prefix>cnxstr")
        My_Cnx.Open()
        Return My_Cnx
    End Function

    'For each Table :
    '    Function Get<Table>Reader(<TableClass>) as IDataReader
    '        <TableClass> contains fields to build where clause in select statement
    '        IDataReader returns selected rows
    '    Sub Del<Table>(<TableClass>)
    '        <TableClass> contains fields to build where clause in delete statement
    '    Sub Update<Table>(<TableClass1, TableClass2>)
    '        <TableClass1> contains fields to update
    '        <TableClass2> contains fields to build where clause in update statement
    '    Sub Insert<Table>(<TableClass>)
    '        <TableClass> contains fields to populate in insert statement
)"};

// The reader and the delete pick their rows by the same where clause; only the reader
// orders them.
const LineTable kSelection{
    u"data access selection", {u"table", u"net_prefix", u"column"}, {u"column", u"read"}, uR"(
[read]    Public Shared Function Get<table>Reader(ByVal z_<table> as <table>) As IDataReader
[!read]    Public Shared Sub Del<table>(ByVal z_<table> as <table>)
        Dim cnx As <net_prefix>Connection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
[read]        z_sql = "select * from <table>"
[!read]        z_sql = "Delete from <table>"
[column]        If z_<table>.IsDirty.<column> then z_sql = z_sql & z_sep & "<column>='" & Replace(z_<table>.<column>, "'", "''") & "'": z_sep = " and "
        if not z_<table>.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_<table>.WhereClause
        End If 
[read]        if Not z_<table>.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_<table>.OrderClause
        Dim cmd As New <net_prefix>Command(z_sql, cnx)
)"};

const LineTable kUpdate{u"data access update", {u"table", u"net_prefix", u"column"}, {u"column"}, uR"(
    Public Shared Sub Update<table>(ByVal update_<table> as <table>, ByVal where_<table> as <table>)
        Dim cnx As <net_prefix>Connection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update <table> set "
[column]        If update_<table>.IsDirty.<column> then z_sql = z_sql & z_sep & "<column>='" & Replace(update_<table>.<column>, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
[column]            If where_<table>.IsDirty.<column> then z_sql = z_sql & z_sep & "<column>='" & Replace(where_<table>.<column>, "'", "''") & "'": z_sep = " and "
        if not where_<table>.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_<table>.WhereClause
        End If 
        Dim cmd As New <net_prefix>Command(z_sql, cnx)
)"};

const LineTable kInsert{
    u"data access insert", {u"table", u"net_prefix", u"from_dual", u"column"}, {u"column"}, uR"(
    Public Shared Sub Insert<table>(ByVal z_<table> as <table>)
        Dim cnx As <net_prefix>Connection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into <table>("
[column]        If z_<table>.IsDirty.<column> then z_sql = z_sql & z_sep & "<column>": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
[column]        If z_<table>.IsDirty.<column> then z_sql = z_sql & z_sep & "'" & Replace(z_<table>.<column>, "'", "''") & "'": z_sep = ", "
        z_sql = z_sql & "<from_dual>"
        Dim cmd As New <net_prefix>Command(z_sql, cnx)
)"};

// Each member runs its own discovery query; only the insert's carries no row_limit.
void writeMember(RunContext& ctx, ModuleFile& file, const LineTable& member, const QString& table,
                 bool withRowLimit, DalCommand command, RowSets rows = {})
{
    const Placeholders values{{QStringLiteral("table"), table},
                              {QStringLiteral("net_prefix"), ctx.in.net_prefix},
                              {QStringLiteral("from_dual"), ctx.in.from_dual}};
    writeLineTable(file, member, values, rows.addFetched(QStringLiteral("column"), [&] {
        return rowsOf(QStringLiteral("column"), discoverColumnNames(ctx, table, withRowLimit));
    }));
    writeDalCommandRun(file, ctx.in.net_prefix, command);
}

} // namespace

void writeDataAccessModule(RunContext& ctx)
{
    ModuleFile file(ctx, kPreviewDataAccess);
    file.openModule(platform::OpenMode::Output);
    writeLineTable(file, kHead,
                   {{QStringLiteral("net_ns"), ctx.in.net_ns},
                    {QStringLiteral("net_prefix"), ctx.in.net_prefix},
                    {QStringLiteral("prefix"), ctx.in.dbn},
                    {QStringLiteral("cnxstr"), ctx.in.cnxstr},
                    {QStringLiteral("namespace"), ctx.ns}});
    forEachChosenTable(ctx, [&](const QString& table) {
        writeMember(ctx, file, kSelection, table, true, DalCommand::Reader,
                    {{QStringLiteral("read"), when(true)}});
        writeMember(ctx, file, kSelection, table, true, DalCommand::StatementThenClose,
                    {{QStringLiteral("read"), when(false)}});
        writeMember(ctx, file, kUpdate, table, true, DalCommand::StatementThenClose);
        writeMember(ctx, file, kInsert, table, false, DalCommand::StatementThenClose);
    });
    file.close();
}

QList<const LineTable*> dataAccessLineTables()
{
    return {&kHead, &kSelection, &kUpdate, &kInsert};
}

} // namespace generators::vbnet
