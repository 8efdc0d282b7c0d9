
    'Foreign Keys - Join Classes
Public Module employees_deptsManager
    Public Function Getemployees_depts(ByVal z_employees_depts as employees_depts) As employees_depts
        dim y_employees_depts as New employees_depts()
        Dim rdr As IDataReader
        Try
            rdr = DAL.Getemployees_deptsReader(z_employees_depts)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_id")) Then y_employees_depts.employees_id=rdr("A_id")
                If Not IsDBNull(rdr("A_boss_id")) Then y_employees_depts.employees_boss_id=rdr("A_boss_id")
                If Not IsDBNull(rdr("A_dept_id")) Then y_employees_depts.employees_dept_id=rdr("A_dept_id")
                If Not IsDBNull(rdr("A_name")) Then y_employees_depts.employees_name=rdr("A_name")
                If Not IsDBNull(rdr("B_id")) Then y_employees_depts.depts_id=rdr("B_id")
                If Not IsDBNull(rdr("B_title")) Then y_employees_depts.depts_title=rdr("B_title")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_employees_depts
    End Function


    Public Function Listemployees_depts(ByVal z_employees_depts as employees_depts) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_employees_depts as employees_depts
        Try
            rdr = DAL.Getemployees_deptsReader(z_employees_depts)
            While (rdr.Read())
                y_employees_depts = New employees_depts()
                If Not IsDBNull(rdr("A_id")) Then y_employees_depts.employees_id=rdr("A_id")
                If Not IsDBNull(rdr("A_boss_id")) Then y_employees_depts.employees_boss_id=rdr("A_boss_id")
                If Not IsDBNull(rdr("A_dept_id")) Then y_employees_depts.employees_dept_id=rdr("A_dept_id")
                If Not IsDBNull(rdr("A_name")) Then y_employees_depts.employees_name=rdr("A_name")
                If Not IsDBNull(rdr("B_id")) Then y_employees_depts.depts_id=rdr("B_id")
                If Not IsDBNull(rdr("B_title")) Then y_employees_depts.depts_title=rdr("B_title")
                liste.Add (y_employees_depts)
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
