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

    Public Shared Function GetOrderLinesReader(ByVal z_OrderLines as OrderLines) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from OrderLines"
        If z_OrderLines.IsDirty.OrderId then z_sql = z_sql & z_sep & "OrderId='" & Replace(z_OrderLines.OrderId, "'", "''") & "'": z_sep = " and "
        If z_OrderLines.IsDirty.LineNo then z_sql = z_sql & z_sep & "LineNo='" & Replace(z_OrderLines.LineNo, "'", "''") & "'": z_sep = " and "
        If z_OrderLines.IsDirty.Product then z_sql = z_sql & z_sep & "Product='" & Replace(z_OrderLines.Product, "'", "''") & "'": z_sep = " and "
        If z_OrderLines.IsDirty.Qty then z_sql = z_sql & z_sep & "Qty='" & Replace(z_OrderLines.Qty, "'", "''") & "'": z_sep = " and "
        if not z_OrderLines.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_OrderLines.WhereClause
        End If 
        if Not z_OrderLines.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_OrderLines.OrderClause
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

    Public Shared Sub DelOrderLines(ByVal z_OrderLines as OrderLines)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from OrderLines"
        If z_OrderLines.IsDirty.OrderId then z_sql = z_sql & z_sep & "OrderId='" & Replace(z_OrderLines.OrderId, "'", "''") & "'": z_sep = " and "
        If z_OrderLines.IsDirty.LineNo then z_sql = z_sql & z_sep & "LineNo='" & Replace(z_OrderLines.LineNo, "'", "''") & "'": z_sep = " and "
        If z_OrderLines.IsDirty.Product then z_sql = z_sql & z_sep & "Product='" & Replace(z_OrderLines.Product, "'", "''") & "'": z_sep = " and "
        If z_OrderLines.IsDirty.Qty then z_sql = z_sql & z_sep & "Qty='" & Replace(z_OrderLines.Qty, "'", "''") & "'": z_sep = " and "
        if not z_OrderLines.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_OrderLines.WhereClause
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

    Public Shared Sub UpdateOrderLines(ByVal update_OrderLines as OrderLines, ByVal where_OrderLines as OrderLines)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update OrderLines set "
        If update_OrderLines.IsDirty.OrderId then z_sql = z_sql & z_sep & "OrderId='" & Replace(update_OrderLines.OrderId, "'", "''") & "'": z_sep = ", "
        If update_OrderLines.IsDirty.LineNo then z_sql = z_sql & z_sep & "LineNo='" & Replace(update_OrderLines.LineNo, "'", "''") & "'": z_sep = ", "
        If update_OrderLines.IsDirty.Product then z_sql = z_sql & z_sep & "Product='" & Replace(update_OrderLines.Product, "'", "''") & "'": z_sep = ", "
        If update_OrderLines.IsDirty.Qty then z_sql = z_sql & z_sep & "Qty='" & Replace(update_OrderLines.Qty, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_OrderLines.IsDirty.OrderId then z_sql = z_sql & z_sep & "OrderId='" & Replace(where_OrderLines.OrderId, "'", "''") & "'": z_sep = " and "
            If where_OrderLines.IsDirty.LineNo then z_sql = z_sql & z_sep & "LineNo='" & Replace(where_OrderLines.LineNo, "'", "''") & "'": z_sep = " and "
            If where_OrderLines.IsDirty.Product then z_sql = z_sql & z_sep & "Product='" & Replace(where_OrderLines.Product, "'", "''") & "'": z_sep = " and "
            If where_OrderLines.IsDirty.Qty then z_sql = z_sql & z_sep & "Qty='" & Replace(where_OrderLines.Qty, "'", "''") & "'": z_sep = " and "
        if not where_OrderLines.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_OrderLines.WhereClause
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

    Public Shared Sub InsertOrderLines(ByVal z_OrderLines as OrderLines)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into OrderLines("
        If z_OrderLines.IsDirty.OrderId then z_sql = z_sql & z_sep & "OrderId": z_sep = ", "
        If z_OrderLines.IsDirty.LineNo then z_sql = z_sql & z_sep & "LineNo": z_sep = ", "
        If z_OrderLines.IsDirty.Product then z_sql = z_sql & z_sep & "Product": z_sep = ", "
        If z_OrderLines.IsDirty.Qty then z_sql = z_sql & z_sep & "Qty": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_OrderLines.IsDirty.OrderId then z_sql = z_sql & z_sep & "'" & Replace(z_OrderLines.OrderId, "'", "''") & "'": z_sep = ", "
        If z_OrderLines.IsDirty.LineNo then z_sql = z_sql & z_sep & "'" & Replace(z_OrderLines.LineNo, "'", "''") & "'": z_sep = ", "
        If z_OrderLines.IsDirty.Product then z_sql = z_sql & z_sep & "'" & Replace(z_OrderLines.Product, "'", "''") & "'": z_sep = ", "
        If z_OrderLines.IsDirty.Qty then z_sql = z_sql & z_sep & "'" & Replace(z_OrderLines.Qty, "'", "''") & "'": z_sep = ", "
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

    Public Shared Function GetOrdersReader(ByVal z_Orders as Orders) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from Orders"
        If z_Orders.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(z_Orders.Id, "'", "''") & "'": z_sep = " and "
        If z_Orders.IsDirty.CustomerId then z_sql = z_sql & z_sep & "CustomerId='" & Replace(z_Orders.CustomerId, "'", "''") & "'": z_sep = " and "
        If z_Orders.IsDirty.Total then z_sql = z_sql & z_sep & "Total='" & Replace(z_Orders.Total, "'", "''") & "'": z_sep = " and "
        if not z_Orders.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Orders.WhereClause
        End If 
        if Not z_Orders.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_Orders.OrderClause
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

    Public Shared Sub DelOrders(ByVal z_Orders as Orders)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from Orders"
        If z_Orders.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(z_Orders.Id, "'", "''") & "'": z_sep = " and "
        If z_Orders.IsDirty.CustomerId then z_sql = z_sql & z_sep & "CustomerId='" & Replace(z_Orders.CustomerId, "'", "''") & "'": z_sep = " and "
        If z_Orders.IsDirty.Total then z_sql = z_sql & z_sep & "Total='" & Replace(z_Orders.Total, "'", "''") & "'": z_sep = " and "
        if not z_Orders.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Orders.WhereClause
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

    Public Shared Sub UpdateOrders(ByVal update_Orders as Orders, ByVal where_Orders as Orders)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update Orders set "
        If update_Orders.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(update_Orders.Id, "'", "''") & "'": z_sep = ", "
        If update_Orders.IsDirty.CustomerId then z_sql = z_sql & z_sep & "CustomerId='" & Replace(update_Orders.CustomerId, "'", "''") & "'": z_sep = ", "
        If update_Orders.IsDirty.Total then z_sql = z_sql & z_sep & "Total='" & Replace(update_Orders.Total, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Orders.IsDirty.Id then z_sql = z_sql & z_sep & "Id='" & Replace(where_Orders.Id, "'", "''") & "'": z_sep = " and "
            If where_Orders.IsDirty.CustomerId then z_sql = z_sql & z_sep & "CustomerId='" & Replace(where_Orders.CustomerId, "'", "''") & "'": z_sep = " and "
            If where_Orders.IsDirty.Total then z_sql = z_sql & z_sep & "Total='" & Replace(where_Orders.Total, "'", "''") & "'": z_sep = " and "
        if not where_Orders.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_Orders.WhereClause
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

    Public Shared Sub InsertOrders(ByVal z_Orders as Orders)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into Orders("
        If z_Orders.IsDirty.Id then z_sql = z_sql & z_sep & "Id": z_sep = ", "
        If z_Orders.IsDirty.CustomerId then z_sql = z_sql & z_sep & "CustomerId": z_sep = ", "
        If z_Orders.IsDirty.Total then z_sql = z_sql & z_sep & "Total": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Orders.IsDirty.Id then z_sql = z_sql & z_sep & "'" & Replace(z_Orders.Id, "'", "''") & "'": z_sep = ", "
        If z_Orders.IsDirty.CustomerId then z_sql = z_sql & z_sep & "'" & Replace(z_Orders.CustomerId, "'", "''") & "'": z_sep = ", "
        If z_Orders.IsDirty.Total then z_sql = z_sql & z_sep & "'" & Replace(z_Orders.Total, "'", "''") & "'": z_sep = ", "
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


    'Foreign Keys - Join Classes
    Public Shared Function GetOrders_CustomersReader(ByVal z_Orders_Customers as Orders_Customers) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "Orders.Id AS A_Id"
        z_sql = z_sql & ", Orders.CustomerId AS A_CustomerId"
        z_sql = z_sql & ", Orders.Total AS A_Total"
        z_sql = z_sql & ", Customers.Id AS B_Id"
        z_sql = z_sql & ", Customers.Name AS B_Name"
        z_sql = z_sql & ", Customers.City AS B_City"
        z_sql = z_sql & " from Orders,Customers"
        z_sql = z_sql & z_sep & "Orders.CustomerId=Customers.Id": z_sep = " and "
        z_sql = z_sql & z_sep & "Orders.CustomerId=Customers.Id": z_sep = " and "
        If z_Orders_Customers.IsDirty.Orders_Id then z_sql = z_sql & z_sep & "Orders.Id='" & Replace(z_Orders_Customers.Orders_Id, "'", "''") & "'": z_sep = " and "
        If z_Orders_Customers.IsDirty.Orders_CustomerId then z_sql = z_sql & z_sep & "Orders.CustomerId='" & Replace(z_Orders_Customers.Orders_CustomerId, "'", "''") & "'": z_sep = " and "
        If z_Orders_Customers.IsDirty.Orders_Total then z_sql = z_sql & z_sep & "Orders.Total='" & Replace(z_Orders_Customers.Orders_Total, "'", "''") & "'": z_sep = " and "
        If z_Orders_Customers.IsDirty.Customers_Id then z_sql = z_sql & z_sep & "Customers.Id='" & Replace(z_Orders_Customers.Customers_Id, "'", "''") & "'": z_sep = " and "
        If z_Orders_Customers.IsDirty.Customers_Name then z_sql = z_sql & z_sep & "Customers.Name='" & Replace(z_Orders_Customers.Customers_Name, "'", "''") & "'": z_sep = " and "
        If z_Orders_Customers.IsDirty.Customers_City then z_sql = z_sql & z_sep & "Customers.City='" & Replace(z_Orders_Customers.Customers_City, "'", "''") & "'": z_sep = " and "
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


End Class
End NameSpace
