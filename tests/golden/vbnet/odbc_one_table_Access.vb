Imports System.Data.OleDB
Imports System.Configuration
    'Define in your Web Config Shop_cnxstr as
    'ConnectionString = "DRIVER=SQLite3;Database=C:\data\shop.db"

NameSpace Common.Data
Public Class DAL

    'General Connection Function
    Public Shared Function Get_Connection() As OleDB.OleDBConnection
        Dim My_Cnx As OleDB.OleDBConnection
        My_Cnx = New OleDB.OleDBConnection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings("Shop_cnxstr")
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
    Public Shared Function GetCustomersReader(ByVal z_Customers as Customers) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from Customers"
        If z_Customers.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(z_Customers.Id, "'", "''") & "'": z_sep = " and "
        If z_Customers.IsDirty.Name then z_sql = z_sql & z_sep & "Name='" & Replace(z_Customers.Name, "'", "''") & "'": z_sep = " and "
        If z_Customers.IsDirty.City then z_sql = z_sql & z_sep & "City='" & Replace(z_Customers.City, "'", "''") & "'": z_sep = " and "
        if not z_Customers.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Customers.WhereClause
        End If 
        if Not z_Customers.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_Customers.OrderClause
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Dim rdr As OleDBDataReader
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

    Public Shared Sub DelCustomers(ByVal z_Customers as Customers)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from Customers"
        If z_Customers.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(z_Customers.Id, "'", "''") & "'": z_sep = " and "
        If z_Customers.IsDirty.Name then z_sql = z_sql & z_sep & "Name='" & Replace(z_Customers.Name, "'", "''") & "'": z_sep = " and "
        If z_Customers.IsDirty.City then z_sql = z_sql & z_sep & "City='" & Replace(z_Customers.City, "'", "''") & "'": z_sep = " and "
        if not z_Customers.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Customers.WhereClause
        End If 
        Dim cmd As New OleDBCommand(z_sql, cnx)
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

    Public Shared Sub UpdateCustomers(ByVal update_Customers as Customers, ByVal where_Customers as Customers)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update Customers set "
        If update_Customers.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(update_Customers.Id, "'", "''") & "'": z_sep = ", "
        If update_Customers.IsDirty.Name then z_sql = z_sql & z_sep & "Name='" & Replace(update_Customers.Name, "'", "''") & "'": z_sep = ", "
        If update_Customers.IsDirty.City then z_sql = z_sql & z_sep & "City='" & Replace(update_Customers.City, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Customers.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(where_Customers.Id, "'", "''") & "'": z_sep = " and "
            If where_Customers.IsDirty.Name then z_sql = z_sql & z_sep & "Name='" & Replace(where_Customers.Name, "'", "''") & "'": z_sep = " and "
            If where_Customers.IsDirty.City then z_sql = z_sql & z_sep & "City='" & Replace(where_Customers.City, "'", "''") & "'": z_sep = " and "
        if not where_Customers.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_Customers.WhereClause
        End If 
        Dim cmd As New OleDBCommand(z_sql, cnx)
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

    Public Shared Sub InsertCustomers(ByVal z_Customers as Customers)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into Customers("
        If z_Customers.IsDirty.Id then z_sql = z_sql & z_sep & "Id": z_sep = ", "
        If z_Customers.IsDirty.Name then z_sql = z_sql & z_sep & "Name": z_sep = ", "
        If z_Customers.IsDirty.City then z_sql = z_sql & z_sep & "City": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Customers.IsDirty.Id then z_sql = z_sql & z_sep & "'" & Replace(z_Customers.Id, "'", "''") & "'": z_sep = ", "
        If z_Customers.IsDirty.Name then z_sql = z_sql & z_sep & "'" & Replace(z_Customers.Name, "'", "''") & "'": z_sep = ", "
        If z_Customers.IsDirty.City then z_sql = z_sql & z_sep & "'" & Replace(z_Customers.City, "'", "''") & "'": z_sep = ", "
        z_sql = z_sql & ""
        Dim cmd As New OleDBCommand(z_sql, cnx)
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
