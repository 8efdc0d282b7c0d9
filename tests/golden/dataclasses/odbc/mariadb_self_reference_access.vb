
    'Foreign Keys - Join Classes
    Public Shared Function Getemployees_deptsReader(ByVal z_employees_depts as employees_depts) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "employees.id AS A_id"
        z_sql = z_sql & ", employees.boss_id AS A_boss_id"
        z_sql = z_sql & ", employees.dept_id AS A_dept_id"
        z_sql = z_sql & ", employees.name AS A_name"
        z_sql = z_sql & ", depts.id AS B_id"
        z_sql = z_sql & ", depts.title AS B_title"
        z_sql = z_sql & " from employees,depts"
        z_sql = z_sql & z_sep & "employees.dept_id=depts.id": z_sep = " and "
        If z_employees_depts.IsDirty.employees_id then z_sql = z_sql & z_sep & "employees.id='" & Replace(z_employees_depts.employees_id, "'", "''") & "'": z_sep = " and "
        If z_employees_depts.IsDirty.employees_boss_id then z_sql = z_sql & z_sep & "employees.boss_id='" & Replace(z_employees_depts.employees_boss_id, "'", "''") & "'": z_sep = " and "
        If z_employees_depts.IsDirty.employees_dept_id then z_sql = z_sql & z_sep & "employees.dept_id='" & Replace(z_employees_depts.employees_dept_id, "'", "''") & "'": z_sep = " and "
        If z_employees_depts.IsDirty.employees_name then z_sql = z_sql & z_sep & "employees.name='" & Replace(z_employees_depts.employees_name, "'", "''") & "'": z_sep = " and "
        If z_employees_depts.IsDirty.depts_id then z_sql = z_sql & z_sep & "depts.id='" & Replace(z_employees_depts.depts_id, "'", "''") & "'": z_sep = " and "
        If z_employees_depts.IsDirty.depts_title then z_sql = z_sql & z_sep & "depts.title='" & Replace(z_employees_depts.depts_title, "'", "''") & "'": z_sep = " and "
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
