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
