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

    Public Shared Function GetEMPReader(ByVal z_EMP as EMP) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "EMP_PKG.Get_Rows"
        cmd.CommandType = CommandType.StoredProcedure
        cmd.Parameters.Add(New OracleParameter("z_CURSOR", OracleClient.OracleType.Cursor)).Direction = ParameterDirection.Output
        If z_EMP.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_EMP.rowid)
        If z_EMP.IsDirty.EMPNO then cmd.Parameters.Add("z_EMPNO", z_EMP.EMPNO)
        If z_EMP.IsDirty.ENAME then cmd.Parameters.Add("z_ENAME", z_EMP.ENAME)
        If z_EMP.IsDirty.HIREDATE then cmd.Parameters.Add("z_HIREDATE", z_EMP.HIREDATE)
        If z_EMP.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_EMP.DEPTNO)
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

    Public Shared Sub UpdateEMP(ByVal z_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "EMP_PKG.Update_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_EMP.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_EMP.rowid)
        If z_EMP.IsDirty.EMPNO then cmd.Parameters.Add("z_EMPNO", z_EMP.EMPNO)
        If z_EMP.IsDirty.ENAME then cmd.Parameters.Add("z_ENAME", z_EMP.ENAME)
        If z_EMP.IsDirty.HIREDATE then cmd.Parameters.Add("z_HIREDATE", z_EMP.HIREDATE)
        If z_EMP.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_EMP.DEPTNO)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertEMP(ByVal z_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "EMP_PKG.Insert_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_EMP.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_EMP.rowid)
        If z_EMP.IsDirty.EMPNO then cmd.Parameters.Add("z_EMPNO", z_EMP.EMPNO)
        If z_EMP.IsDirty.ENAME then cmd.Parameters.Add("z_ENAME", z_EMP.ENAME)
        If z_EMP.IsDirty.HIREDATE then cmd.Parameters.Add("z_HIREDATE", z_EMP.HIREDATE)
        If z_EMP.IsDirty.DEPTNO then cmd.Parameters.Add("z_DEPTNO", z_EMP.DEPTNO)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub DelEMP(ByVal z_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim cmd As New OracleCommand()
        cmd.Connection = Cnx
        cmd.CommandText = "EMP_PKG.Delete_Row"
        cmd.CommandType = CommandType.StoredProcedure
        If z_EMP.IsDirty.rowid then cmd.Parameters.Add("z_rowid", z_EMP.rowid)
        Try
            cmd.ExecuteNonQuery()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub


    'Foreign Keys - Join Classes
    Public Shared Function GetEMP_DEPTReader(ByVal z_EMP_DEPT as EMP_DEPT) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "EMP.EMPNO AS A_EMPNO"
        z_sql = z_sql & ", EMP.ENAME AS A_ENAME"
        z_sql = z_sql & ", EMP.HIREDATE AS A_HIREDATE"
        z_sql = z_sql & ", EMP.DEPTNO AS A_DEPTNO"
        z_sql = z_sql & ", DEPT.DEPTNO AS B_DEPTNO"
        z_sql = z_sql & ", DEPT.DNAME AS B_DNAME"
        z_sql = z_sql & " from EMP,DEPT"
        z_sql = z_sql & z_sep & "EMP.DEPTNO=DEPT.DEPTNO": z_sep = " and "
        z_sql = z_sql & z_sep & "EMP.DEPTNO=DEPT.DEPTNO": z_sep = " and "
        If z_EMP_DEPT.IsDirty.EMP_EMPNO then z_sql = z_sql & z_sep & "EMP.EMPNO='" & Replace(z_EMP_DEPT.EMP_EMPNO, "'", "''") & "'": z_sep = " and "
        If z_EMP_DEPT.IsDirty.EMP_ENAME then z_sql = z_sql & z_sep & "EMP.ENAME='" & Replace(z_EMP_DEPT.EMP_ENAME, "'", "''") & "'": z_sep = " and "
        If z_EMP_DEPT.IsDirty.EMP_HIREDATE then z_sql = z_sql & z_sep & "EMP.HIREDATE='" & Replace(z_EMP_DEPT.EMP_HIREDATE, "'", "''") & "'": z_sep = " and "
        If z_EMP_DEPT.IsDirty.EMP_DEPTNO then z_sql = z_sql & z_sep & "EMP.DEPTNO='" & Replace(z_EMP_DEPT.EMP_DEPTNO, "'", "''") & "'": z_sep = " and "
        If z_EMP_DEPT.IsDirty.DEPT_DEPTNO then z_sql = z_sql & z_sep & "DEPT.DEPTNO='" & Replace(z_EMP_DEPT.DEPT_DEPTNO, "'", "''") & "'": z_sep = " and "
        If z_EMP_DEPT.IsDirty.DEPT_DNAME then z_sql = z_sql & z_sep & "DEPT.DNAME='" & Replace(z_EMP_DEPT.DEPT_DNAME, "'", "''") & "'": z_sep = " and "
        Dim cmd As New OracleCommand(z_sql, cnx)
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


End Class
End NameSpace
