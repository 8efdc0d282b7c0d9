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

Public Module LostManager
    Public Function GetLost(ByVal z_Lost as Lost) As Lost
        dim y_Lost as New Lost()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetLostReader(z_Lost)
            If rdr.Read() then
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Lost
    End Function

    Public Sub SaveLost(ByVal update_Lost as Lost, ByVal where_Lost as Lost)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetLostReader(where_Lost)
            If rdr.Read() Then
                DAL.UpdateLost(update_Lost, where_Lost)
                else
                DAL.InsertLost(update_Lost)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveLost(ByVal update_Lost as Lost)
        Dim y_Lost as Lost
        y_Lost = New Lost
        Throw New System.InvalidOperationException("Lost has no primary key")
    End Sub

    Public Sub DeleteLost(ByVal z_Lost as Lost)
        DAL.DelLost (z_Lost)
    End Sub

    Public Function ListLost(ByVal z_Lost as Lost) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Lost as Lost
        Try
            rdr = DAL.GetLostReader(z_Lost)
            While (rdr.Read())
                y_Lost = New Lost()
                liste.Add (y_Lost)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module NotesManager
    Public Function GetNotes(ByVal z_Notes as Notes) As Notes
        dim y_Notes as New Notes()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetNotesReader(z_Notes)
            If rdr.Read() then
                If Not IsDBNull(rdr("Body")) Then y_Notes.Body=rdr("Body")
                If Not IsDBNull(rdr("Stamp")) Then y_Notes.Stamp=rdr("Stamp")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Notes
    End Function

    Public Sub SaveNotes(ByVal update_Notes as Notes, ByVal where_Notes as Notes)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetNotesReader(where_Notes)
            If rdr.Read() Then
                DAL.UpdateNotes(update_Notes, where_Notes)
                else
                DAL.InsertNotes(update_Notes)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveNotes(ByVal update_Notes as Notes)
        Dim y_Notes as Notes
        y_Notes = New Notes
        Throw New System.InvalidOperationException("Notes has no primary key")
    End Sub

    Public Sub DeleteNotes(ByVal z_Notes as Notes)
        DAL.DelNotes (z_Notes)
    End Sub

    Public Function ListNotes(ByVal z_Notes as Notes) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Notes as Notes
        Try
            rdr = DAL.GetNotesReader(z_Notes)
            While (rdr.Read())
                y_Notes = New Notes()
                If Not IsDBNull(rdr("Body")) Then y_Notes.Body=rdr("Body")
                If Not IsDBNull(rdr("Stamp")) Then y_Notes.Stamp=rdr("Stamp")
                liste.Add (y_Notes)
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
