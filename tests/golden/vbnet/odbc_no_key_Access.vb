Imports System.Data.OleDB
Imports System.Configuration
    'Define in your Web Config Shop_cnxstr as
    'ConnectionString = "DRIVER=SQLite3;Database=C:\data\shop.db"

NameSpace Common.Data
Public Class DAL

    'General Connection Function
    Public Shared Function Get_Connection() As OleDB.OleDBConnection
        Dim My_Cnx As OleDB.OleDBConnection
        My_Cnx = New OleDB.OleDBConnection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings("Shop_cnxstr")
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
    Public Shared Function GetNotesReader(ByVal z_Notes as Notes) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from Notes"
        If z_Notes.IsDirty.Body then z_sql = z_sql & z_sep & "Body='" & Replace(z_Notes.Body, "'", "''") & "'": z_sep = " and "
        If z_Notes.IsDirty.Stamp then z_sql = z_sql & z_sep & "Stamp='" & Replace(z_Notes.Stamp, "'", "''") & "'": z_sep = " and "
        if not z_Notes.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Notes.WhereClause
        End If 
        if Not z_Notes.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_Notes.OrderClause
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

    Public Shared Sub DelNotes(ByVal z_Notes as Notes)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from Notes"
        If z_Notes.IsDirty.Body then z_sql = z_sql & z_sep & "Body='" & Replace(z_Notes.Body, "'", "''") & "'": z_sep = " and "
        If z_Notes.IsDirty.Stamp then z_sql = z_sql & z_sep & "Stamp='" & Replace(z_Notes.Stamp, "'", "''") & "'": z_sep = " and "
        if not z_Notes.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Notes.WhereClause
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

    Public Shared Sub UpdateNotes(ByVal update_Notes as Notes, ByVal where_Notes as Notes)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update Notes set "
        If update_Notes.IsDirty.Body then z_sql = z_sql & z_sep & "Body='" & Replace(update_Notes.Body, "'", "''") & "'": z_sep = ", "
        If update_Notes.IsDirty.Stamp then z_sql = z_sql & z_sep & "Stamp='" & Replace(update_Notes.Stamp, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Notes.IsDirty.Body then z_sql = z_sql & z_sep & "Body='" & Replace(where_Notes.Body, "'", "''") & "'": z_sep = " and "
            If where_Notes.IsDirty.Stamp then z_sql = z_sql & z_sep & "Stamp='" & Replace(where_Notes.Stamp, "'", "''") & "'": z_sep = " and "
        if not where_Notes.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_Notes.WhereClause
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

    Public Shared Sub InsertNotes(ByVal z_Notes as Notes)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into Notes("
        If z_Notes.IsDirty.Body then z_sql = z_sql & z_sep & "Body": z_sep = ", "
        If z_Notes.IsDirty.Stamp then z_sql = z_sql & z_sep & "Stamp": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Notes.IsDirty.Body then z_sql = z_sql & z_sep & "'" & Replace(z_Notes.Body, "'", "''") & "'": z_sep = ", "
        If z_Notes.IsDirty.Stamp then z_sql = z_sql & z_sep & "'" & Replace(z_Notes.Stamp, "'", "''") & "'": z_sep = ", "
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


End Class
End NameSpace
