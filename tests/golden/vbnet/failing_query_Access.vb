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
    Public Shared Function GetAReader(ByVal z_A as A) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from A"
        If z_A.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(z_A.Id, "'", "''") & "'": z_sep = " and "
        if not z_A.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_A.WhereClause
        End If 
        if Not z_A.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_A.OrderClause
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

    Public Shared Sub DelA(ByVal z_A as A)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from A"
        If z_A.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(z_A.Id, "'", "''") & "'": z_sep = " and "
        if not z_A.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_A.WhereClause
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

    Public Shared Sub UpdateA(ByVal update_A as A, ByVal where_A as A)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update A set "
        If update_A.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(update_A.Id, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_A.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(where_A.Id, "'", "''") & "'": z_sep = " and "
        if not where_A.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_A.WhereClause
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

    Public Shared Sub InsertA(ByVal z_A as A)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into A("
        If z_A.IsDirty.Id then z_sql = z_sql & z_sep & "Id": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_A.IsDirty.Id then z_sql = z_sql & z_sep & "'" & Replace(z_A.Id, "'", "''") & "'": z_sep = ", "
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

    Public Shared Function GetBReader(ByVal z_B as B) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from B"
        if not z_B.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_B.WhereClause
        End If 
        if Not z_B.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_B.OrderClause
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

    Public Shared Sub DelB(ByVal z_B as B)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from B"
        if not z_B.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_B.WhereClause
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

    Public Shared Sub UpdateB(ByVal update_B as B, ByVal where_B as B)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update B set "
        z_sep = " where "
        if not where_B.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_B.WhereClause
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

    Public Shared Sub InsertB(ByVal z_B as B)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into B("
        z_sql = z_sql & ") select "
            z_sep = ""
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

    Public Shared Function GetCReader(ByVal z_C as C) As IDataReader
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from C"
        If z_C.IsDirty.Code then z_sql = z_sql & z_sep & "Code='" & Replace(z_C.Code, "'", "''") & "'": z_sep = " and "
        If z_C.IsDirty.Label then z_sql = z_sql & z_sep & "Label='" & Replace(z_C.Label, "'", "''") & "'": z_sep = " and "
        if not z_C.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_C.WhereClause
        End If 
        if Not z_C.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_C.OrderClause
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

    Public Shared Sub DelC(ByVal z_C as C)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from C"
        If z_C.IsDirty.Code then z_sql = z_sql & z_sep & "Code='" & Replace(z_C.Code, "'", "''") & "'": z_sep = " and "
        If z_C.IsDirty.Label then z_sql = z_sql & z_sep & "Label='" & Replace(z_C.Label, "'", "''") & "'": z_sep = " and "
        if not z_C.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_C.WhereClause
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

    Public Shared Sub UpdateC(ByVal update_C as C, ByVal where_C as C)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update C set "
        If update_C.IsDirty.Code then z_sql = z_sql & z_sep & "Code='" & Replace(update_C.Code, "'", "''") & "'": z_sep = ", "
        If update_C.IsDirty.Label then z_sql = z_sql & z_sep & "Label='" & Replace(update_C.Label, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_C.IsDirty.Code then z_sql = z_sql & z_sep & "Code='" & Replace(where_C.Code, "'", "''") & "'": z_sep = " and "
            If where_C.IsDirty.Label then z_sql = z_sql & z_sep & "Label='" & Replace(where_C.Label, "'", "''") & "'": z_sep = " and "
        if not where_C.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_C.WhereClause
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

    Public Shared Sub InsertC(ByVal z_C as C)
        Dim cnx As OracleConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into C("
        If z_C.IsDirty.Code then z_sql = z_sql & z_sep & "Code": z_sep = ", "
        If z_C.IsDirty.Label then z_sql = z_sql & z_sep & "Label": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_C.IsDirty.Code then z_sql = z_sql & z_sep & "'" & Replace(z_C.Code, "'", "''") & "'": z_sep = ", "
        If z_C.IsDirty.Label then z_sql = z_sql & z_sep & "'" & Replace(z_C.Label, "'", "''") & "'": z_sep = ", "
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
