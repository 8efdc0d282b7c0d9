
    'Foreign Keys - Join Classes
    Public Shared Function GetEMPLOYEES_DEPTSReader(ByVal z_EMPLOYEES_DEPTS as EMPLOYEES_DEPTS) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "EMPLOYEES.ID AS A_ID"
        z_sql = z_sql & ", EMPLOYEES.BOSS_ID AS A_BOSS_ID"
        z_sql = z_sql & ", EMPLOYEES.DEPT_ID AS A_DEPT_ID"
        z_sql = z_sql & ", EMPLOYEES.NAME AS A_NAME"
        z_sql = z_sql & ", DEPTS.ID AS B_ID"
        z_sql = z_sql & ", DEPTS.TITLE AS B_TITLE"
        z_sql = z_sql & " from EMPLOYEES,DEPTS"
        z_sql = z_sql & z_sep & "EMPLOYEES.DEPT_ID=DEPTS.ID": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.EMPLOYEES_ID then z_sql = z_sql & z_sep & "EMPLOYEES.ID='" & Replace(z_EMPLOYEES_DEPTS.EMPLOYEES_ID, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.EMPLOYEES_BOSS_ID then z_sql = z_sql & z_sep & "EMPLOYEES.BOSS_ID='" & Replace(z_EMPLOYEES_DEPTS.EMPLOYEES_BOSS_ID, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.EMPLOYEES_DEPT_ID then z_sql = z_sql & z_sep & "EMPLOYEES.DEPT_ID='" & Replace(z_EMPLOYEES_DEPTS.EMPLOYEES_DEPT_ID, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.EMPLOYEES_NAME then z_sql = z_sql & z_sep & "EMPLOYEES.NAME='" & Replace(z_EMPLOYEES_DEPTS.EMPLOYEES_NAME, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.DEPTS_ID then z_sql = z_sql & z_sep & "DEPTS.ID='" & Replace(z_EMPLOYEES_DEPTS.DEPTS_ID, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.DEPTS_TITLE then z_sql = z_sql & z_sep & "DEPTS.TITLE='" & Replace(z_EMPLOYEES_DEPTS.DEPTS_TITLE, "'", "''") & "'": z_sep = " and "
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Dim rdr As OleDBDataReader
        Try
            rdr = cmd.ExecuteReader(CommandBehavior.CloseConnection)
            Return rdr
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Function


End Class
End NameSpace
