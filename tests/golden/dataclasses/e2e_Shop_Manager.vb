NameSpace Common.Data
    'For each Table :
    '    Function Get<Table>(<TableClass1>) as <TableClass2>
    '        <TableClass1> contains fields to build where clause in select statement
    '        <TableClass2> returns selected row
    '    Sub Save<Table>(<TableClass1, TableClass2>)
    '        <TableClass1> contains fields to update or insert
    '        <TableClass2> contains fields to build where clause in update statement, not used for insert
    '    Sub Save<Table>(<TableClass>)
    '        <TableClass> contains fields to update or insert
    '        The where clause is built with primary key fields of <TableClass>
    '    Sub Delete<Table>(<TableClass>)
    '        <TableClass> contains fields to build where clause in delete statement
    '    Function List<Table>(<TableClass>) as ArrayList
    '        <TableClass> contains fields to build where clause in select statement
    '        ArrayList returns selected rows as an array of <TableClass>
Public Module CustomersManager
    Public Function GetCustomers(ByVal z_Customers as Customers) As Customers
        dim y_Customers as New Customers()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetCustomersReader(z_Customers)
            If rdr.Read() then
                If Not IsDBNull(rdr("Id")) Then y_Customers.Id=rdr("Id")
                If Not IsDBNull(rdr("Name")) Then y_Customers.Name=rdr("Name")
                If Not IsDBNull(rdr("City")) Then y_Customers.City=rdr("City")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Customers
    End Function

    Public Sub SaveCustomers(ByVal update_Customers as Customers, ByVal where_Customers as Customers)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetCustomersReader(where_Customers)
            If rdr.Read() Then
                DAL.UpdateCustomers(update_Customers, where_Customers)
                else
                DAL.InsertCustomers(update_Customers)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveCustomers(ByVal update_Customers as Customers)
        Dim y_Customers as Customers
        y_Customers = New Customers
        y_Customers.Id = update_Customers.Id
        SaveCustomers (update_Customers, y_Customers)
    End Sub

    Public Sub DeleteCustomers(ByVal z_Customers as Customers)
        DAL.DelCustomers (z_Customers)
    End Sub

    Public Function ListCustomers(ByVal z_Customers as Customers) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Customers as Customers
        Try
            rdr = DAL.GetCustomersReader(z_Customers)
            While (rdr.Read())
                y_Customers = New Customers()
                If Not IsDBNull(rdr("Id")) Then y_Customers.Id=rdr("Id")
                If Not IsDBNull(rdr("Name")) Then y_Customers.Name=rdr("Name")
                If Not IsDBNull(rdr("City")) Then y_Customers.City=rdr("City")
                liste.Add (y_Customers)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module OrderLinesManager
    Public Function GetOrderLines(ByVal z_OrderLines as OrderLines) As OrderLines
        dim y_OrderLines as New OrderLines()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrderLinesReader(z_OrderLines)
            If rdr.Read() then
                If Not IsDBNull(rdr("OrderId")) Then y_OrderLines.OrderId=rdr("OrderId")
                If Not IsDBNull(rdr("LineNo")) Then y_OrderLines.LineNo=rdr("LineNo")
                If Not IsDBNull(rdr("Product")) Then y_OrderLines.Product=rdr("Product")
                If Not IsDBNull(rdr("Qty")) Then y_OrderLines.Qty=rdr("Qty")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_OrderLines
    End Function

    Public Sub SaveOrderLines(ByVal update_OrderLines as OrderLines, ByVal where_OrderLines as OrderLines)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrderLinesReader(where_OrderLines)
            If rdr.Read() Then
                DAL.UpdateOrderLines(update_OrderLines, where_OrderLines)
                else
                DAL.InsertOrderLines(update_OrderLines)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveOrderLines(ByVal update_OrderLines as OrderLines)
        Dim y_OrderLines as OrderLines
        y_OrderLines = New OrderLines
        y_OrderLines.OrderId = update_OrderLines.OrderId
        y_OrderLines.LineNo = update_OrderLines.LineNo
        SaveOrderLines (update_OrderLines, y_OrderLines)
    End Sub

    Public Sub DeleteOrderLines(ByVal z_OrderLines as OrderLines)
        DAL.DelOrderLines (z_OrderLines)
    End Sub

    Public Function ListOrderLines(ByVal z_OrderLines as OrderLines) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_OrderLines as OrderLines
        Try
            rdr = DAL.GetOrderLinesReader(z_OrderLines)
            While (rdr.Read())
                y_OrderLines = New OrderLines()
                If Not IsDBNull(rdr("OrderId")) Then y_OrderLines.OrderId=rdr("OrderId")
                If Not IsDBNull(rdr("LineNo")) Then y_OrderLines.LineNo=rdr("LineNo")
                If Not IsDBNull(rdr("Product")) Then y_OrderLines.Product=rdr("Product")
                If Not IsDBNull(rdr("Qty")) Then y_OrderLines.Qty=rdr("Qty")
                liste.Add (y_OrderLines)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module OrdersManager
    Public Function GetOrders(ByVal z_Orders as Orders) As Orders
        dim y_Orders as New Orders()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrdersReader(z_Orders)
            If rdr.Read() then
                If Not IsDBNull(rdr("Id")) Then y_Orders.Id=rdr("Id")
                If Not IsDBNull(rdr("CustomerId")) Then y_Orders.CustomerId=rdr("CustomerId")
                If Not IsDBNull(rdr("Total")) Then y_Orders.Total=rdr("Total")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Orders
    End Function

    Public Sub SaveOrders(ByVal update_Orders as Orders, ByVal where_Orders as Orders)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrdersReader(where_Orders)
            If rdr.Read() Then
                DAL.UpdateOrders(update_Orders, where_Orders)
                else
                DAL.InsertOrders(update_Orders)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveOrders(ByVal update_Orders as Orders)
        Dim y_Orders as Orders
        y_Orders = New Orders
        y_Orders.Id = update_Orders.Id
        SaveOrders (update_Orders, y_Orders)
    End Sub

    Public Sub DeleteOrders(ByVal z_Orders as Orders)
        DAL.DelOrders (z_Orders)
    End Sub

    Public Function ListOrders(ByVal z_Orders as Orders) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Orders as Orders
        Try
            rdr = DAL.GetOrdersReader(z_Orders)
            While (rdr.Read())
                y_Orders = New Orders()
                If Not IsDBNull(rdr("Id")) Then y_Orders.Id=rdr("Id")
                If Not IsDBNull(rdr("CustomerId")) Then y_Orders.CustomerId=rdr("CustomerId")
                If Not IsDBNull(rdr("Total")) Then y_Orders.Total=rdr("Total")
                liste.Add (y_Orders)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module


    'Foreign Keys - Join Classes
Public Module Orders_CustomersManager
    Public Function GetOrders_Customers(ByVal z_Orders_Customers as Orders_Customers) As Orders_Customers
        dim y_Orders_Customers as New Orders_Customers()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrders_CustomersReader(z_Orders_Customers)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_Id")) Then y_Orders_Customers.Orders_Id=rdr("A_Id")
                If Not IsDBNull(rdr("A_CustomerId")) Then y_Orders_Customers.Orders_CustomerId=rdr("A_CustomerId")
                If Not IsDBNull(rdr("A_Total")) Then y_Orders_Customers.Orders_Total=rdr("A_Total")
                If Not IsDBNull(rdr("B_Id")) Then y_Orders_Customers.Customers_Id=rdr("B_Id")
                If Not IsDBNull(rdr("B_Name")) Then y_Orders_Customers.Customers_Name=rdr("B_Name")
                If Not IsDBNull(rdr("B_City")) Then y_Orders_Customers.Customers_City=rdr("B_City")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Orders_Customers
    End Function


    Public Function ListOrders_Customers(ByVal z_Orders_Customers as Orders_Customers) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Orders_Customers as Orders_Customers
        Try
            rdr = DAL.GetOrders_CustomersReader(z_Orders_Customers)
            While (rdr.Read())
                y_Orders_Customers = New Orders_Customers()
                If Not IsDBNull(rdr("A_Id")) Then y_Orders_Customers.Orders_Id=rdr("A_Id")
                If Not IsDBNull(rdr("A_CustomerId")) Then y_Orders_Customers.Orders_CustomerId=rdr("A_CustomerId")
                If Not IsDBNull(rdr("A_Total")) Then y_Orders_Customers.Orders_Total=rdr("A_Total")
                If Not IsDBNull(rdr("B_Id")) Then y_Orders_Customers.Customers_Id=rdr("B_Id")
                If Not IsDBNull(rdr("B_Name")) Then y_Orders_Customers.Customers_Name=rdr("B_Name")
                If Not IsDBNull(rdr("B_City")) Then y_Orders_Customers.Customers_City=rdr("B_City")
                liste.Add (y_Orders_Customers)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

End NameSpace
