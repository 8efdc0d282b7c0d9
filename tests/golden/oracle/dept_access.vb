Imports System.Data.OracleClient
Imports System.Configuration
    'Define in your Web Config Scottcnxstr as
    'ConnectionString = "Data Source=orcl;User ID=scott"

NameSpace Common.Data.Pkg
Public Class DAL

    Public Shared Function Get_Connection() As OracleClient.OracleConnection
        Dim My_Cnx As OracleClient.OracleConnection
        My_Cnx = New OracleClient.OracleConnection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings("Scottcnxstr")
        My_Cnx.Open()
        Return My_Cnx
    End Function

    Public Shared Function GetDEPTReader(ByVal z_DEPT as DEPT) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "DEPT_PKG.Get_Rows"
        cmd.CommandType = CommandType.StoredProcedure
        cmd.Parameters.Add(New OracleParameter("z_CURSOR", OracleClient.OracleType.Cursor)).Direction = ParameterDirection.Output
        If z_DEPT.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_DEPT.rowid)
        If z_DEPT.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_DEPT.DEPTNO)
        If z_DEPT.IsDirty.DNAME then cmd.Parameters.Add("z_DNAME", z_DEPT.DNAME)
        Dim rdr As OracleDataReader
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

    Public Shared Sub UpdateDEPT(ByVal z_DEPT as DEPT)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "DEPT_PKG.Update_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_DEPT.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_DEPT.rowid)
        If z_DEPT.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_DEPT.DEPTNO)
        If z_DEPT.IsDirty.DNAME then cmd.Parameters.Add("z_DNAME", z_DEPT.DNAME)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertDEPT(ByVal z_DEPT as DEPT)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "DEPT_PKG.Insert_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_DEPT.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_DEPT.rowid)
        If z_DEPT.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_DEPT.DEPTNO)
        If z_DEPT.IsDirty.DNAME then cmd.Parameters.Add("z_DNAME", z_DEPT.DNAME)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub DelDEPT(ByVal z_DEPT as DEPT)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "DEPT_PKG.Delete_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_DEPT.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_DEPT.rowid)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

