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
Public Module Table1Manager
    Public Function GetTable1(ByVal z_Table1 as Table1) As Table1
        dim y_Table1 as New Table1()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable1Reader(z_Table1)
            If rdr.Read() then
                If Not IsDBNull(rdr("id")) Then y_Table1.id=rdr("id")
                If Not IsDBNull(rdr("otherfk1")) Then y_Table1.otherfk1=rdr("otherfk1")
                If Not IsDBNull(rdr("otherfk2")) Then y_Table1.otherfk2=rdr("otherfk2")
                If Not IsDBNull(rdr("data")) Then y_Table1.data=rdr("data")
                If Not IsDBNull(rdr("otherfk3")) Then y_Table1.otherfk3=rdr("otherfk3")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Table1
    End Function

    Public Sub SaveTable1(ByVal update_Table1 as Table1, ByVal where_Table1 as Table1)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable1Reader(where_Table1)
            If rdr.Read() Then
                DAL.UpdateTable1(update_Table1, where_Table1)
                else
                DAL.InsertTable1(update_Table1)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveTable1(ByVal update_Table1 as Table1)
        Dim y_Table1 as Table1
        y_Table1 = New Table1
        y_Table1.id = update_Table1.id
        SaveTable1 (update_Table1, y_Table1)
    End Sub

    Public Sub DeleteTable1(ByVal z_Table1 as Table1)
        DAL.DelTable1 (z_Table1)
    End Sub

    Public Function ListTable1(ByVal z_Table1 as Table1) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Table1 as Table1
        Try
            rdr = DAL.GetTable1Reader(z_Table1)
            While (rdr.Read())
                y_Table1 = New Table1()
                If Not IsDBNull(rdr("id")) Then y_Table1.id=rdr("id")
                If Not IsDBNull(rdr("otherfk1")) Then y_Table1.otherfk1=rdr("otherfk1")
                If Not IsDBNull(rdr("otherfk2")) Then y_Table1.otherfk2=rdr("otherfk2")
                If Not IsDBNull(rdr("data")) Then y_Table1.data=rdr("data")
                If Not IsDBNull(rdr("otherfk3")) Then y_Table1.otherfk3=rdr("otherfk3")
                liste.Add (y_Table1)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module Table2Manager
    Public Function GetTable2(ByVal z_Table2 as Table2) As Table2
        dim y_Table2 as New Table2()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable2Reader(z_Table2)
            If rdr.Read() then
                If Not IsDBNull(rdr("id")) Then y_Table2.id=rdr("id")
                If Not IsDBNull(rdr("data")) Then y_Table2.data=rdr("data")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Table2
    End Function

    Public Sub SaveTable2(ByVal update_Table2 as Table2, ByVal where_Table2 as Table2)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable2Reader(where_Table2)
            If rdr.Read() Then
                DAL.UpdateTable2(update_Table2, where_Table2)
                else
                DAL.InsertTable2(update_Table2)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveTable2(ByVal update_Table2 as Table2)
        Dim y_Table2 as Table2
        y_Table2 = New Table2
        y_Table2.id = update_Table2.id
        SaveTable2 (update_Table2, y_Table2)
    End Sub

    Public Sub DeleteTable2(ByVal z_Table2 as Table2)
        DAL.DelTable2 (z_Table2)
    End Sub

    Public Function ListTable2(ByVal z_Table2 as Table2) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Table2 as Table2
        Try
            rdr = DAL.GetTable2Reader(z_Table2)
            While (rdr.Read())
                y_Table2 = New Table2()
                If Not IsDBNull(rdr("id")) Then y_Table2.id=rdr("id")
                If Not IsDBNull(rdr("data")) Then y_Table2.data=rdr("data")
                liste.Add (y_Table2)
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
Public Module Table1_Table2Manager
    Public Function GetTable1_Table2(ByVal z_Table1_Table2 as Table1_Table2) As Table1_Table2
        dim y_Table1_Table2 as New Table1_Table2()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable1_Table2Reader(z_Table1_Table2)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_id")) Then y_Table1_Table2.Table1_id=rdr("A_id")
                If Not IsDBNull(rdr("A_otherfk1")) Then y_Table1_Table2.Table1_otherfk1=rdr("A_otherfk1")
                If Not IsDBNull(rdr("A_otherfk2")) Then y_Table1_Table2.Table1_otherfk2=rdr("A_otherfk2")
                If Not IsDBNull(rdr("A_data")) Then y_Table1_Table2.Table1_data=rdr("A_data")
                If Not IsDBNull(rdr("A_otherfk3")) Then y_Table1_Table2.Table1_otherfk3=rdr("A_otherfk3")
                If Not IsDBNull(rdr("B_id")) Then y_Table1_Table2.Table2_id=rdr("B_id")
                If Not IsDBNull(rdr("B_data")) Then y_Table1_Table2.Table2_data=rdr("B_data")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Table1_Table2
    End Function


    Public Function ListTable1_Table2(ByVal z_Table1_Table2 as Table1_Table2) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Table1_Table2 as Table1_Table2
        Try
            rdr = DAL.GetTable1_Table2Reader(z_Table1_Table2)
            While (rdr.Read())
                y_Table1_Table2 = New Table1_Table2()
                If Not IsDBNull(rdr("A_id")) Then y_Table1_Table2.Table1_id=rdr("A_id")
                If Not IsDBNull(rdr("A_otherfk1")) Then y_Table1_Table2.Table1_otherfk1=rdr("A_otherfk1")
                If Not IsDBNull(rdr("A_otherfk2")) Then y_Table1_Table2.Table1_otherfk2=rdr("A_otherfk2")
                If Not IsDBNull(rdr("A_data")) Then y_Table1_Table2.Table1_data=rdr("A_data")
                If Not IsDBNull(rdr("A_otherfk3")) Then y_Table1_Table2.Table1_otherfk3=rdr("A_otherfk3")
                If Not IsDBNull(rdr("B_id")) Then y_Table1_Table2.Table2_id=rdr("B_id")
                If Not IsDBNull(rdr("B_data")) Then y_Table1_Table2.Table2_data=rdr("B_data")
                liste.Add (y_Table1_Table2)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module Table1_Table3Manager
    Public Function GetTable1_Table3(ByVal z_Table1_Table3 as Table1_Table3) As Table1_Table3
        dim y_Table1_Table3 as New Table1_Table3()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable1_Table3Reader(z_Table1_Table3)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_id")) Then y_Table1_Table3.Table1_id=rdr("A_id")
                If Not IsDBNull(rdr("A_otherfk1")) Then y_Table1_Table3.Table1_otherfk1=rdr("A_otherfk1")
                If Not IsDBNull(rdr("A_otherfk2")) Then y_Table1_Table3.Table1_otherfk2=rdr("A_otherfk2")
                If Not IsDBNull(rdr("A_data")) Then y_Table1_Table3.Table1_data=rdr("A_data")
                If Not IsDBNull(rdr("A_otherfk3")) Then y_Table1_Table3.Table1_otherfk3=rdr("A_otherfk3")
                If Not IsDBNull(rdr("B_id")) Then y_Table1_Table3.Table3_id=rdr("B_id")
                If Not IsDBNull(rdr("B_data")) Then y_Table1_Table3.Table3_data=rdr("B_data")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Table1_Table3
    End Function


    Public Function ListTable1_Table3(ByVal z_Table1_Table3 as Table1_Table3) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Table1_Table3 as Table1_Table3
        Try
            rdr = DAL.GetTable1_Table3Reader(z_Table1_Table3)
            While (rdr.Read())
                y_Table1_Table3 = New Table1_Table3()
                If Not IsDBNull(rdr("A_id")) Then y_Table1_Table3.Table1_id=rdr("A_id")
                If Not IsDBNull(rdr("A_otherfk1")) Then y_Table1_Table3.Table1_otherfk1=rdr("A_otherfk1")
                If Not IsDBNull(rdr("A_otherfk2")) Then y_Table1_Table3.Table1_otherfk2=rdr("A_otherfk2")
                If Not IsDBNull(rdr("A_data")) Then y_Table1_Table3.Table1_data=rdr("A_data")
                If Not IsDBNull(rdr("A_otherfk3")) Then y_Table1_Table3.Table1_otherfk3=rdr("A_otherfk3")
                If Not IsDBNull(rdr("B_id")) Then y_Table1_Table3.Table3_id=rdr("B_id")
                If Not IsDBNull(rdr("B_data")) Then y_Table1_Table3.Table3_data=rdr("B_data")
                liste.Add (y_Table1_Table3)
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
