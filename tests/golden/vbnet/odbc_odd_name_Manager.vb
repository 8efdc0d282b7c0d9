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
Public Module Order DetailsManager
    Public Function GetOrder Details(ByVal z_Order Details as Order Details) As Order Details
        dim y_Order Details as New Order Details()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrder DetailsReader(z_Order Details)
            If rdr.Read() then
                If Not IsDBNull(rdr("Id")) Then y_Order Details.Id=rdr("Id")
                If Not IsDBNull(rdr("Unit Price")) Then y_Order Details.Unit Price=rdr("Unit Price")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Order Details
    End Function

    Public Sub SaveOrder Details(ByVal update_Order Details as Order Details, ByVal where_Order Details as Order Details)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrder DetailsReader(where_Order Details)
            If rdr.Read() Then
                DAL.UpdateOrder Details(update_Order Details, where_Order Details)
                else
                DAL.InsertOrder Details(update_Order Details)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveOrder Details(ByVal update_Order Details as Order Details)
        Dim y_Order Details as Order Details
        y_Order Details = New Order Details
        y_Order Details.Id = update_Order Details.Id
        SaveOrder Details (update_Order Details, y_Order Details)
    End Sub

    Public Sub DeleteOrder Details(ByVal z_Order Details as Order Details)
        DAL.DelOrder Details (z_Order Details)
    End Sub

    Public Function ListOrder Details(ByVal z_Order Details as Order Details) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Order Details as Order Details
        Try
            rdr = DAL.GetOrder DetailsReader(z_Order Details)
            While (rdr.Read())
                y_Order Details = New Order Details()
                If Not IsDBNull(rdr("Id")) Then y_Order Details.Id=rdr("Id")
                If Not IsDBNull(rdr("Unit Price")) Then y_Order Details.Unit Price=rdr("Unit Price")
                liste.Add (y_Order Details)
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
