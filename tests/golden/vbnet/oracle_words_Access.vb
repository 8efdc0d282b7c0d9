Imports System.Data.OracleClient
Imports System.Configuration
    'Define in your Web Config HR_cnxstr as
    'ConnectionString = "Provider=MSDAORA;Data Source=ORCL;User ID=hr;Password=secret;"

NameSpace Common.Data
Public Class DAL

    'General Connection Function
    Public Shared Function Get_Connection() As OracleClient.OracleConnection
        Dim My_Cnx As OracleClient.OracleConnection
        My_Cnx = New OracleClient.OracleConnection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings("HR_cnxstr")
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
    Public Shared Function GetDEPTReader(ByVal z_DEPT as DEPT) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from DEPT"
        If z_DEPT.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO='" & Replace(z_DEPT.DEPTNO, "'", "''") & "'": z_sep = " and "
        If z_DEPT.IsDirty.DNAME then z_sql = z_sql & z_sep & "DNAME='" & Replace(z_DEPT.DNAME, "'", "''") & "'": z_sep = " and "
        if not z_DEPT.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_DEPT.WhereClause
        End If 
        if Not z_DEPT.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_DEPT.OrderClause
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

    Public Shared Sub DelDEPT(ByVal z_DEPT as DEPT)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from DEPT"
        If z_DEPT.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO='" & Replace(z_DEPT.DEPTNO, "'", "''") & "'": z_sep = " and "
        If z_DEPT.IsDirty.DNAME then z_sql = z_sql & z_sep & "DNAME='" & Replace(z_DEPT.DNAME, "'", "''") & "'": z_sep = " and "
        if not z_DEPT.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_DEPT.WhereClause
        End If 
        Dim cmd As New OracleCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub UpdateDEPT(ByVal update_DEPT as DEPT, ByVal where_DEPT as DEPT)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update DEPT set "
        If update_DEPT.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO='" & Replace(update_DEPT.DEPTNO, "'", "''") & "'": z_sep = ", "
        If update_DEPT.IsDirty.DNAME then z_sql = z_sql & z_sep & "DNAME='" & Replace(update_DEPT.DNAME, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_DEPT.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO='" & Replace(where_DEPT.DEPTNO, "'", "''") & "'": z_sep = " and "
            If where_DEPT.IsDirty.DNAME then z_sql = z_sql & z_sep & "DNAME='" & Replace(where_DEPT.DNAME, "'", "''") & "'": z_sep = " and "
        if not where_DEPT.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_DEPT.WhereClause
        End If 
        Dim cmd As New OracleCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertDEPT(ByVal z_DEPT as DEPT)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into DEPT("
        If z_DEPT.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO": z_sep = ", "
        If z_DEPT.IsDirty.DNAME then z_sql = z_sql & z_sep & "DNAME": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_DEPT.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "'" & Replace(z_DEPT.DEPTNO, "'", "''") & "'": z_sep = ", "
        If z_DEPT.IsDirty.DNAME then z_sql = z_sql & z_sep & "'" & Replace(z_DEPT.DNAME, "'", "''") & "'": z_sep = ", "
        z_sql = z_sql & " from dual"
        Dim cmd As New OracleCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Function GetEMPReader(ByVal z_EMP as EMP) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from EMP"
        If z_EMP.IsDirty.EMPNO then z_sql = z_sql & z_sep & "EMPNO='" & Replace(z_EMP.EMPNO, "'", "''") & "'": z_sep = " and "
        If z_EMP.IsDirty.ENAME then z_sql = z_sql & z_sep & "ENAME='" & Replace(z_EMP.ENAME, "'", "''") & "'": z_sep = " and "
        If z_EMP.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO='" & Replace(z_EMP.DEPTNO, "'", "''") & "'": z_sep = " and "
        if not z_EMP.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_EMP.WhereClause
        End If 
        if Not z_EMP.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_EMP.OrderClause
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

    Public Shared Sub DelEMP(ByVal z_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from EMP"
        If z_EMP.IsDirty.EMPNO then z_sql = z_sql & z_sep & "EMPNO='" & Replace(z_EMP.EMPNO, "'", "''") & "'": z_sep = " and "
        If z_EMP.IsDirty.ENAME then z_sql = z_sql & z_sep & "ENAME='" & Replace(z_EMP.ENAME, "'", "''") & "'": z_sep = " and "
        If z_EMP.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO='" & Replace(z_EMP.DEPTNO, "'", "''") & "'": z_sep = " and "
        if not z_EMP.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_EMP.WhereClause
        End If 
        Dim cmd As New OracleCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub UpdateEMP(ByVal update_EMP as EMP, ByVal where_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update EMP set "
        If update_EMP.IsDirty.EMPNO then z_sql = z_sql & z_sep & "EMPNO='" & Replace(update_EMP.EMPNO, "'", "''") & "'": z_sep = ", "
        If update_EMP.IsDirty.ENAME then z_sql = z_sql & z_sep & "ENAME='" & Replace(update_EMP.ENAME, "'", "''") & "'": z_sep = ", "
        If update_EMP.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO='" & Replace(update_EMP.DEPTNO, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_EMP.IsDirty.EMPNO then z_sql = z_sql & z_sep & "EMPNO='" & Replace(where_EMP.EMPNO, "'", "''") & "'": z_sep = " and "
            If where_EMP.IsDirty.ENAME then z_sql = z_sql & z_sep & "ENAME='" & Replace(where_EMP.ENAME, "'", "''") & "'": z_sep = " and "
            If where_EMP.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO='" & Replace(where_EMP.DEPTNO, "'", "''") & "'": z_sep = " and "
        if not where_EMP.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_EMP.WhereClause
        End If 
        Dim cmd As New OracleCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertEMP(ByVal z_EMP as EMP)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into EMP("
        If z_EMP.IsDirty.EMPNO then z_sql = z_sql & z_sep & "EMPNO": z_sep = ", "
        If z_EMP.IsDirty.ENAME then z_sql = z_sql & z_sep & "ENAME": z_sep = ", "
        If z_EMP.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "DEPTNO": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_EMP.IsDirty.EMPNO then z_sql = z_sql & z_sep & "'" & Replace(z_EMP.EMPNO, "'", "''") & "'": z_sep = ", "
        If z_EMP.IsDirty.ENAME then z_sql = z_sql & z_sep & "'" & Replace(z_EMP.ENAME, "'", "''") & "'": z_sep = ", "
        If z_EMP.IsDirty.DEPTNO then z_sql = z_sql & z_sep & "'" & Replace(z_EMP.DEPTNO, "'", "''") & "'": z_sep = ", "
        z_sql = z_sql & " from dual"
        Dim cmd As New OracleCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub


End Class
End NameSpace
