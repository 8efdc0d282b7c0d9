#include "generators/oracle/package_access_writer.h"

#include "generators/common/column_discovery.h"
#include "generators/common/dal_command.h"
#include "generators/oracle/ora_types.h"

namespace generators::oracle
{

namespace
{

const LineTable kModuleHead{u"package access head", {u"net_ns", u"prefix", u"cnxstr"}, {}, uR"(
Imports System.Data.<net_ns>
Imports System.Configuration
    'Define in your Web Config <prefix>cnxstr as
    'ConnectionString = <dq><cnxstr><dq>

NameSpace Common.Data.Pkg
Public Class DAL

)"};

// The provider type is qualified by the namespace word here only.
const LineTable kGetConnection{u"package access connection", {u"net_ns", u"net_prefix", u"prefix"}, {}, uR"(
    Public Shared Function Get_Connection() As <net_ns>.<net_prefix>Connection
        Dim My_Cnx As <net_ns>.<net_prefix>Connection
        My_Cnx = New <net_ns>.<net_prefix>Connection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings(<dq><prefix>cnxstr<dq>)
        My_Cnx.Open()
        Return My_Cnx
    End Function

)"};

const LineTable kTableReader{u"package access reader", {u"table", u"net_prefix", u"column"}, {u"column"}, uR"(
    Public Shared Function Get<table>Reader(ByVal z_<table> as <table>) As IDataReader
        Dim cnx As <net_prefix>Connection = Get_Connection()
        Dim cmd As New <net_prefix>Command()
        cmd.Connection = Cnx
        cmd.CommandText = <dq><table>_PKG.Get_Rows<dq>
        cmd.CommandType = CommandType.StoredProcedure
        cmd.Parameters.Add(New OracleParameter(<dq>z_CURSOR<dq>, OracleClient.OracleType.Cursor)).Direction = ParameterDirection.Output
        If z_<table>.IsDirty.rowid then cmd.Parameters.Add(<dq>z_rowid<dq>, z_<table>.rowid)
[column]        If z_<table>.IsDirty.<column> then cmd.Parameters.Add(<dq>z_<column><dq>, z_<table>.<column>)
)"};

// Update<table>, Insert<table> and Del<table>: <method> and <procedure> name the member
// and the package procedure it runs; the row address is passed with stored procedures
// ticked only.
const LineTable kTableWriter{u"package access writer",
                             {u"method", u"table", u"net_prefix", u"procedure", u"column"},
                             {u"ps", u"column"},
                             uR"(
    Public Shared Sub <method><table>(ByVal z_<table> as <table>)
        Dim cnx As <net_prefix>Connection = Get_Connection()
        Dim cmd As New <net_prefix>Command()
        cmd.Connection = Cnx
        cmd.CommandText = <dq><table>_PKG.<procedure><dq>
        cmd.CommandType = CommandType.StoredProcedure
[ps]        If z_<table>.IsDirty.rowid then cmd.Parameters.Add(<dq>z_rowid<dq>, z_<table>.rowid)
[column]        If z_<table>.IsDirty.<column> then cmd.Parameters.Add(<dq>z_<column><dq>, z_<table>.<column>)
)"};

Placeholders moduleValues(const RunInputs& in)
{
    return {{QStringLiteral("net_ns"), in.net_ns},
            {QStringLiteral("net_prefix"), in.net_prefix},
            {QStringLiteral("prefix"), in.dbn},
            {QStringLiteral("cnxstr"), in.cnxstr}};
}

Placeholders tableValues(const RunInputs& in, const QString& table)
{
    Placeholders values = moduleValues(in);
    values.prepend({QStringLiteral("table"), table});
    return values;
}

// The rows of the columns of the table's discovery query.
RowSet columnRows(RunContext& ctx, const QString& table)
{
    return fieldRows(discoverColumns(ctx, DataControlId::data3, table, /*withRowLimit=*/true), ora_types);
}

void writeTableWriter(ModuleFile& file, RunContext& ctx, const QString& table, const QString& method,
                      const QString& procedure, bool withColumns)
{
    Placeholders values = tableValues(ctx.in, table);
    values.prepend({QStringLiteral("procedure"), procedure});
    values.prepend({QStringLiteral("method"), method});
    writeLineTable(file, kTableWriter, values,
                   {{QStringLiteral("ps"), when(ctx.in.ps)},
                    {QStringLiteral("column"), withColumns ? columnRows(ctx, table) : RowSet()}});
    writeDalCommandRun(file, ctx.in.net_prefix, DalCommand::Statement);
}

} // namespace

void writePackageAccessHead(ModuleFile& file, const RunInputs& in)
{
    const Placeholders values = moduleValues(in);
    writeLineTable(file, kModuleHead, values);
    writeLineTable(file, kGetConnection, values);
}

void writePackageTableReader(ModuleFile& file, RunContext& ctx, const QString& table)
{
    writeLineTable(file, kTableReader, tableValues(ctx.in, table),
                   {{QStringLiteral("column"), columnRows(ctx, table)}});
    writeDalCommandRun(file, ctx.in.net_prefix, DalCommand::Reader);
}

void writePackageTableWriters(ModuleFile& file, RunContext& ctx, const QString& table)
{
    writeTableWriter(file, ctx, table, QStringLiteral("Update"), QStringLiteral("Update_Row"), true);
    writeTableWriter(file, ctx, table, QStringLiteral("Insert"), QStringLiteral("Insert_Row"), true);
    // The data manager's Delete<table> calls DAL.Del<table>; the package deletes by row address only.
    writeTableWriter(file, ctx, table, QStringLiteral("Del"), QStringLiteral("Delete_Row"), false);
}

QList<const LineTable*> packageAccessLineTables()
{
    return {&kModuleHead, &kGetConnection, &kTableReader, &kTableWriter};
}

} // namespace generators::oracle
