
    'Foreign Keys - Join Classes
Public Module EMPLOYEES_DEPTSManager
    Public Function GetEMPLOYEES_DEPTS(ByVal z_EMPLOYEES_DEPTS as EMPLOYEES_DEPTS) As EMPLOYEES_DEPTS
        dim y_EMPLOYEES_DEPTS as New EMPLOYEES_DEPTS()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetEMPLOYEES_DEPTSReader(z_EMPLOYEES_DEPTS)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_ID=rdr("A_ID")
                If Not IsDBNull(rdr("A_BOSS_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_BOSS_ID=rdr("A_BOSS_ID")
                If Not IsDBNull(rdr("A_DEPT_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_DEPT_ID=rdr("A_DEPT_ID")
                If Not IsDBNull(rdr("A_NAME")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_NAME=rdr("A_NAME")
                If Not IsDBNull(rdr("B_ID")) Then y_EMPLOYEES_DEPTS.DEPTS_ID=rdr("B_ID")
                If Not IsDBNull(rdr("B_TITLE")) Then y_EMPLOYEES_DEPTS.DEPTS_TITLE=rdr("B_TITLE")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_EMPLOYEES_DEPTS
    End Function


    Public Function ListEMPLOYEES_DEPTS(ByVal z_EMPLOYEES_DEPTS as EMPLOYEES_DEPTS) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_EMPLOYEES_DEPTS as EMPLOYEES_DEPTS
        Try
            rdr = DAL.GetEMPLOYEES_DEPTSReader(z_EMPLOYEES_DEPTS)
            While (rdr.Read())
                y_EMPLOYEES_DEPTS = New EMPLOYEES_DEPTS()
                If Not IsDBNull(rdr("A_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_ID=rdr("A_ID")
                If Not IsDBNull(rdr("A_BOSS_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_BOSS_ID=rdr("A_BOSS_ID")
                If Not IsDBNull(rdr("A_DEPT_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_DEPT_ID=rdr("A_DEPT_ID")
                If Not IsDBNull(rdr("A_NAME")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_NAME=rdr("A_NAME")
                If Not IsDBNull(rdr("B_ID")) Then y_EMPLOYEES_DEPTS.DEPTS_ID=rdr("B_ID")
                If Not IsDBNull(rdr("B_TITLE")) Then y_EMPLOYEES_DEPTS.DEPTS_TITLE=rdr("B_TITLE")
                liste.Add (y_EMPLOYEES_DEPTS)
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
