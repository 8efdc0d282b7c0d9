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
    Public Shared Function GetOrder DetailsReader(ByVal z_Order Details as Order Details) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from Order Details"
        If z_Order Details.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(z_Order Details.Id, "'", "''") & "'": z_sep = " and "
        If z_Order Details.IsDirty.Unit Price then z_sql = z_sql & z_sep & "Unit Price='" & Replace(z_Order Details.Unit Price, "'", "''") & "'": z_sep = " and "
        if not z_Order Details.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Order Details.WhereClause
        End If 
        if Not z_Order Details.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_Order Details.OrderClause
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

    Public Shared Sub DelOrder Details(ByVal z_Order Details as Order Details)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from Order Details"
        If z_Order Details.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(z_Order Details.Id, "'", "''") & "'": z_sep = " and "
        If z_Order Details.IsDirty.Unit Price then z_sql = z_sql & z_sep & "Unit Price='" & Replace(z_Order Details.Unit Price, "'", "''") & "'": z_sep = " and "
        if not z_Order Details.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Order Details.WhereClause
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

    Public Shared Sub UpdateOrder Details(ByVal update_Order Details as Order Details, ByVal where_Order Details as Order Details)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update Order Details set "
        If update_Order Details.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(update_Order Details.Id, "'", "''") & "'": z_sep = ", "
        If update_Order Details.IsDirty.Unit Price then z_sql = z_sql & z_sep & "Unit Price='" & Replace(update_Order Details.Unit Price, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Order Details.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(where_Order Details.Id, "'", "''") & "'": z_sep = " and "
            If where_Order Details.IsDirty.Unit Price then z_sql = z_sql & z_sep & "Unit Price='" & Replace(where_Order Details.Unit Price, "'", "''") & "'": z_sep = " and "
        if not where_Order Details.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_Order Details.WhereClause
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

    Public Shared Sub InsertOrder Details(ByVal z_Order Details as Order Details)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into Order Details("
        If z_Order Details.IsDirty.Id then z_sql = z_sql & z_sep & "Id": z_sep = ", "
        If z_Order Details.IsDirty.Unit Price then z_sql = z_sql & z_sep & "Unit Price": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Order Details.IsDirty.Id then z_sql = z_sql & z_sep & "'" & Replace(z_Order Details.Id, "'", "''") & "'": z_sep = ", "
        If z_Order Details.IsDirty.Unit Price then z_sql = z_sql & z_sep & "'" & Replace(z_Order Details.Unit Price, "'", "''") & "'": z_sep = ", "
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
