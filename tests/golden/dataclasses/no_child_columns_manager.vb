
    'Foreign Keys - Join Classes
Public Module C_P2Manager
    Public Function GetC_P2(ByVal z_C_P2 as C_P2) As C_P2
        dim y_C_P2 as New C_P2()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetC_P2Reader(z_C_P2)
            If rdr.Read() then
                If Not IsDBNull(rdr("B_id")) Then y_C_P2.P2_id=rdr("B_id")
                If Not IsDBNull(rdr("B_label")) Then y_C_P2.P2_label=rdr("B_label")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_C_P2
    End Function


    Public Function ListC_P2(ByVal z_C_P2 as C_P2) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_C_P2 as C_P2
        Try
            rdr = DAL.GetC_P2Reader(z_C_P2)
            While (rdr.Read())
                y_C_P2 = New C_P2()
                If Not IsDBNull(rdr("B_id")) Then y_C_P2.P2_id=rdr("B_id")
                If Not IsDBNull(rdr("B_label")) Then y_C_P2.P2_label=rdr("B_label")
                liste.Add (y_C_P2)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module C_P1Manager
    Public Function GetC_P1(ByVal z_C_P1 as C_P1) As C_P1
        dim y_C_P1 as New C_P1()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetC_P1Reader(z_C_P1)
            If rdr.Read() then
                If Not IsDBNull(rdr("B_id")) Then y_C_P1.P1_id=rdr("B_id")
                If Not IsDBNull(rdr("B_label")) Then y_C_P1.P1_label=rdr("B_label")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_C_P1
    End Function


    Public Function ListC_P1(ByVal z_C_P1 as C_P1) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_C_P1 as C_P1
        Try
            rdr = DAL.GetC_P1Reader(z_C_P1)
            While (rdr.Read())
                y_C_P1 = New C_P1()
                If Not IsDBNull(rdr("B_id")) Then y_C_P1.P1_id=rdr("B_id")
                If Not IsDBNull(rdr("B_label")) Then y_C_P1.P1_label=rdr("B_label")
                liste.Add (y_C_P1)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module C_P3Manager
    Public Function GetC_P3(ByVal z_C_P3 as C_P3) As C_P3
        dim y_C_P3 as New C_P3()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetC_P3Reader(z_C_P3)
            If rdr.Read() then
                If Not IsDBNull(rdr("B_id")) Then y_C_P3.P3_id=rdr("B_id")
                If Not IsDBNull(rdr("B_label")) Then y_C_P3.P3_label=rdr("B_label")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_C_P3
    End Function


    Public Function ListC_P3(ByVal z_C_P3 as C_P3) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_C_P3 as C_P3
        Try
            rdr = DAL.GetC_P3Reader(z_C_P3)
            While (rdr.Read())
                y_C_P3 = New C_P3()
                If Not IsDBNull(rdr("B_id")) Then y_C_P3.P3_id=rdr("B_id")
                If Not IsDBNull(rdr("B_label")) Then y_C_P3.P3_label=rdr("B_label")
                liste.Add (y_C_P3)
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
