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
Public Module AManager
    Public Function GetA(ByVal z_A as A) As A
        dim y_A as New A()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetAReader(z_A)
            If rdr.Read() then
                If Not IsDBNull(rdr("Id")) Then y_A.Id=rdr("Id")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_A
    End Function

    Public Sub SaveA(ByVal update_A as A, ByVal where_A as A)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetAReader(where_A)
            If rdr.Read() Then
                DAL.UpdateA(update_A, where_A)
                else
                DAL.InsertA(update_A)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveA(ByVal update_A as A)
        Dim y_A as A
        y_A = New A
        y_A.Id = update_A.Id
        SaveA (update_A, y_A)
    End Sub

    Public Sub DeleteA(ByVal z_A as A)
        DAL.DelA (z_A)
    End Sub

    Public Function ListA(ByVal z_A as A) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_A as A
        Try
            rdr = DAL.GetAReader(z_A)
            While (rdr.Read())
                y_A = New A()
                If Not IsDBNull(rdr("Id")) Then y_A.Id=rdr("Id")
                liste.Add (y_A)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module BManager
    Public Function GetB(ByVal z_B as B) As B
        dim y_B as New B()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetBReader(z_B)
            If rdr.Read() then
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_B
    End Function

    Public Sub SaveB(ByVal update_B as B, ByVal where_B as B)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetBReader(where_B)
            If rdr.Read() Then
                DAL.UpdateB(update_B, where_B)
                else
                DAL.InsertB(update_B)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveB(ByVal update_B as B)
        Dim y_B as B
        y_B = New B
        y_B.Id = update_B.Id
        SaveB (update_B, y_B)
    End Sub

    Public Sub DeleteB(ByVal z_B as B)
        DAL.DelB (z_B)
    End Sub

    Public Function ListB(ByVal z_B as B) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_B as B
        Try
            rdr = DAL.GetBReader(z_B)
            While (rdr.Read())
                y_B = New B()
                liste.Add (y_B)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module CManager
    Public Function GetC(ByVal z_C as C) As C
        dim y_C as New C()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetCReader(z_C)
            If rdr.Read() then
                If Not IsDBNull(rdr("Code")) Then y_C.Code=rdr("Code")
                If Not IsDBNull(rdr("Label")) Then y_C.Label=rdr("Label")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_C
    End Function

    Public Sub SaveC(ByVal update_C as C, ByVal where_C as C)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetCReader(where_C)
            If rdr.Read() Then
                DAL.UpdateC(update_C, where_C)
                else
                DAL.InsertC(update_C)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveC(ByVal update_C as C)
        Dim y_C as C
        y_C = New C
        y_C.Code = update_C.Code
        SaveC (update_C, y_C)
    End Sub

    Public Sub DeleteC(ByVal z_C as C)
        DAL.DelC (z_C)
    End Sub

    Public Function ListC(ByVal z_C as C) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_C as C
        Try
            rdr = DAL.GetCReader(z_C)
            While (rdr.Read())
                y_C = New C()
                If Not IsDBNull(rdr("Code")) Then y_C.Code=rdr("Code")
                If Not IsDBNull(rdr("Label")) Then y_C.Label=rdr("Label")
                liste.Add (y_C)
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
