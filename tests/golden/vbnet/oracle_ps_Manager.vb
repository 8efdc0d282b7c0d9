NameSpace Common.Data.Pkg
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
Public Module DEPTManager
    Public Function GetDEPT(ByVal z_DEPT as DEPT) As DEPT
        dim y_DEPT as New DEPT()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetDEPTReader(z_DEPT)
            If rdr.Read() then
                y_DEPT.rowid=rdr("rowid")
                If Not IsDBNull(rdr("DEPTNO")) Then y_DEPT.DEPTNO=rdr("DEPTNO")
                If Not IsDBNull(rdr("DNAME")) Then y_DEPT.DNAME=rdr("DNAME")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_DEPT
    End Function

    Public Sub SaveDEPT(ByVal update_DEPT as DEPT)
        dim y_DEPT as New DEPT()
        y_DEPT.rowid = update_DEPT.rowid
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetDEPTReader(y_DEPT)
            If rdr.Read() Then
                DAL.UpdateDEPT(update_DEPT)
                else
                DAL.InsertDEPT(update_DEPT)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub DeleteDEPT(ByVal z_DEPT as DEPT)
        DAL.DelDEPT (z_DEPT)
    End Sub

    Public Function ListDEPT(ByVal z_DEPT as DEPT) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_DEPT as DEPT
        Try
            rdr = DAL.GetDEPTReader(z_DEPT)
            While (rdr.Read())
                y_DEPT = New DEPT()
                y_DEPT.rowid=rdr("rowid")
                If Not IsDBNull(rdr("DEPTNO")) Then y_DEPT.DEPTNO=rdr("DEPTNO")
                If Not IsDBNull(rdr("DNAME")) Then y_DEPT.DNAME=rdr("DNAME")
                liste.Add (y_DEPT)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module

Public Module EMPManager
    Public Function GetEMP(ByVal z_EMP as EMP) As EMP
        dim y_EMP as New EMP()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetEMPReader(z_EMP)
            If rdr.Read() then
                y_EMP.rowid=rdr("rowid")
                If Not IsDBNull(rdr("EMPNO")) Then y_EMP.EMPNO=rdr("EMPNO")
                If Not IsDBNull(rdr("ENAME")) Then y_EMP.ENAME=rdr("ENAME")
                If Not IsDBNull(rdr("DEPTNO")) Then y_EMP.DEPTNO=rdr("DEPTNO")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_EMP
    End Function

    Public Sub SaveEMP(ByVal update_EMP as EMP)
        dim y_EMP as New EMP()
        y_EMP.rowid = update_EMP.rowid
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetEMPReader(y_EMP)
            If rdr.Read() Then
                DAL.UpdateEMP(update_EMP)
                else
                DAL.InsertEMP(update_EMP)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub DeleteEMP(ByVal z_EMP as EMP)
        DAL.DelEMP (z_EMP)
    End Sub

    Public Function ListEMP(ByVal z_EMP as EMP) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_EMP as EMP
        Try
            rdr = DAL.GetEMPReader(z_EMP)
            While (rdr.Read())
                y_EMP = New EMP()
                y_EMP.rowid=rdr("rowid")
                If Not IsDBNull(rdr("EMPNO")) Then y_EMP.EMPNO=rdr("EMPNO")
                If Not IsDBNull(rdr("ENAME")) Then y_EMP.ENAME=rdr("ENAME")
                If Not IsDBNull(rdr("DEPTNO")) Then y_EMP.DEPTNO=rdr("DEPTNO")
                liste.Add (y_EMP)
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
