#include "generators/oracle/package_access_writer.h"

#include "generators/common/column_discovery.h"
#include "generators/oracle/line_table.h"

namespace generators::oracle {

namespace {

constexpr QStringView kModuleHead = uR"(
Imports System.Data.<net_ns>
Imports System.Configuration
    'Define in your Web Config <prefix>cnxstr as
    'ConnectionString = <dq><cnxstr><dq>

NameSpace Common.Data.Pkg
Public Class DAL

)";

// The provider type is qualified by the namespace word here only.
constexpr QStringView kGetConnection = uR"(
    Public Shared Function Get_Connection() As <net_ns>.<net_prefix>Connection
        Dim My_Cnx As <net_ns>.<net_prefix>Connection
        My_Cnx = New <net_ns>.<net_prefix>Connection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings(<dq><prefix>cnxstr<dq>)
        My_Cnx.Open()
        Return My_Cnx
    End Function

)";

constexpr QStringView kTableReader = uR"(
    Public Shared Function Get<table>Reader(ByVal z_<table> as <table>) As IDataReader
        Dim cnx As <net_prefix>Connection = Get_Connection()
        Dim cmd As New <net_prefix>Command()
        cmd.Connection = Cnx
        cmd.CommandText = <dq><table>_PKG.Get_Rows<dq>
        cmd.CommandType = CommandType.StoredProcedure
        cmd.Parameters.Add(New OracleParameter(<dq>z_CURSOR<dq>, OracleClient.OracleType.Cursor)).Direction = ParameterDirection.Output
        If z_<table>.IsDirty.rowid then cmd.Parameters.Add(<dq>z_rowid<dq>, z_<table>.rowid)
        If z_<table>.IsDirty.<column> then cmd.Parameters.Add(<dq>z_<column><dq>, z_<table>.<column>)
        Dim rdr As <net_prefix>DataReader
        Try
            rdr = cmd.ExecuteReader(CommandBehavior.CloseConnection)
            Return rdr
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Function

)";

// Update<table>, Insert<table> and Del<table>: <method> and <procedure> name the member
// and the package procedure it runs.
constexpr QStringView kTableWriter = uR"(
    Public Shared Sub <method><table>(ByVal z_<table> as <table>)
        Dim cnx As <net_prefix>Connection = Get_Connection()
        Dim cmd As New <net_prefix>Command()
        cmd.Connection = Cnx
        cmd.CommandText = <dq><table>_PKG.<procedure><dq>
        cmd.CommandType = CommandType.StoredProcedure
        If z_<table>.IsDirty.rowid then cmd.Parameters.Add(<dq>z_rowid<dq>, z_<table>.rowid)
        If z_<table>.IsDirty.<column> then cmd.Parameters.Add(<dq>z_<column><dq>, z_<table>.<column>)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

)";
// Row of kTableWriter that passes the row address; written only with stored procedures ticked.
constexpr qsizetype kWriterRowAddressRow = 6;

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

void writeTableWriter(ModuleFile& file, RunContext& ctx, const QString& table, const QString& method,
                      const QString& procedure, bool withColumns)
{
    QStringList rows = templateLines(kTableWriter);
    if (!ctx.in.ps)
        rows.removeAt(kWriterRowAddressRow);
    Placeholders values = tableValues(ctx.in, table);
    values.prepend({QStringLiteral("procedure"), procedure});
    values.prepend({QStringLiteral("method"), method});
    const QList<platform::ado::Field> columns =
        withColumns ? discoverColumns(ctx, DataControlId::data3, table, /*withRowLimit=*/true)
                    : QList<platform::ado::Field>();
    writeLineRows(file, rows, values, columns);
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
    const QList<platform::ado::Field> columns =
        discoverColumns(ctx, DataControlId::data3, table, /*withRowLimit=*/true);
    writeLineTable(file, kTableReader, tableValues(ctx.in, table), columns);
}

void writePackageTableWriters(ModuleFile& file, RunContext& ctx, const QString& table)
{
    writeTableWriter(file, ctx, table, QStringLiteral("Update"), QStringLiteral("Update_Row"), true);
    writeTableWriter(file, ctx, table, QStringLiteral("Insert"), QStringLiteral("Insert_Row"), true);
    // The data manager's Delete<table> calls DAL.Del<table>; the package deletes by row address only.
    writeTableWriter(file, ctx, table, QStringLiteral("Del"), QStringLiteral("Delete_Row"), false);
}

} // namespace generators::oracle
