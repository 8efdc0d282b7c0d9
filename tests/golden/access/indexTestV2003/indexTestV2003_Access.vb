Imports System.Data.OleDB
Imports System.Configuration
    'Define in your Web Config indexTestV2003_cnxstr as
    'ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\data\indexTestV2003.mdb"

NameSpace Common.Data
Public Class DAL

    'General Connection Function
    Public Shared Function Get_Connection() As OleDB.OleDBConnection
        Dim My_Cnx As OleDB.OleDBConnection
        My_Cnx = New OleDB.OleDBConnection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings("indexTestV2003_cnxstr")
        My_Cnx.Open()
        Return My_Cnx
    End Function

    'For each Table :
    '    Function Get<Table>Reader(<TableClass>) as IDataReader
    '        <TableClass> contains fields to build where clause in select statement
    '        IDataReader returns selected rows
    '    Sub Del<Table>(<TableClass>)
    '        <TableClass> contains fields to build where clause in delete statement
    '    Sub Update<Table>(<TableClass1, TableClass2>)
    '        <TableClass1> contains fields to update
    '        <TableClass2> contains fields to build where clause in update statement
    '    Sub Insert<Table>(<TableClass>)
    '        <TableClass> contains fields to populate in insert statement
    Public Shared Function GetTable1Reader(ByVal z_Table1 as Table1) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from Table1"
        If z_Table1.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(z_Table1.id, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.otherfk1 then z_sql = z_sql & z_sep & "otherfk1='" & Replace(z_Table1.otherfk1, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.otherfk2 then z_sql = z_sql & z_sep & "otherfk2='" & Replace(z_Table1.otherfk2, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(z_Table1.data, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.otherfk3 then z_sql = z_sql & z_sep & "otherfk3='" & Replace(z_Table1.otherfk3, "'", "''") & "'": z_sep = " and "
        if not z_Table1.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Table1.WhereClause
        End If 
        if Not z_Table1.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_Table1.OrderClause
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

    Public Shared Sub DelTable1(ByVal z_Table1 as Table1)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from Table1"
        If z_Table1.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(z_Table1.id, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.otherfk1 then z_sql = z_sql & z_sep & "otherfk1='" & Replace(z_Table1.otherfk1, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.otherfk2 then z_sql = z_sql & z_sep & "otherfk2='" & Replace(z_Table1.otherfk2, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(z_Table1.data, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.otherfk3 then z_sql = z_sql & z_sep & "otherfk3='" & Replace(z_Table1.otherfk3, "'", "''") & "'": z_sep = " and "
        if not z_Table1.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Table1.WhereClause
        End If 
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub UpdateTable1(ByVal update_Table1 as Table1, ByVal where_Table1 as Table1)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update Table1 set "
        If update_Table1.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(update_Table1.id, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.otherfk1 then z_sql = z_sql & z_sep & "otherfk1='" & Replace(update_Table1.otherfk1, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.otherfk2 then z_sql = z_sql & z_sep & "otherfk2='" & Replace(update_Table1.otherfk2, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(update_Table1.data, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.otherfk3 then z_sql = z_sql & z_sep & "otherfk3='" & Replace(update_Table1.otherfk3, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Table1.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(where_Table1.id, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.otherfk1 then z_sql = z_sql & z_sep & "otherfk1='" & Replace(where_Table1.otherfk1, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.otherfk2 then z_sql = z_sql & z_sep & "otherfk2='" & Replace(where_Table1.otherfk2, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(where_Table1.data, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.otherfk3 then z_sql = z_sql & z_sep & "otherfk3='" & Replace(where_Table1.otherfk3, "'", "''") & "'": z_sep = " and "
        if not where_Table1.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_Table1.WhereClause
        End If 
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertTable1(ByVal z_Table1 as Table1)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into Table1("
        If z_Table1.IsDirty.id then z_sql = z_sql & z_sep & "id": z_sep = ", "
        If z_Table1.IsDirty.otherfk1 then z_sql = z_sql & z_sep & "otherfk1": z_sep = ", "
        If z_Table1.IsDirty.otherfk2 then z_sql = z_sql & z_sep & "otherfk2": z_sep = ", "
        If z_Table1.IsDirty.data then z_sql = z_sql & z_sep & "data": z_sep = ", "
        If z_Table1.IsDirty.otherfk3 then z_sql = z_sql & z_sep & "otherfk3": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Table1.IsDirty.id then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.id, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.otherfk1 then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.otherfk1, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.otherfk2 then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.otherfk2, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.data then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.data, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.otherfk3 then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.otherfk3, "'", "''") & "'": z_sep = ", "
        z_sql = z_sql & ""
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Function GetTable2Reader(ByVal z_Table2 as Table2) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from Table2"
        If z_Table2.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(z_Table2.id, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(z_Table2.data, "'", "''") & "'": z_sep = " and "
        if not z_Table2.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Table2.WhereClause
        End If 
        if Not z_Table2.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_Table2.OrderClause
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

    Public Shared Sub DelTable2(ByVal z_Table2 as Table2)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from Table2"
        If z_Table2.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(z_Table2.id, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(z_Table2.data, "'", "''") & "'": z_sep = " and "
        if not z_Table2.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Table2.WhereClause
        End If 
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub UpdateTable2(ByVal update_Table2 as Table2, ByVal where_Table2 as Table2)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update Table2 set "
        If update_Table2.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(update_Table2.id, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(update_Table2.data, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Table2.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(where_Table2.id, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(where_Table2.data, "'", "''") & "'": z_sep = " and "
        if not where_Table2.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_Table2.WhereClause
        End If 
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertTable2(ByVal z_Table2 as Table2)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into Table2("
        If z_Table2.IsDirty.id then z_sql = z_sql & z_sep & "id": z_sep = ", "
        If z_Table2.IsDirty.data then z_sql = z_sql & z_sep & "data": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Table2.IsDirty.id then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.id, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.data then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.data, "'", "''") & "'": z_sep = ", "
        z_sql = z_sql & ""
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Function GetTable3Reader(ByVal z_Table3 as Table3) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from Table3"
        If z_Table3.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(z_Table3.id, "'", "''") & "'": z_sep = " and "
        If z_Table3.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(z_Table3.data, "'", "''") & "'": z_sep = " and "
        if not z_Table3.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Table3.WhereClause
        End If 
        if Not z_Table3.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_Table3.OrderClause
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

    Public Shared Sub DelTable3(ByVal z_Table3 as Table3)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from Table3"
        If z_Table3.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(z_Table3.id, "'", "''") & "'": z_sep = " and "
        If z_Table3.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(z_Table3.data, "'", "''") & "'": z_sep = " and "
        if not z_Table3.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Table3.WhereClause
        End If 
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub UpdateTable3(ByVal update_Table3 as Table3, ByVal where_Table3 as Table3)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update Table3 set "
        If update_Table3.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(update_Table3.id, "'", "''") & "'": z_sep = ", "
        If update_Table3.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(update_Table3.data, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Table3.IsDirty.id then z_sql = z_sql & z_sep & "id='" & Replace(where_Table3.id, "'", "''") & "'": z_sep = " and "
            If where_Table3.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(where_Table3.data, "'", "''") & "'": z_sep = " and "
        if not where_Table3.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_Table3.WhereClause
        End If 
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub

    Public Shared Sub InsertTable3(ByVal z_Table3 as Table3)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into Table3("
        If z_Table3.IsDirty.id then z_sql = z_sql & z_sep & "id": z_sep = ", "
        If z_Table3.IsDirty.data then z_sql = z_sql & z_sep & "data": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Table3.IsDirty.id then z_sql = z_sql & z_sep & "'" & Replace(z_Table3.id, "'", "''") & "'": z_sep = ", "
        If z_Table3.IsDirty.data then z_sql = z_sql & z_sep & "'" & Replace(z_Table3.data, "'", "''") & "'": z_sep = ", "
        z_sql = z_sql & ""
        Dim cmd As New OleDBCommand(z_sql, cnx)
        Try
            cmd.ExecuteNonQuery()
            cnx.Close()
        Catch
            If Not cnx Is Nothing Then
                cnx.Close()
            End If
            Throw
        End Try
    End Sub


    'Foreign Keys - Join Classes
    Public Shared Function GetTable1_Table2Reader(ByVal z_Table1_Table2 as Table1_Table2) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "Table1.id AS A_id"
        z_sql = z_sql & ", Table1.otherfk1 AS A_otherfk1"
        z_sql = z_sql & ", Table1.otherfk2 AS A_otherfk2"
        z_sql = z_sql & ", Table1.data AS A_data"
        z_sql = z_sql & ", Table1.otherfk3 AS A_otherfk3"
        z_sql = z_sql & ", Table2.id AS B_id"
        z_sql = z_sql & ", Table2.data AS B_data"
        z_sql = z_sql & " from Table1,Table2"
        z_sql = z_sql & z_sep & "Table1.otherfk1=Table2.id": z_sep = " and "
        z_sql = z_sql & z_sep & "Table1.otherfk1=Table2.id": z_sep = " and "
        If z_Table1_Table2.IsDirty.Table1_id then z_sql = z_sql & z_sep & "Table1.id='" & Replace(z_Table1_Table2.Table1_id, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table2.IsDirty.Table1_otherfk1 then z_sql = z_sql & z_sep & "Table1.otherfk1='" & Replace(z_Table1_Table2.Table1_otherfk1, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table2.IsDirty.Table1_otherfk2 then z_sql = z_sql & z_sep & "Table1.otherfk2='" & Replace(z_Table1_Table2.Table1_otherfk2, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table2.IsDirty.Table1_data then z_sql = z_sql & z_sep & "Table1.data='" & Replace(z_Table1_Table2.Table1_data, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table2.IsDirty.Table1_otherfk3 then z_sql = z_sql & z_sep & "Table1.otherfk3='" & Replace(z_Table1_Table2.Table1_otherfk3, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table2.IsDirty.Table2_id then z_sql = z_sql & z_sep & "Table2.id='" & Replace(z_Table1_Table2.Table2_id, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table2.IsDirty.Table2_data then z_sql = z_sql & z_sep & "Table2.data='" & Replace(z_Table1_Table2.Table2_data, "'", "''") & "'": z_sep = " and "
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

    Public Shared Function GetTable1_Table3Reader(ByVal z_Table1_Table3 as Table1_Table3) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "Table1.id AS A_id"
        z_sql = z_sql & ", Table1.otherfk1 AS A_otherfk1"
        z_sql = z_sql & ", Table1.otherfk2 AS A_otherfk2"
        z_sql = z_sql & ", Table1.data AS A_data"
        z_sql = z_sql & ", Table1.otherfk3 AS A_otherfk3"
        z_sql = z_sql & ", Table3.id AS B_id"
        z_sql = z_sql & ", Table3.data AS B_data"
        z_sql = z_sql & " from Table1,Table3"
        z_sql = z_sql & z_sep & "Table1.otherfk2=Table3.id": z_sep = " and "
        z_sql = z_sql & z_sep & "Table1.otherfk2=Table3.id": z_sep = " and "
        If z_Table1_Table3.IsDirty.Table1_id then z_sql = z_sql & z_sep & "Table1.id='" & Replace(z_Table1_Table3.Table1_id, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table3.IsDirty.Table1_otherfk1 then z_sql = z_sql & z_sep & "Table1.otherfk1='" & Replace(z_Table1_Table3.Table1_otherfk1, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table3.IsDirty.Table1_otherfk2 then z_sql = z_sql & z_sep & "Table1.otherfk2='" & Replace(z_Table1_Table3.Table1_otherfk2, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table3.IsDirty.Table1_data then z_sql = z_sql & z_sep & "Table1.data='" & Replace(z_Table1_Table3.Table1_data, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table3.IsDirty.Table1_otherfk3 then z_sql = z_sql & z_sep & "Table1.otherfk3='" & Replace(z_Table1_Table3.Table1_otherfk3, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table3.IsDirty.Table3_id then z_sql = z_sql & z_sep & "Table3.id='" & Replace(z_Table1_Table3.Table3_id, "'", "''") & "'": z_sep = " and "
        If z_Table1_Table3.IsDirty.Table3_data then z_sql = z_sql & z_sep & "Table3.data='" & Replace(z_Table1_Table3.Table3_data, "'", "''") & "'": z_sep = " and "
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
