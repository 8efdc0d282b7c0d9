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

End NameSpace
