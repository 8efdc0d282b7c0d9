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
                If Not IsDBNull(rdr("A")) Then y_Table1.A=rdr("A")
                If Not IsDBNull(rdr("B")) Then y_Table1.B=rdr("B")
                If Not IsDBNull(rdr("C")) Then y_Table1.C=rdr("C")
                If Not IsDBNull(rdr("D")) Then y_Table1.D=rdr("D")
                If Not IsDBNull(rdr("E")) Then y_Table1.E=rdr("E")
                If Not IsDBNull(rdr("F")) Then y_Table1.F=rdr("F")
                If Not IsDBNull(rdr("G")) Then y_Table1.G=rdr("G")
                If Not IsDBNull(rdr("H")) Then y_Table1.H=rdr("H")
                If Not IsDBNull(rdr("I")) Then y_Table1.I=rdr("I")
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
        y_Table1.A = update_Table1.A
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
                If Not IsDBNull(rdr("A")) Then y_Table1.A=rdr("A")
                If Not IsDBNull(rdr("B")) Then y_Table1.B=rdr("B")
                If Not IsDBNull(rdr("C")) Then y_Table1.C=rdr("C")
                If Not IsDBNull(rdr("D")) Then y_Table1.D=rdr("D")
                If Not IsDBNull(rdr("E")) Then y_Table1.E=rdr("E")
                If Not IsDBNull(rdr("F")) Then y_Table1.F=rdr("F")
                If Not IsDBNull(rdr("G")) Then y_Table1.G=rdr("G")
                If Not IsDBNull(rdr("H")) Then y_Table1.H=rdr("H")
                If Not IsDBNull(rdr("I")) Then y_Table1.I=rdr("I")
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
                If Not IsDBNull(rdr("column1")) Then y_Table2.column1=rdr("column1")
                If Not IsDBNull(rdr("column2")) Then y_Table2.column2=rdr("column2")
                If Not IsDBNull(rdr("column3")) Then y_Table2.column3=rdr("column3")
                If Not IsDBNull(rdr("column4")) Then y_Table2.column4=rdr("column4")
                If Not IsDBNull(rdr("column5")) Then y_Table2.column5=rdr("column5")
                If Not IsDBNull(rdr("column6")) Then y_Table2.column6=rdr("column6")
                If Not IsDBNull(rdr("column7")) Then y_Table2.column7=rdr("column7")
                If Not IsDBNull(rdr("column8")) Then y_Table2.column8=rdr("column8")
                If Not IsDBNull(rdr("column9")) Then y_Table2.column9=rdr("column9")
                If Not IsDBNull(rdr("column10")) Then y_Table2.column10=rdr("column10")
                If Not IsDBNull(rdr("column11")) Then y_Table2.column11=rdr("column11")
                If Not IsDBNull(rdr("column12")) Then y_Table2.column12=rdr("column12")
                If Not IsDBNull(rdr("column13")) Then y_Table2.column13=rdr("column13")
                If Not IsDBNull(rdr("column14")) Then y_Table2.column14=rdr("column14")
                If Not IsDBNull(rdr("column15")) Then y_Table2.column15=rdr("column15")
                If Not IsDBNull(rdr("column16")) Then y_Table2.column16=rdr("column16")
                If Not IsDBNull(rdr("column17")) Then y_Table2.column17=rdr("column17")
                If Not IsDBNull(rdr("column18")) Then y_Table2.column18=rdr("column18")
                If Not IsDBNull(rdr("column19")) Then y_Table2.column19=rdr("column19")
                If Not IsDBNull(rdr("column20")) Then y_Table2.column20=rdr("column20")
                If Not IsDBNull(rdr("column21")) Then y_Table2.column21=rdr("column21")
                If Not IsDBNull(rdr("column22")) Then y_Table2.column22=rdr("column22")
                If Not IsDBNull(rdr("column23")) Then y_Table2.column23=rdr("column23")
                If Not IsDBNull(rdr("column24")) Then y_Table2.column24=rdr("column24")
                If Not IsDBNull(rdr("column25")) Then y_Table2.column25=rdr("column25")
                If Not IsDBNull(rdr("column26")) Then y_Table2.column26=rdr("column26")
                If Not IsDBNull(rdr("column27")) Then y_Table2.column27=rdr("column27")
                If Not IsDBNull(rdr("column28")) Then y_Table2.column28=rdr("column28")
                If Not IsDBNull(rdr("column29")) Then y_Table2.column29=rdr("column29")
                If Not IsDBNull(rdr("column30")) Then y_Table2.column30=rdr("column30")
                If Not IsDBNull(rdr("column31")) Then y_Table2.column31=rdr("column31")
                If Not IsDBNull(rdr("column32")) Then y_Table2.column32=rdr("column32")
                If Not IsDBNull(rdr("column33")) Then y_Table2.column33=rdr("column33")
                If Not IsDBNull(rdr("column34")) Then y_Table2.column34=rdr("column34")
                If Not IsDBNull(rdr("column35")) Then y_Table2.column35=rdr("column35")
                If Not IsDBNull(rdr("column36")) Then y_Table2.column36=rdr("column36")
                If Not IsDBNull(rdr("column37")) Then y_Table2.column37=rdr("column37")
                If Not IsDBNull(rdr("column38")) Then y_Table2.column38=rdr("column38")
                If Not IsDBNull(rdr("column39")) Then y_Table2.column39=rdr("column39")
                If Not IsDBNull(rdr("column40")) Then y_Table2.column40=rdr("column40")
                If Not IsDBNull(rdr("column41")) Then y_Table2.column41=rdr("column41")
                If Not IsDBNull(rdr("column42")) Then y_Table2.column42=rdr("column42")
                If Not IsDBNull(rdr("column43")) Then y_Table2.column43=rdr("column43")
                If Not IsDBNull(rdr("column44")) Then y_Table2.column44=rdr("column44")
                If Not IsDBNull(rdr("column45")) Then y_Table2.column45=rdr("column45")
                If Not IsDBNull(rdr("column46")) Then y_Table2.column46=rdr("column46")
                If Not IsDBNull(rdr("column47")) Then y_Table2.column47=rdr("column47")
                If Not IsDBNull(rdr("column48")) Then y_Table2.column48=rdr("column48")
                If Not IsDBNull(rdr("column49")) Then y_Table2.column49=rdr("column49")
                If Not IsDBNull(rdr("column50")) Then y_Table2.column50=rdr("column50")
                If Not IsDBNull(rdr("column51")) Then y_Table2.column51=rdr("column51")
                If Not IsDBNull(rdr("column52")) Then y_Table2.column52=rdr("column52")
                If Not IsDBNull(rdr("column53")) Then y_Table2.column53=rdr("column53")
                If Not IsDBNull(rdr("column54")) Then y_Table2.column54=rdr("column54")
                If Not IsDBNull(rdr("column55")) Then y_Table2.column55=rdr("column55")
                If Not IsDBNull(rdr("column56")) Then y_Table2.column56=rdr("column56")
                If Not IsDBNull(rdr("column57")) Then y_Table2.column57=rdr("column57")
                If Not IsDBNull(rdr("column58")) Then y_Table2.column58=rdr("column58")
                If Not IsDBNull(rdr("column59")) Then y_Table2.column59=rdr("column59")
                If Not IsDBNull(rdr("column60")) Then y_Table2.column60=rdr("column60")
                If Not IsDBNull(rdr("column61")) Then y_Table2.column61=rdr("column61")
                If Not IsDBNull(rdr("column62")) Then y_Table2.column62=rdr("column62")
                If Not IsDBNull(rdr("column63")) Then y_Table2.column63=rdr("column63")
                If Not IsDBNull(rdr("column64")) Then y_Table2.column64=rdr("column64")
                If Not IsDBNull(rdr("column65")) Then y_Table2.column65=rdr("column65")
                If Not IsDBNull(rdr("column66")) Then y_Table2.column66=rdr("column66")
                If Not IsDBNull(rdr("column67")) Then y_Table2.column67=rdr("column67")
                If Not IsDBNull(rdr("column68")) Then y_Table2.column68=rdr("column68")
                If Not IsDBNull(rdr("column69")) Then y_Table2.column69=rdr("column69")
                If Not IsDBNull(rdr("column70")) Then y_Table2.column70=rdr("column70")
                If Not IsDBNull(rdr("column71")) Then y_Table2.column71=rdr("column71")
                If Not IsDBNull(rdr("column72")) Then y_Table2.column72=rdr("column72")
                If Not IsDBNull(rdr("column73")) Then y_Table2.column73=rdr("column73")
                If Not IsDBNull(rdr("column74")) Then y_Table2.column74=rdr("column74")
                If Not IsDBNull(rdr("column75")) Then y_Table2.column75=rdr("column75")
                If Not IsDBNull(rdr("column76")) Then y_Table2.column76=rdr("column76")
                If Not IsDBNull(rdr("column77")) Then y_Table2.column77=rdr("column77")
                If Not IsDBNull(rdr("column78")) Then y_Table2.column78=rdr("column78")
                If Not IsDBNull(rdr("column79")) Then y_Table2.column79=rdr("column79")
                If Not IsDBNull(rdr("column80")) Then y_Table2.column80=rdr("column80")
                If Not IsDBNull(rdr("column81")) Then y_Table2.column81=rdr("column81")
                If Not IsDBNull(rdr("column82")) Then y_Table2.column82=rdr("column82")
                If Not IsDBNull(rdr("column83")) Then y_Table2.column83=rdr("column83")
                If Not IsDBNull(rdr("column84")) Then y_Table2.column84=rdr("column84")
                If Not IsDBNull(rdr("column85")) Then y_Table2.column85=rdr("column85")
                If Not IsDBNull(rdr("column86")) Then y_Table2.column86=rdr("column86")
                If Not IsDBNull(rdr("column87")) Then y_Table2.column87=rdr("column87")
                If Not IsDBNull(rdr("column88")) Then y_Table2.column88=rdr("column88")
                If Not IsDBNull(rdr("column89")) Then y_Table2.column89=rdr("column89")
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
        y_Table2.column1 = update_Table2.column1
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
                If Not IsDBNull(rdr("column1")) Then y_Table2.column1=rdr("column1")
                If Not IsDBNull(rdr("column2")) Then y_Table2.column2=rdr("column2")
                If Not IsDBNull(rdr("column3")) Then y_Table2.column3=rdr("column3")
                If Not IsDBNull(rdr("column4")) Then y_Table2.column4=rdr("column4")
                If Not IsDBNull(rdr("column5")) Then y_Table2.column5=rdr("column5")
                If Not IsDBNull(rdr("column6")) Then y_Table2.column6=rdr("column6")
                If Not IsDBNull(rdr("column7")) Then y_Table2.column7=rdr("column7")
                If Not IsDBNull(rdr("column8")) Then y_Table2.column8=rdr("column8")
                If Not IsDBNull(rdr("column9")) Then y_Table2.column9=rdr("column9")
                If Not IsDBNull(rdr("column10")) Then y_Table2.column10=rdr("column10")
                If Not IsDBNull(rdr("column11")) Then y_Table2.column11=rdr("column11")
                If Not IsDBNull(rdr("column12")) Then y_Table2.column12=rdr("column12")
                If Not IsDBNull(rdr("column13")) Then y_Table2.column13=rdr("column13")
                If Not IsDBNull(rdr("column14")) Then y_Table2.column14=rdr("column14")
                If Not IsDBNull(rdr("column15")) Then y_Table2.column15=rdr("column15")
                If Not IsDBNull(rdr("column16")) Then y_Table2.column16=rdr("column16")
                If Not IsDBNull(rdr("column17")) Then y_Table2.column17=rdr("column17")
                If Not IsDBNull(rdr("column18")) Then y_Table2.column18=rdr("column18")
                If Not IsDBNull(rdr("column19")) Then y_Table2.column19=rdr("column19")
                If Not IsDBNull(rdr("column20")) Then y_Table2.column20=rdr("column20")
                If Not IsDBNull(rdr("column21")) Then y_Table2.column21=rdr("column21")
                If Not IsDBNull(rdr("column22")) Then y_Table2.column22=rdr("column22")
                If Not IsDBNull(rdr("column23")) Then y_Table2.column23=rdr("column23")
                If Not IsDBNull(rdr("column24")) Then y_Table2.column24=rdr("column24")
                If Not IsDBNull(rdr("column25")) Then y_Table2.column25=rdr("column25")
                If Not IsDBNull(rdr("column26")) Then y_Table2.column26=rdr("column26")
                If Not IsDBNull(rdr("column27")) Then y_Table2.column27=rdr("column27")
                If Not IsDBNull(rdr("column28")) Then y_Table2.column28=rdr("column28")
                If Not IsDBNull(rdr("column29")) Then y_Table2.column29=rdr("column29")
                If Not IsDBNull(rdr("column30")) Then y_Table2.column30=rdr("column30")
                If Not IsDBNull(rdr("column31")) Then y_Table2.column31=rdr("column31")
                If Not IsDBNull(rdr("column32")) Then y_Table2.column32=rdr("column32")
                If Not IsDBNull(rdr("column33")) Then y_Table2.column33=rdr("column33")
                If Not IsDBNull(rdr("column34")) Then y_Table2.column34=rdr("column34")
                If Not IsDBNull(rdr("column35")) Then y_Table2.column35=rdr("column35")
                If Not IsDBNull(rdr("column36")) Then y_Table2.column36=rdr("column36")
                If Not IsDBNull(rdr("column37")) Then y_Table2.column37=rdr("column37")
                If Not IsDBNull(rdr("column38")) Then y_Table2.column38=rdr("column38")
                If Not IsDBNull(rdr("column39")) Then y_Table2.column39=rdr("column39")
                If Not IsDBNull(rdr("column40")) Then y_Table2.column40=rdr("column40")
                If Not IsDBNull(rdr("column41")) Then y_Table2.column41=rdr("column41")
                If Not IsDBNull(rdr("column42")) Then y_Table2.column42=rdr("column42")
                If Not IsDBNull(rdr("column43")) Then y_Table2.column43=rdr("column43")
                If Not IsDBNull(rdr("column44")) Then y_Table2.column44=rdr("column44")
                If Not IsDBNull(rdr("column45")) Then y_Table2.column45=rdr("column45")
                If Not IsDBNull(rdr("column46")) Then y_Table2.column46=rdr("column46")
                If Not IsDBNull(rdr("column47")) Then y_Table2.column47=rdr("column47")
                If Not IsDBNull(rdr("column48")) Then y_Table2.column48=rdr("column48")
                If Not IsDBNull(rdr("column49")) Then y_Table2.column49=rdr("column49")
                If Not IsDBNull(rdr("column50")) Then y_Table2.column50=rdr("column50")
                If Not IsDBNull(rdr("column51")) Then y_Table2.column51=rdr("column51")
                If Not IsDBNull(rdr("column52")) Then y_Table2.column52=rdr("column52")
                If Not IsDBNull(rdr("column53")) Then y_Table2.column53=rdr("column53")
                If Not IsDBNull(rdr("column54")) Then y_Table2.column54=rdr("column54")
                If Not IsDBNull(rdr("column55")) Then y_Table2.column55=rdr("column55")
                If Not IsDBNull(rdr("column56")) Then y_Table2.column56=rdr("column56")
                If Not IsDBNull(rdr("column57")) Then y_Table2.column57=rdr("column57")
                If Not IsDBNull(rdr("column58")) Then y_Table2.column58=rdr("column58")
                If Not IsDBNull(rdr("column59")) Then y_Table2.column59=rdr("column59")
                If Not IsDBNull(rdr("column60")) Then y_Table2.column60=rdr("column60")
                If Not IsDBNull(rdr("column61")) Then y_Table2.column61=rdr("column61")
                If Not IsDBNull(rdr("column62")) Then y_Table2.column62=rdr("column62")
                If Not IsDBNull(rdr("column63")) Then y_Table2.column63=rdr("column63")
                If Not IsDBNull(rdr("column64")) Then y_Table2.column64=rdr("column64")
                If Not IsDBNull(rdr("column65")) Then y_Table2.column65=rdr("column65")
                If Not IsDBNull(rdr("column66")) Then y_Table2.column66=rdr("column66")
                If Not IsDBNull(rdr("column67")) Then y_Table2.column67=rdr("column67")
                If Not IsDBNull(rdr("column68")) Then y_Table2.column68=rdr("column68")
                If Not IsDBNull(rdr("column69")) Then y_Table2.column69=rdr("column69")
                If Not IsDBNull(rdr("column70")) Then y_Table2.column70=rdr("column70")
                If Not IsDBNull(rdr("column71")) Then y_Table2.column71=rdr("column71")
                If Not IsDBNull(rdr("column72")) Then y_Table2.column72=rdr("column72")
                If Not IsDBNull(rdr("column73")) Then y_Table2.column73=rdr("column73")
                If Not IsDBNull(rdr("column74")) Then y_Table2.column74=rdr("column74")
                If Not IsDBNull(rdr("column75")) Then y_Table2.column75=rdr("column75")
                If Not IsDBNull(rdr("column76")) Then y_Table2.column76=rdr("column76")
                If Not IsDBNull(rdr("column77")) Then y_Table2.column77=rdr("column77")
                If Not IsDBNull(rdr("column78")) Then y_Table2.column78=rdr("column78")
                If Not IsDBNull(rdr("column79")) Then y_Table2.column79=rdr("column79")
                If Not IsDBNull(rdr("column80")) Then y_Table2.column80=rdr("column80")
                If Not IsDBNull(rdr("column81")) Then y_Table2.column81=rdr("column81")
                If Not IsDBNull(rdr("column82")) Then y_Table2.column82=rdr("column82")
                If Not IsDBNull(rdr("column83")) Then y_Table2.column83=rdr("column83")
                If Not IsDBNull(rdr("column84")) Then y_Table2.column84=rdr("column84")
                If Not IsDBNull(rdr("column85")) Then y_Table2.column85=rdr("column85")
                If Not IsDBNull(rdr("column86")) Then y_Table2.column86=rdr("column86")
                If Not IsDBNull(rdr("column87")) Then y_Table2.column87=rdr("column87")
                If Not IsDBNull(rdr("column88")) Then y_Table2.column88=rdr("column88")
                If Not IsDBNull(rdr("column89")) Then y_Table2.column89=rdr("column89")
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

Public Module Table3Manager
    Public Function GetTable3(ByVal z_Table3 as Table3) As Table3
        dim y_Table3 as New Table3()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable3Reader(z_Table3)
            If rdr.Read() then
                If Not IsDBNull(rdr("a")) Then y_Table3.a=rdr("a")
                If Not IsDBNull(rdr("b")) Then y_Table3.b=rdr("b")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Table3
    End Function

    Public Sub SaveTable3(ByVal update_Table3 as Table3, ByVal where_Table3 as Table3)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable3Reader(where_Table3)
            If rdr.Read() Then
                DAL.UpdateTable3(update_Table3, where_Table3)
                else
                DAL.InsertTable3(update_Table3)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveTable3(ByVal update_Table3 as Table3)
        Dim y_Table3 as Table3
        y_Table3 = New Table3
        y_Table3.a = update_Table3.a
        SaveTable3 (update_Table3, y_Table3)
    End Sub

    Public Sub DeleteTable3(ByVal z_Table3 as Table3)
        DAL.DelTable3 (z_Table3)
    End Sub

    Public Function ListTable3(ByVal z_Table3 as Table3) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Table3 as Table3
        Try
            rdr = DAL.GetTable3Reader(z_Table3)
            While (rdr.Read())
                y_Table3 = New Table3()
                If Not IsDBNull(rdr("a")) Then y_Table3.a=rdr("a")
                If Not IsDBNull(rdr("b")) Then y_Table3.b=rdr("b")
                liste.Add (y_Table3)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module Table4Manager
    Public Function GetTable4(ByVal z_Table4 as Table4) As Table4
        dim y_Table4 as New Table4()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable4Reader(z_Table4)
            If rdr.Read() then
                If Not IsDBNull(rdr("name")) Then y_Table4.name=rdr("name")
                If Not IsDBNull(rdr("data")) Then y_Table4.data=rdr("data")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_Table4
    End Function

    Public Sub SaveTable4(ByVal update_Table4 as Table4, ByVal where_Table4 as Table4)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetTable4Reader(where_Table4)
            If rdr.Read() Then
                DAL.UpdateTable4(update_Table4, where_Table4)
                else
                DAL.InsertTable4(update_Table4)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveTable4(ByVal update_Table4 as Table4)
        Dim y_Table4 as Table4
        y_Table4 = New Table4
        y_Table4.data = update_Table4.data
        SaveTable4 (update_Table4, y_Table4)
    End Sub

    Public Sub DeleteTable4(ByVal z_Table4 as Table4)
        DAL.DelTable4 (z_Table4)
    End Sub

    Public Function ListTable4(ByVal z_Table4 as Table4) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_Table4 as Table4
        Try
            rdr = DAL.GetTable4Reader(z_Table4)
            While (rdr.Read())
                y_Table4 = New Table4()
                If Not IsDBNull(rdr("name")) Then y_Table4.name=rdr("name")
                If Not IsDBNull(rdr("data")) Then y_Table4.data=rdr("data")
                liste.Add (y_Table4)
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
