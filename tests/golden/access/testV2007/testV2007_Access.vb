Imports System.Data.OleDB
Imports System.Configuration
    'Define in your Web Config testV2007_cnxstr as
    'ConnectionString = "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=C:\data\testV2007.accdb"

NameSpace Common.Data
Public Class DAL

    'General Connection Function
    Public Shared Function Get_Connection() As OleDB.OleDBConnection
        Dim My_Cnx As OleDB.OleDBConnection
        My_Cnx = New OleDB.OleDBConnection()
        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings("testV2007_cnxstr")
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
        If z_Table1.IsDirty.A then z_sql = z_sql & z_sep & "A='" & Replace(z_Table1.A, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.B then z_sql = z_sql & z_sep & "B='" & Replace(z_Table1.B, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.C then z_sql = z_sql & z_sep & "C='" & Replace(z_Table1.C, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.D then z_sql = z_sql & z_sep & "D='" & Replace(z_Table1.D, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.E then z_sql = z_sql & z_sep & "E='" & Replace(z_Table1.E, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.F then z_sql = z_sql & z_sep & "F='" & Replace(z_Table1.F, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.G then z_sql = z_sql & z_sep & "G='" & Replace(z_Table1.G, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.H then z_sql = z_sql & z_sep & "H='" & Replace(z_Table1.H, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.I then z_sql = z_sql & z_sep & "I='" & Replace(z_Table1.I, "'", "''") & "'": z_sep = " and "
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
        If z_Table1.IsDirty.A then z_sql = z_sql & z_sep & "A='" & Replace(z_Table1.A, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.B then z_sql = z_sql & z_sep & "B='" & Replace(z_Table1.B, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.C then z_sql = z_sql & z_sep & "C='" & Replace(z_Table1.C, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.D then z_sql = z_sql & z_sep & "D='" & Replace(z_Table1.D, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.E then z_sql = z_sql & z_sep & "E='" & Replace(z_Table1.E, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.F then z_sql = z_sql & z_sep & "F='" & Replace(z_Table1.F, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.G then z_sql = z_sql & z_sep & "G='" & Replace(z_Table1.G, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.H then z_sql = z_sql & z_sep & "H='" & Replace(z_Table1.H, "'", "''") & "'": z_sep = " and "
        If z_Table1.IsDirty.I then z_sql = z_sql & z_sep & "I='" & Replace(z_Table1.I, "'", "''") & "'": z_sep = " and "
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
        If update_Table1.IsDirty.A then z_sql = z_sql & z_sep & "A='" & Replace(update_Table1.A, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.B then z_sql = z_sql & z_sep & "B='" & Replace(update_Table1.B, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.C then z_sql = z_sql & z_sep & "C='" & Replace(update_Table1.C, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.D then z_sql = z_sql & z_sep & "D='" & Replace(update_Table1.D, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.E then z_sql = z_sql & z_sep & "E='" & Replace(update_Table1.E, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.F then z_sql = z_sql & z_sep & "F='" & Replace(update_Table1.F, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.G then z_sql = z_sql & z_sep & "G='" & Replace(update_Table1.G, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.H then z_sql = z_sql & z_sep & "H='" & Replace(update_Table1.H, "'", "''") & "'": z_sep = ", "
        If update_Table1.IsDirty.I then z_sql = z_sql & z_sep & "I='" & Replace(update_Table1.I, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Table1.IsDirty.A then z_sql = z_sql & z_sep & "A='" & Replace(where_Table1.A, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.B then z_sql = z_sql & z_sep & "B='" & Replace(where_Table1.B, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.C then z_sql = z_sql & z_sep & "C='" & Replace(where_Table1.C, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.D then z_sql = z_sql & z_sep & "D='" & Replace(where_Table1.D, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.E then z_sql = z_sql & z_sep & "E='" & Replace(where_Table1.E, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.F then z_sql = z_sql & z_sep & "F='" & Replace(where_Table1.F, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.G then z_sql = z_sql & z_sep & "G='" & Replace(where_Table1.G, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.H then z_sql = z_sql & z_sep & "H='" & Replace(where_Table1.H, "'", "''") & "'": z_sep = " and "
            If where_Table1.IsDirty.I then z_sql = z_sql & z_sep & "I='" & Replace(where_Table1.I, "'", "''") & "'": z_sep = " and "
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
        If z_Table1.IsDirty.A then z_sql = z_sql & z_sep & "A": z_sep = ", "
        If z_Table1.IsDirty.B then z_sql = z_sql & z_sep & "B": z_sep = ", "
        If z_Table1.IsDirty.C then z_sql = z_sql & z_sep & "C": z_sep = ", "
        If z_Table1.IsDirty.D then z_sql = z_sql & z_sep & "D": z_sep = ", "
        If z_Table1.IsDirty.E then z_sql = z_sql & z_sep & "E": z_sep = ", "
        If z_Table1.IsDirty.F then z_sql = z_sql & z_sep & "F": z_sep = ", "
        If z_Table1.IsDirty.G then z_sql = z_sql & z_sep & "G": z_sep = ", "
        If z_Table1.IsDirty.H then z_sql = z_sql & z_sep & "H": z_sep = ", "
        If z_Table1.IsDirty.I then z_sql = z_sql & z_sep & "I": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Table1.IsDirty.A then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.A, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.B then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.B, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.C then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.C, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.D then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.D, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.E then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.E, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.F then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.F, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.G then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.G, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.H then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.H, "'", "''") & "'": z_sep = ", "
        If z_Table1.IsDirty.I then z_sql = z_sql & z_sep & "'" & Replace(z_Table1.I, "'", "''") & "'": z_sep = ", "
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
        If z_Table2.IsDirty.column1 then z_sql = z_sql & z_sep & "column1='" & Replace(z_Table2.column1, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column2 then z_sql = z_sql & z_sep & "column2='" & Replace(z_Table2.column2, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column3 then z_sql = z_sql & z_sep & "column3='" & Replace(z_Table2.column3, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column4 then z_sql = z_sql & z_sep & "column4='" & Replace(z_Table2.column4, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column5 then z_sql = z_sql & z_sep & "column5='" & Replace(z_Table2.column5, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column6 then z_sql = z_sql & z_sep & "column6='" & Replace(z_Table2.column6, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column7 then z_sql = z_sql & z_sep & "column7='" & Replace(z_Table2.column7, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column8 then z_sql = z_sql & z_sep & "column8='" & Replace(z_Table2.column8, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column9 then z_sql = z_sql & z_sep & "column9='" & Replace(z_Table2.column9, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column10 then z_sql = z_sql & z_sep & "column10='" & Replace(z_Table2.column10, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column11 then z_sql = z_sql & z_sep & "column11='" & Replace(z_Table2.column11, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column12 then z_sql = z_sql & z_sep & "column12='" & Replace(z_Table2.column12, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column13 then z_sql = z_sql & z_sep & "column13='" & Replace(z_Table2.column13, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column14 then z_sql = z_sql & z_sep & "column14='" & Replace(z_Table2.column14, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column15 then z_sql = z_sql & z_sep & "column15='" & Replace(z_Table2.column15, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column16 then z_sql = z_sql & z_sep & "column16='" & Replace(z_Table2.column16, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column17 then z_sql = z_sql & z_sep & "column17='" & Replace(z_Table2.column17, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column18 then z_sql = z_sql & z_sep & "column18='" & Replace(z_Table2.column18, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column19 then z_sql = z_sql & z_sep & "column19='" & Replace(z_Table2.column19, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column20 then z_sql = z_sql & z_sep & "column20='" & Replace(z_Table2.column20, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column21 then z_sql = z_sql & z_sep & "column21='" & Replace(z_Table2.column21, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column22 then z_sql = z_sql & z_sep & "column22='" & Replace(z_Table2.column22, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column23 then z_sql = z_sql & z_sep & "column23='" & Replace(z_Table2.column23, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column24 then z_sql = z_sql & z_sep & "column24='" & Replace(z_Table2.column24, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column25 then z_sql = z_sql & z_sep & "column25='" & Replace(z_Table2.column25, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column26 then z_sql = z_sql & z_sep & "column26='" & Replace(z_Table2.column26, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column27 then z_sql = z_sql & z_sep & "column27='" & Replace(z_Table2.column27, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column28 then z_sql = z_sql & z_sep & "column28='" & Replace(z_Table2.column28, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column29 then z_sql = z_sql & z_sep & "column29='" & Replace(z_Table2.column29, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column30 then z_sql = z_sql & z_sep & "column30='" & Replace(z_Table2.column30, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column31 then z_sql = z_sql & z_sep & "column31='" & Replace(z_Table2.column31, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column32 then z_sql = z_sql & z_sep & "column32='" & Replace(z_Table2.column32, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column33 then z_sql = z_sql & z_sep & "column33='" & Replace(z_Table2.column33, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column34 then z_sql = z_sql & z_sep & "column34='" & Replace(z_Table2.column34, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column35 then z_sql = z_sql & z_sep & "column35='" & Replace(z_Table2.column35, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column36 then z_sql = z_sql & z_sep & "column36='" & Replace(z_Table2.column36, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column37 then z_sql = z_sql & z_sep & "column37='" & Replace(z_Table2.column37, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column38 then z_sql = z_sql & z_sep & "column38='" & Replace(z_Table2.column38, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column39 then z_sql = z_sql & z_sep & "column39='" & Replace(z_Table2.column39, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column40 then z_sql = z_sql & z_sep & "column40='" & Replace(z_Table2.column40, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column41 then z_sql = z_sql & z_sep & "column41='" & Replace(z_Table2.column41, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column42 then z_sql = z_sql & z_sep & "column42='" & Replace(z_Table2.column42, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column43 then z_sql = z_sql & z_sep & "column43='" & Replace(z_Table2.column43, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column44 then z_sql = z_sql & z_sep & "column44='" & Replace(z_Table2.column44, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column45 then z_sql = z_sql & z_sep & "column45='" & Replace(z_Table2.column45, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column46 then z_sql = z_sql & z_sep & "column46='" & Replace(z_Table2.column46, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column47 then z_sql = z_sql & z_sep & "column47='" & Replace(z_Table2.column47, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column48 then z_sql = z_sql & z_sep & "column48='" & Replace(z_Table2.column48, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column49 then z_sql = z_sql & z_sep & "column49='" & Replace(z_Table2.column49, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column50 then z_sql = z_sql & z_sep & "column50='" & Replace(z_Table2.column50, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column51 then z_sql = z_sql & z_sep & "column51='" & Replace(z_Table2.column51, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column52 then z_sql = z_sql & z_sep & "column52='" & Replace(z_Table2.column52, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column53 then z_sql = z_sql & z_sep & "column53='" & Replace(z_Table2.column53, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column54 then z_sql = z_sql & z_sep & "column54='" & Replace(z_Table2.column54, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column55 then z_sql = z_sql & z_sep & "column55='" & Replace(z_Table2.column55, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column56 then z_sql = z_sql & z_sep & "column56='" & Replace(z_Table2.column56, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column57 then z_sql = z_sql & z_sep & "column57='" & Replace(z_Table2.column57, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column58 then z_sql = z_sql & z_sep & "column58='" & Replace(z_Table2.column58, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column59 then z_sql = z_sql & z_sep & "column59='" & Replace(z_Table2.column59, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column60 then z_sql = z_sql & z_sep & "column60='" & Replace(z_Table2.column60, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column61 then z_sql = z_sql & z_sep & "column61='" & Replace(z_Table2.column61, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column62 then z_sql = z_sql & z_sep & "column62='" & Replace(z_Table2.column62, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column63 then z_sql = z_sql & z_sep & "column63='" & Replace(z_Table2.column63, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column64 then z_sql = z_sql & z_sep & "column64='" & Replace(z_Table2.column64, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column65 then z_sql = z_sql & z_sep & "column65='" & Replace(z_Table2.column65, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column66 then z_sql = z_sql & z_sep & "column66='" & Replace(z_Table2.column66, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column67 then z_sql = z_sql & z_sep & "column67='" & Replace(z_Table2.column67, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column68 then z_sql = z_sql & z_sep & "column68='" & Replace(z_Table2.column68, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column69 then z_sql = z_sql & z_sep & "column69='" & Replace(z_Table2.column69, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column70 then z_sql = z_sql & z_sep & "column70='" & Replace(z_Table2.column70, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column71 then z_sql = z_sql & z_sep & "column71='" & Replace(z_Table2.column71, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column72 then z_sql = z_sql & z_sep & "column72='" & Replace(z_Table2.column72, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column73 then z_sql = z_sql & z_sep & "column73='" & Replace(z_Table2.column73, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column74 then z_sql = z_sql & z_sep & "column74='" & Replace(z_Table2.column74, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column75 then z_sql = z_sql & z_sep & "column75='" & Replace(z_Table2.column75, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column76 then z_sql = z_sql & z_sep & "column76='" & Replace(z_Table2.column76, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column77 then z_sql = z_sql & z_sep & "column77='" & Replace(z_Table2.column77, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column78 then z_sql = z_sql & z_sep & "column78='" & Replace(z_Table2.column78, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column79 then z_sql = z_sql & z_sep & "column79='" & Replace(z_Table2.column79, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column80 then z_sql = z_sql & z_sep & "column80='" & Replace(z_Table2.column80, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column81 then z_sql = z_sql & z_sep & "column81='" & Replace(z_Table2.column81, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column82 then z_sql = z_sql & z_sep & "column82='" & Replace(z_Table2.column82, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column83 then z_sql = z_sql & z_sep & "column83='" & Replace(z_Table2.column83, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column84 then z_sql = z_sql & z_sep & "column84='" & Replace(z_Table2.column84, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column85 then z_sql = z_sql & z_sep & "column85='" & Replace(z_Table2.column85, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column86 then z_sql = z_sql & z_sep & "column86='" & Replace(z_Table2.column86, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column87 then z_sql = z_sql & z_sep & "column87='" & Replace(z_Table2.column87, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column88 then z_sql = z_sql & z_sep & "column88='" & Replace(z_Table2.column88, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column89 then z_sql = z_sql & z_sep & "column89='" & Replace(z_Table2.column89, "'", "''") & "'": z_sep = " and "
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
        If z_Table2.IsDirty.column1 then z_sql = z_sql & z_sep & "column1='" & Replace(z_Table2.column1, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column2 then z_sql = z_sql & z_sep & "column2='" & Replace(z_Table2.column2, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column3 then z_sql = z_sql & z_sep & "column3='" & Replace(z_Table2.column3, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column4 then z_sql = z_sql & z_sep & "column4='" & Replace(z_Table2.column4, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column5 then z_sql = z_sql & z_sep & "column5='" & Replace(z_Table2.column5, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column6 then z_sql = z_sql & z_sep & "column6='" & Replace(z_Table2.column6, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column7 then z_sql = z_sql & z_sep & "column7='" & Replace(z_Table2.column7, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column8 then z_sql = z_sql & z_sep & "column8='" & Replace(z_Table2.column8, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column9 then z_sql = z_sql & z_sep & "column9='" & Replace(z_Table2.column9, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column10 then z_sql = z_sql & z_sep & "column10='" & Replace(z_Table2.column10, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column11 then z_sql = z_sql & z_sep & "column11='" & Replace(z_Table2.column11, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column12 then z_sql = z_sql & z_sep & "column12='" & Replace(z_Table2.column12, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column13 then z_sql = z_sql & z_sep & "column13='" & Replace(z_Table2.column13, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column14 then z_sql = z_sql & z_sep & "column14='" & Replace(z_Table2.column14, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column15 then z_sql = z_sql & z_sep & "column15='" & Replace(z_Table2.column15, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column16 then z_sql = z_sql & z_sep & "column16='" & Replace(z_Table2.column16, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column17 then z_sql = z_sql & z_sep & "column17='" & Replace(z_Table2.column17, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column18 then z_sql = z_sql & z_sep & "column18='" & Replace(z_Table2.column18, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column19 then z_sql = z_sql & z_sep & "column19='" & Replace(z_Table2.column19, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column20 then z_sql = z_sql & z_sep & "column20='" & Replace(z_Table2.column20, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column21 then z_sql = z_sql & z_sep & "column21='" & Replace(z_Table2.column21, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column22 then z_sql = z_sql & z_sep & "column22='" & Replace(z_Table2.column22, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column23 then z_sql = z_sql & z_sep & "column23='" & Replace(z_Table2.column23, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column24 then z_sql = z_sql & z_sep & "column24='" & Replace(z_Table2.column24, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column25 then z_sql = z_sql & z_sep & "column25='" & Replace(z_Table2.column25, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column26 then z_sql = z_sql & z_sep & "column26='" & Replace(z_Table2.column26, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column27 then z_sql = z_sql & z_sep & "column27='" & Replace(z_Table2.column27, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column28 then z_sql = z_sql & z_sep & "column28='" & Replace(z_Table2.column28, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column29 then z_sql = z_sql & z_sep & "column29='" & Replace(z_Table2.column29, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column30 then z_sql = z_sql & z_sep & "column30='" & Replace(z_Table2.column30, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column31 then z_sql = z_sql & z_sep & "column31='" & Replace(z_Table2.column31, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column32 then z_sql = z_sql & z_sep & "column32='" & Replace(z_Table2.column32, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column33 then z_sql = z_sql & z_sep & "column33='" & Replace(z_Table2.column33, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column34 then z_sql = z_sql & z_sep & "column34='" & Replace(z_Table2.column34, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column35 then z_sql = z_sql & z_sep & "column35='" & Replace(z_Table2.column35, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column36 then z_sql = z_sql & z_sep & "column36='" & Replace(z_Table2.column36, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column37 then z_sql = z_sql & z_sep & "column37='" & Replace(z_Table2.column37, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column38 then z_sql = z_sql & z_sep & "column38='" & Replace(z_Table2.column38, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column39 then z_sql = z_sql & z_sep & "column39='" & Replace(z_Table2.column39, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column40 then z_sql = z_sql & z_sep & "column40='" & Replace(z_Table2.column40, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column41 then z_sql = z_sql & z_sep & "column41='" & Replace(z_Table2.column41, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column42 then z_sql = z_sql & z_sep & "column42='" & Replace(z_Table2.column42, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column43 then z_sql = z_sql & z_sep & "column43='" & Replace(z_Table2.column43, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column44 then z_sql = z_sql & z_sep & "column44='" & Replace(z_Table2.column44, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column45 then z_sql = z_sql & z_sep & "column45='" & Replace(z_Table2.column45, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column46 then z_sql = z_sql & z_sep & "column46='" & Replace(z_Table2.column46, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column47 then z_sql = z_sql & z_sep & "column47='" & Replace(z_Table2.column47, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column48 then z_sql = z_sql & z_sep & "column48='" & Replace(z_Table2.column48, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column49 then z_sql = z_sql & z_sep & "column49='" & Replace(z_Table2.column49, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column50 then z_sql = z_sql & z_sep & "column50='" & Replace(z_Table2.column50, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column51 then z_sql = z_sql & z_sep & "column51='" & Replace(z_Table2.column51, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column52 then z_sql = z_sql & z_sep & "column52='" & Replace(z_Table2.column52, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column53 then z_sql = z_sql & z_sep & "column53='" & Replace(z_Table2.column53, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column54 then z_sql = z_sql & z_sep & "column54='" & Replace(z_Table2.column54, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column55 then z_sql = z_sql & z_sep & "column55='" & Replace(z_Table2.column55, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column56 then z_sql = z_sql & z_sep & "column56='" & Replace(z_Table2.column56, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column57 then z_sql = z_sql & z_sep & "column57='" & Replace(z_Table2.column57, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column58 then z_sql = z_sql & z_sep & "column58='" & Replace(z_Table2.column58, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column59 then z_sql = z_sql & z_sep & "column59='" & Replace(z_Table2.column59, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column60 then z_sql = z_sql & z_sep & "column60='" & Replace(z_Table2.column60, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column61 then z_sql = z_sql & z_sep & "column61='" & Replace(z_Table2.column61, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column62 then z_sql = z_sql & z_sep & "column62='" & Replace(z_Table2.column62, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column63 then z_sql = z_sql & z_sep & "column63='" & Replace(z_Table2.column63, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column64 then z_sql = z_sql & z_sep & "column64='" & Replace(z_Table2.column64, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column65 then z_sql = z_sql & z_sep & "column65='" & Replace(z_Table2.column65, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column66 then z_sql = z_sql & z_sep & "column66='" & Replace(z_Table2.column66, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column67 then z_sql = z_sql & z_sep & "column67='" & Replace(z_Table2.column67, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column68 then z_sql = z_sql & z_sep & "column68='" & Replace(z_Table2.column68, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column69 then z_sql = z_sql & z_sep & "column69='" & Replace(z_Table2.column69, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column70 then z_sql = z_sql & z_sep & "column70='" & Replace(z_Table2.column70, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column71 then z_sql = z_sql & z_sep & "column71='" & Replace(z_Table2.column71, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column72 then z_sql = z_sql & z_sep & "column72='" & Replace(z_Table2.column72, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column73 then z_sql = z_sql & z_sep & "column73='" & Replace(z_Table2.column73, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column74 then z_sql = z_sql & z_sep & "column74='" & Replace(z_Table2.column74, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column75 then z_sql = z_sql & z_sep & "column75='" & Replace(z_Table2.column75, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column76 then z_sql = z_sql & z_sep & "column76='" & Replace(z_Table2.column76, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column77 then z_sql = z_sql & z_sep & "column77='" & Replace(z_Table2.column77, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column78 then z_sql = z_sql & z_sep & "column78='" & Replace(z_Table2.column78, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column79 then z_sql = z_sql & z_sep & "column79='" & Replace(z_Table2.column79, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column80 then z_sql = z_sql & z_sep & "column80='" & Replace(z_Table2.column80, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column81 then z_sql = z_sql & z_sep & "column81='" & Replace(z_Table2.column81, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column82 then z_sql = z_sql & z_sep & "column82='" & Replace(z_Table2.column82, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column83 then z_sql = z_sql & z_sep & "column83='" & Replace(z_Table2.column83, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column84 then z_sql = z_sql & z_sep & "column84='" & Replace(z_Table2.column84, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column85 then z_sql = z_sql & z_sep & "column85='" & Replace(z_Table2.column85, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column86 then z_sql = z_sql & z_sep & "column86='" & Replace(z_Table2.column86, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column87 then z_sql = z_sql & z_sep & "column87='" & Replace(z_Table2.column87, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column88 then z_sql = z_sql & z_sep & "column88='" & Replace(z_Table2.column88, "'", "''") & "'": z_sep = " and "
        If z_Table2.IsDirty.column89 then z_sql = z_sql & z_sep & "column89='" & Replace(z_Table2.column89, "'", "''") & "'": z_sep = " and "
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
        If update_Table2.IsDirty.column1 then z_sql = z_sql & z_sep & "column1='" & Replace(update_Table2.column1, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column2 then z_sql = z_sql & z_sep & "column2='" & Replace(update_Table2.column2, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column3 then z_sql = z_sql & z_sep & "column3='" & Replace(update_Table2.column3, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column4 then z_sql = z_sql & z_sep & "column4='" & Replace(update_Table2.column4, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column5 then z_sql = z_sql & z_sep & "column5='" & Replace(update_Table2.column5, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column6 then z_sql = z_sql & z_sep & "column6='" & Replace(update_Table2.column6, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column7 then z_sql = z_sql & z_sep & "column7='" & Replace(update_Table2.column7, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column8 then z_sql = z_sql & z_sep & "column8='" & Replace(update_Table2.column8, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column9 then z_sql = z_sql & z_sep & "column9='" & Replace(update_Table2.column9, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column10 then z_sql = z_sql & z_sep & "column10='" & Replace(update_Table2.column10, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column11 then z_sql = z_sql & z_sep & "column11='" & Replace(update_Table2.column11, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column12 then z_sql = z_sql & z_sep & "column12='" & Replace(update_Table2.column12, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column13 then z_sql = z_sql & z_sep & "column13='" & Replace(update_Table2.column13, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column14 then z_sql = z_sql & z_sep & "column14='" & Replace(update_Table2.column14, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column15 then z_sql = z_sql & z_sep & "column15='" & Replace(update_Table2.column15, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column16 then z_sql = z_sql & z_sep & "column16='" & Replace(update_Table2.column16, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column17 then z_sql = z_sql & z_sep & "column17='" & Replace(update_Table2.column17, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column18 then z_sql = z_sql & z_sep & "column18='" & Replace(update_Table2.column18, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column19 then z_sql = z_sql & z_sep & "column19='" & Replace(update_Table2.column19, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column20 then z_sql = z_sql & z_sep & "column20='" & Replace(update_Table2.column20, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column21 then z_sql = z_sql & z_sep & "column21='" & Replace(update_Table2.column21, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column22 then z_sql = z_sql & z_sep & "column22='" & Replace(update_Table2.column22, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column23 then z_sql = z_sql & z_sep & "column23='" & Replace(update_Table2.column23, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column24 then z_sql = z_sql & z_sep & "column24='" & Replace(update_Table2.column24, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column25 then z_sql = z_sql & z_sep & "column25='" & Replace(update_Table2.column25, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column26 then z_sql = z_sql & z_sep & "column26='" & Replace(update_Table2.column26, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column27 then z_sql = z_sql & z_sep & "column27='" & Replace(update_Table2.column27, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column28 then z_sql = z_sql & z_sep & "column28='" & Replace(update_Table2.column28, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column29 then z_sql = z_sql & z_sep & "column29='" & Replace(update_Table2.column29, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column30 then z_sql = z_sql & z_sep & "column30='" & Replace(update_Table2.column30, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column31 then z_sql = z_sql & z_sep & "column31='" & Replace(update_Table2.column31, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column32 then z_sql = z_sql & z_sep & "column32='" & Replace(update_Table2.column32, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column33 then z_sql = z_sql & z_sep & "column33='" & Replace(update_Table2.column33, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column34 then z_sql = z_sql & z_sep & "column34='" & Replace(update_Table2.column34, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column35 then z_sql = z_sql & z_sep & "column35='" & Replace(update_Table2.column35, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column36 then z_sql = z_sql & z_sep & "column36='" & Replace(update_Table2.column36, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column37 then z_sql = z_sql & z_sep & "column37='" & Replace(update_Table2.column37, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column38 then z_sql = z_sql & z_sep & "column38='" & Replace(update_Table2.column38, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column39 then z_sql = z_sql & z_sep & "column39='" & Replace(update_Table2.column39, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column40 then z_sql = z_sql & z_sep & "column40='" & Replace(update_Table2.column40, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column41 then z_sql = z_sql & z_sep & "column41='" & Replace(update_Table2.column41, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column42 then z_sql = z_sql & z_sep & "column42='" & Replace(update_Table2.column42, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column43 then z_sql = z_sql & z_sep & "column43='" & Replace(update_Table2.column43, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column44 then z_sql = z_sql & z_sep & "column44='" & Replace(update_Table2.column44, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column45 then z_sql = z_sql & z_sep & "column45='" & Replace(update_Table2.column45, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column46 then z_sql = z_sql & z_sep & "column46='" & Replace(update_Table2.column46, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column47 then z_sql = z_sql & z_sep & "column47='" & Replace(update_Table2.column47, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column48 then z_sql = z_sql & z_sep & "column48='" & Replace(update_Table2.column48, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column49 then z_sql = z_sql & z_sep & "column49='" & Replace(update_Table2.column49, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column50 then z_sql = z_sql & z_sep & "column50='" & Replace(update_Table2.column50, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column51 then z_sql = z_sql & z_sep & "column51='" & Replace(update_Table2.column51, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column52 then z_sql = z_sql & z_sep & "column52='" & Replace(update_Table2.column52, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column53 then z_sql = z_sql & z_sep & "column53='" & Replace(update_Table2.column53, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column54 then z_sql = z_sql & z_sep & "column54='" & Replace(update_Table2.column54, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column55 then z_sql = z_sql & z_sep & "column55='" & Replace(update_Table2.column55, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column56 then z_sql = z_sql & z_sep & "column56='" & Replace(update_Table2.column56, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column57 then z_sql = z_sql & z_sep & "column57='" & Replace(update_Table2.column57, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column58 then z_sql = z_sql & z_sep & "column58='" & Replace(update_Table2.column58, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column59 then z_sql = z_sql & z_sep & "column59='" & Replace(update_Table2.column59, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column60 then z_sql = z_sql & z_sep & "column60='" & Replace(update_Table2.column60, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column61 then z_sql = z_sql & z_sep & "column61='" & Replace(update_Table2.column61, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column62 then z_sql = z_sql & z_sep & "column62='" & Replace(update_Table2.column62, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column63 then z_sql = z_sql & z_sep & "column63='" & Replace(update_Table2.column63, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column64 then z_sql = z_sql & z_sep & "column64='" & Replace(update_Table2.column64, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column65 then z_sql = z_sql & z_sep & "column65='" & Replace(update_Table2.column65, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column66 then z_sql = z_sql & z_sep & "column66='" & Replace(update_Table2.column66, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column67 then z_sql = z_sql & z_sep & "column67='" & Replace(update_Table2.column67, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column68 then z_sql = z_sql & z_sep & "column68='" & Replace(update_Table2.column68, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column69 then z_sql = z_sql & z_sep & "column69='" & Replace(update_Table2.column69, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column70 then z_sql = z_sql & z_sep & "column70='" & Replace(update_Table2.column70, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column71 then z_sql = z_sql & z_sep & "column71='" & Replace(update_Table2.column71, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column72 then z_sql = z_sql & z_sep & "column72='" & Replace(update_Table2.column72, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column73 then z_sql = z_sql & z_sep & "column73='" & Replace(update_Table2.column73, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column74 then z_sql = z_sql & z_sep & "column74='" & Replace(update_Table2.column74, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column75 then z_sql = z_sql & z_sep & "column75='" & Replace(update_Table2.column75, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column76 then z_sql = z_sql & z_sep & "column76='" & Replace(update_Table2.column76, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column77 then z_sql = z_sql & z_sep & "column77='" & Replace(update_Table2.column77, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column78 then z_sql = z_sql & z_sep & "column78='" & Replace(update_Table2.column78, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column79 then z_sql = z_sql & z_sep & "column79='" & Replace(update_Table2.column79, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column80 then z_sql = z_sql & z_sep & "column80='" & Replace(update_Table2.column80, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column81 then z_sql = z_sql & z_sep & "column81='" & Replace(update_Table2.column81, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column82 then z_sql = z_sql & z_sep & "column82='" & Replace(update_Table2.column82, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column83 then z_sql = z_sql & z_sep & "column83='" & Replace(update_Table2.column83, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column84 then z_sql = z_sql & z_sep & "column84='" & Replace(update_Table2.column84, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column85 then z_sql = z_sql & z_sep & "column85='" & Replace(update_Table2.column85, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column86 then z_sql = z_sql & z_sep & "column86='" & Replace(update_Table2.column86, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column87 then z_sql = z_sql & z_sep & "column87='" & Replace(update_Table2.column87, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column88 then z_sql = z_sql & z_sep & "column88='" & Replace(update_Table2.column88, "'", "''") & "'": z_sep = ", "
        If update_Table2.IsDirty.column89 then z_sql = z_sql & z_sep & "column89='" & Replace(update_Table2.column89, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Table2.IsDirty.column1 then z_sql = z_sql & z_sep & "column1='" & Replace(where_Table2.column1, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column2 then z_sql = z_sql & z_sep & "column2='" & Replace(where_Table2.column2, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column3 then z_sql = z_sql & z_sep & "column3='" & Replace(where_Table2.column3, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column4 then z_sql = z_sql & z_sep & "column4='" & Replace(where_Table2.column4, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column5 then z_sql = z_sql & z_sep & "column5='" & Replace(where_Table2.column5, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column6 then z_sql = z_sql & z_sep & "column6='" & Replace(where_Table2.column6, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column7 then z_sql = z_sql & z_sep & "column7='" & Replace(where_Table2.column7, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column8 then z_sql = z_sql & z_sep & "column8='" & Replace(where_Table2.column8, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column9 then z_sql = z_sql & z_sep & "column9='" & Replace(where_Table2.column9, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column10 then z_sql = z_sql & z_sep & "column10='" & Replace(where_Table2.column10, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column11 then z_sql = z_sql & z_sep & "column11='" & Replace(where_Table2.column11, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column12 then z_sql = z_sql & z_sep & "column12='" & Replace(where_Table2.column12, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column13 then z_sql = z_sql & z_sep & "column13='" & Replace(where_Table2.column13, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column14 then z_sql = z_sql & z_sep & "column14='" & Replace(where_Table2.column14, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column15 then z_sql = z_sql & z_sep & "column15='" & Replace(where_Table2.column15, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column16 then z_sql = z_sql & z_sep & "column16='" & Replace(where_Table2.column16, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column17 then z_sql = z_sql & z_sep & "column17='" & Replace(where_Table2.column17, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column18 then z_sql = z_sql & z_sep & "column18='" & Replace(where_Table2.column18, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column19 then z_sql = z_sql & z_sep & "column19='" & Replace(where_Table2.column19, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column20 then z_sql = z_sql & z_sep & "column20='" & Replace(where_Table2.column20, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column21 then z_sql = z_sql & z_sep & "column21='" & Replace(where_Table2.column21, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column22 then z_sql = z_sql & z_sep & "column22='" & Replace(where_Table2.column22, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column23 then z_sql = z_sql & z_sep & "column23='" & Replace(where_Table2.column23, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column24 then z_sql = z_sql & z_sep & "column24='" & Replace(where_Table2.column24, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column25 then z_sql = z_sql & z_sep & "column25='" & Replace(where_Table2.column25, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column26 then z_sql = z_sql & z_sep & "column26='" & Replace(where_Table2.column26, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column27 then z_sql = z_sql & z_sep & "column27='" & Replace(where_Table2.column27, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column28 then z_sql = z_sql & z_sep & "column28='" & Replace(where_Table2.column28, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column29 then z_sql = z_sql & z_sep & "column29='" & Replace(where_Table2.column29, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column30 then z_sql = z_sql & z_sep & "column30='" & Replace(where_Table2.column30, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column31 then z_sql = z_sql & z_sep & "column31='" & Replace(where_Table2.column31, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column32 then z_sql = z_sql & z_sep & "column32='" & Replace(where_Table2.column32, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column33 then z_sql = z_sql & z_sep & "column33='" & Replace(where_Table2.column33, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column34 then z_sql = z_sql & z_sep & "column34='" & Replace(where_Table2.column34, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column35 then z_sql = z_sql & z_sep & "column35='" & Replace(where_Table2.column35, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column36 then z_sql = z_sql & z_sep & "column36='" & Replace(where_Table2.column36, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column37 then z_sql = z_sql & z_sep & "column37='" & Replace(where_Table2.column37, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column38 then z_sql = z_sql & z_sep & "column38='" & Replace(where_Table2.column38, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column39 then z_sql = z_sql & z_sep & "column39='" & Replace(where_Table2.column39, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column40 then z_sql = z_sql & z_sep & "column40='" & Replace(where_Table2.column40, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column41 then z_sql = z_sql & z_sep & "column41='" & Replace(where_Table2.column41, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column42 then z_sql = z_sql & z_sep & "column42='" & Replace(where_Table2.column42, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column43 then z_sql = z_sql & z_sep & "column43='" & Replace(where_Table2.column43, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column44 then z_sql = z_sql & z_sep & "column44='" & Replace(where_Table2.column44, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column45 then z_sql = z_sql & z_sep & "column45='" & Replace(where_Table2.column45, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column46 then z_sql = z_sql & z_sep & "column46='" & Replace(where_Table2.column46, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column47 then z_sql = z_sql & z_sep & "column47='" & Replace(where_Table2.column47, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column48 then z_sql = z_sql & z_sep & "column48='" & Replace(where_Table2.column48, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column49 then z_sql = z_sql & z_sep & "column49='" & Replace(where_Table2.column49, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column50 then z_sql = z_sql & z_sep & "column50='" & Replace(where_Table2.column50, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column51 then z_sql = z_sql & z_sep & "column51='" & Replace(where_Table2.column51, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column52 then z_sql = z_sql & z_sep & "column52='" & Replace(where_Table2.column52, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column53 then z_sql = z_sql & z_sep & "column53='" & Replace(where_Table2.column53, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column54 then z_sql = z_sql & z_sep & "column54='" & Replace(where_Table2.column54, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column55 then z_sql = z_sql & z_sep & "column55='" & Replace(where_Table2.column55, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column56 then z_sql = z_sql & z_sep & "column56='" & Replace(where_Table2.column56, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column57 then z_sql = z_sql & z_sep & "column57='" & Replace(where_Table2.column57, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column58 then z_sql = z_sql & z_sep & "column58='" & Replace(where_Table2.column58, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column59 then z_sql = z_sql & z_sep & "column59='" & Replace(where_Table2.column59, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column60 then z_sql = z_sql & z_sep & "column60='" & Replace(where_Table2.column60, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column61 then z_sql = z_sql & z_sep & "column61='" & Replace(where_Table2.column61, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column62 then z_sql = z_sql & z_sep & "column62='" & Replace(where_Table2.column62, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column63 then z_sql = z_sql & z_sep & "column63='" & Replace(where_Table2.column63, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column64 then z_sql = z_sql & z_sep & "column64='" & Replace(where_Table2.column64, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column65 then z_sql = z_sql & z_sep & "column65='" & Replace(where_Table2.column65, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column66 then z_sql = z_sql & z_sep & "column66='" & Replace(where_Table2.column66, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column67 then z_sql = z_sql & z_sep & "column67='" & Replace(where_Table2.column67, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column68 then z_sql = z_sql & z_sep & "column68='" & Replace(where_Table2.column68, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column69 then z_sql = z_sql & z_sep & "column69='" & Replace(where_Table2.column69, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column70 then z_sql = z_sql & z_sep & "column70='" & Replace(where_Table2.column70, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column71 then z_sql = z_sql & z_sep & "column71='" & Replace(where_Table2.column71, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column72 then z_sql = z_sql & z_sep & "column72='" & Replace(where_Table2.column72, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column73 then z_sql = z_sql & z_sep & "column73='" & Replace(where_Table2.column73, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column74 then z_sql = z_sql & z_sep & "column74='" & Replace(where_Table2.column74, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column75 then z_sql = z_sql & z_sep & "column75='" & Replace(where_Table2.column75, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column76 then z_sql = z_sql & z_sep & "column76='" & Replace(where_Table2.column76, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column77 then z_sql = z_sql & z_sep & "column77='" & Replace(where_Table2.column77, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column78 then z_sql = z_sql & z_sep & "column78='" & Replace(where_Table2.column78, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column79 then z_sql = z_sql & z_sep & "column79='" & Replace(where_Table2.column79, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column80 then z_sql = z_sql & z_sep & "column80='" & Replace(where_Table2.column80, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column81 then z_sql = z_sql & z_sep & "column81='" & Replace(where_Table2.column81, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column82 then z_sql = z_sql & z_sep & "column82='" & Replace(where_Table2.column82, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column83 then z_sql = z_sql & z_sep & "column83='" & Replace(where_Table2.column83, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column84 then z_sql = z_sql & z_sep & "column84='" & Replace(where_Table2.column84, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column85 then z_sql = z_sql & z_sep & "column85='" & Replace(where_Table2.column85, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column86 then z_sql = z_sql & z_sep & "column86='" & Replace(where_Table2.column86, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column87 then z_sql = z_sql & z_sep & "column87='" & Replace(where_Table2.column87, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column88 then z_sql = z_sql & z_sep & "column88='" & Replace(where_Table2.column88, "'", "''") & "'": z_sep = " and "
            If where_Table2.IsDirty.column89 then z_sql = z_sql & z_sep & "column89='" & Replace(where_Table2.column89, "'", "''") & "'": z_sep = " and "
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
        If z_Table2.IsDirty.column1 then z_sql = z_sql & z_sep & "column1": z_sep = ", "
        If z_Table2.IsDirty.column2 then z_sql = z_sql & z_sep & "column2": z_sep = ", "
        If z_Table2.IsDirty.column3 then z_sql = z_sql & z_sep & "column3": z_sep = ", "
        If z_Table2.IsDirty.column4 then z_sql = z_sql & z_sep & "column4": z_sep = ", "
        If z_Table2.IsDirty.column5 then z_sql = z_sql & z_sep & "column5": z_sep = ", "
        If z_Table2.IsDirty.column6 then z_sql = z_sql & z_sep & "column6": z_sep = ", "
        If z_Table2.IsDirty.column7 then z_sql = z_sql & z_sep & "column7": z_sep = ", "
        If z_Table2.IsDirty.column8 then z_sql = z_sql & z_sep & "column8": z_sep = ", "
        If z_Table2.IsDirty.column9 then z_sql = z_sql & z_sep & "column9": z_sep = ", "
        If z_Table2.IsDirty.column10 then z_sql = z_sql & z_sep & "column10": z_sep = ", "
        If z_Table2.IsDirty.column11 then z_sql = z_sql & z_sep & "column11": z_sep = ", "
        If z_Table2.IsDirty.column12 then z_sql = z_sql & z_sep & "column12": z_sep = ", "
        If z_Table2.IsDirty.column13 then z_sql = z_sql & z_sep & "column13": z_sep = ", "
        If z_Table2.IsDirty.column14 then z_sql = z_sql & z_sep & "column14": z_sep = ", "
        If z_Table2.IsDirty.column15 then z_sql = z_sql & z_sep & "column15": z_sep = ", "
        If z_Table2.IsDirty.column16 then z_sql = z_sql & z_sep & "column16": z_sep = ", "
        If z_Table2.IsDirty.column17 then z_sql = z_sql & z_sep & "column17": z_sep = ", "
        If z_Table2.IsDirty.column18 then z_sql = z_sql & z_sep & "column18": z_sep = ", "
        If z_Table2.IsDirty.column19 then z_sql = z_sql & z_sep & "column19": z_sep = ", "
        If z_Table2.IsDirty.column20 then z_sql = z_sql & z_sep & "column20": z_sep = ", "
        If z_Table2.IsDirty.column21 then z_sql = z_sql & z_sep & "column21": z_sep = ", "
        If z_Table2.IsDirty.column22 then z_sql = z_sql & z_sep & "column22": z_sep = ", "
        If z_Table2.IsDirty.column23 then z_sql = z_sql & z_sep & "column23": z_sep = ", "
        If z_Table2.IsDirty.column24 then z_sql = z_sql & z_sep & "column24": z_sep = ", "
        If z_Table2.IsDirty.column25 then z_sql = z_sql & z_sep & "column25": z_sep = ", "
        If z_Table2.IsDirty.column26 then z_sql = z_sql & z_sep & "column26": z_sep = ", "
        If z_Table2.IsDirty.column27 then z_sql = z_sql & z_sep & "column27": z_sep = ", "
        If z_Table2.IsDirty.column28 then z_sql = z_sql & z_sep & "column28": z_sep = ", "
        If z_Table2.IsDirty.column29 then z_sql = z_sql & z_sep & "column29": z_sep = ", "
        If z_Table2.IsDirty.column30 then z_sql = z_sql & z_sep & "column30": z_sep = ", "
        If z_Table2.IsDirty.column31 then z_sql = z_sql & z_sep & "column31": z_sep = ", "
        If z_Table2.IsDirty.column32 then z_sql = z_sql & z_sep & "column32": z_sep = ", "
        If z_Table2.IsDirty.column33 then z_sql = z_sql & z_sep & "column33": z_sep = ", "
        If z_Table2.IsDirty.column34 then z_sql = z_sql & z_sep & "column34": z_sep = ", "
        If z_Table2.IsDirty.column35 then z_sql = z_sql & z_sep & "column35": z_sep = ", "
        If z_Table2.IsDirty.column36 then z_sql = z_sql & z_sep & "column36": z_sep = ", "
        If z_Table2.IsDirty.column37 then z_sql = z_sql & z_sep & "column37": z_sep = ", "
        If z_Table2.IsDirty.column38 then z_sql = z_sql & z_sep & "column38": z_sep = ", "
        If z_Table2.IsDirty.column39 then z_sql = z_sql & z_sep & "column39": z_sep = ", "
        If z_Table2.IsDirty.column40 then z_sql = z_sql & z_sep & "column40": z_sep = ", "
        If z_Table2.IsDirty.column41 then z_sql = z_sql & z_sep & "column41": z_sep = ", "
        If z_Table2.IsDirty.column42 then z_sql = z_sql & z_sep & "column42": z_sep = ", "
        If z_Table2.IsDirty.column43 then z_sql = z_sql & z_sep & "column43": z_sep = ", "
        If z_Table2.IsDirty.column44 then z_sql = z_sql & z_sep & "column44": z_sep = ", "
        If z_Table2.IsDirty.column45 then z_sql = z_sql & z_sep & "column45": z_sep = ", "
        If z_Table2.IsDirty.column46 then z_sql = z_sql & z_sep & "column46": z_sep = ", "
        If z_Table2.IsDirty.column47 then z_sql = z_sql & z_sep & "column47": z_sep = ", "
        If z_Table2.IsDirty.column48 then z_sql = z_sql & z_sep & "column48": z_sep = ", "
        If z_Table2.IsDirty.column49 then z_sql = z_sql & z_sep & "column49": z_sep = ", "
        If z_Table2.IsDirty.column50 then z_sql = z_sql & z_sep & "column50": z_sep = ", "
        If z_Table2.IsDirty.column51 then z_sql = z_sql & z_sep & "column51": z_sep = ", "
        If z_Table2.IsDirty.column52 then z_sql = z_sql & z_sep & "column52": z_sep = ", "
        If z_Table2.IsDirty.column53 then z_sql = z_sql & z_sep & "column53": z_sep = ", "
        If z_Table2.IsDirty.column54 then z_sql = z_sql & z_sep & "column54": z_sep = ", "
        If z_Table2.IsDirty.column55 then z_sql = z_sql & z_sep & "column55": z_sep = ", "
        If z_Table2.IsDirty.column56 then z_sql = z_sql & z_sep & "column56": z_sep = ", "
        If z_Table2.IsDirty.column57 then z_sql = z_sql & z_sep & "column57": z_sep = ", "
        If z_Table2.IsDirty.column58 then z_sql = z_sql & z_sep & "column58": z_sep = ", "
        If z_Table2.IsDirty.column59 then z_sql = z_sql & z_sep & "column59": z_sep = ", "
        If z_Table2.IsDirty.column60 then z_sql = z_sql & z_sep & "column60": z_sep = ", "
        If z_Table2.IsDirty.column61 then z_sql = z_sql & z_sep & "column61": z_sep = ", "
        If z_Table2.IsDirty.column62 then z_sql = z_sql & z_sep & "column62": z_sep = ", "
        If z_Table2.IsDirty.column63 then z_sql = z_sql & z_sep & "column63": z_sep = ", "
        If z_Table2.IsDirty.column64 then z_sql = z_sql & z_sep & "column64": z_sep = ", "
        If z_Table2.IsDirty.column65 then z_sql = z_sql & z_sep & "column65": z_sep = ", "
        If z_Table2.IsDirty.column66 then z_sql = z_sql & z_sep & "column66": z_sep = ", "
        If z_Table2.IsDirty.column67 then z_sql = z_sql & z_sep & "column67": z_sep = ", "
        If z_Table2.IsDirty.column68 then z_sql = z_sql & z_sep & "column68": z_sep = ", "
        If z_Table2.IsDirty.column69 then z_sql = z_sql & z_sep & "column69": z_sep = ", "
        If z_Table2.IsDirty.column70 then z_sql = z_sql & z_sep & "column70": z_sep = ", "
        If z_Table2.IsDirty.column71 then z_sql = z_sql & z_sep & "column71": z_sep = ", "
        If z_Table2.IsDirty.column72 then z_sql = z_sql & z_sep & "column72": z_sep = ", "
        If z_Table2.IsDirty.column73 then z_sql = z_sql & z_sep & "column73": z_sep = ", "
        If z_Table2.IsDirty.column74 then z_sql = z_sql & z_sep & "column74": z_sep = ", "
        If z_Table2.IsDirty.column75 then z_sql = z_sql & z_sep & "column75": z_sep = ", "
        If z_Table2.IsDirty.column76 then z_sql = z_sql & z_sep & "column76": z_sep = ", "
        If z_Table2.IsDirty.column77 then z_sql = z_sql & z_sep & "column77": z_sep = ", "
        If z_Table2.IsDirty.column78 then z_sql = z_sql & z_sep & "column78": z_sep = ", "
        If z_Table2.IsDirty.column79 then z_sql = z_sql & z_sep & "column79": z_sep = ", "
        If z_Table2.IsDirty.column80 then z_sql = z_sql & z_sep & "column80": z_sep = ", "
        If z_Table2.IsDirty.column81 then z_sql = z_sql & z_sep & "column81": z_sep = ", "
        If z_Table2.IsDirty.column82 then z_sql = z_sql & z_sep & "column82": z_sep = ", "
        If z_Table2.IsDirty.column83 then z_sql = z_sql & z_sep & "column83": z_sep = ", "
        If z_Table2.IsDirty.column84 then z_sql = z_sql & z_sep & "column84": z_sep = ", "
        If z_Table2.IsDirty.column85 then z_sql = z_sql & z_sep & "column85": z_sep = ", "
        If z_Table2.IsDirty.column86 then z_sql = z_sql & z_sep & "column86": z_sep = ", "
        If z_Table2.IsDirty.column87 then z_sql = z_sql & z_sep & "column87": z_sep = ", "
        If z_Table2.IsDirty.column88 then z_sql = z_sql & z_sep & "column88": z_sep = ", "
        If z_Table2.IsDirty.column89 then z_sql = z_sql & z_sep & "column89": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Table2.IsDirty.column1 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column1, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column2 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column2, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column3 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column3, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column4 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column4, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column5 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column5, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column6 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column6, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column7 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column7, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column8 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column8, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column9 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column9, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column10 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column10, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column11 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column11, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column12 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column12, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column13 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column13, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column14 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column14, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column15 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column15, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column16 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column16, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column17 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column17, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column18 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column18, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column19 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column19, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column20 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column20, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column21 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column21, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column22 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column22, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column23 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column23, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column24 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column24, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column25 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column25, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column26 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column26, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column27 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column27, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column28 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column28, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column29 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column29, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column30 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column30, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column31 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column31, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column32 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column32, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column33 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column33, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column34 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column34, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column35 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column35, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column36 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column36, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column37 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column37, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column38 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column38, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column39 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column39, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column40 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column40, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column41 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column41, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column42 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column42, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column43 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column43, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column44 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column44, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column45 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column45, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column46 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column46, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column47 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column47, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column48 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column48, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column49 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column49, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column50 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column50, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column51 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column51, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column52 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column52, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column53 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column53, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column54 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column54, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column55 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column55, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column56 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column56, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column57 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column57, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column58 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column58, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column59 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column59, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column60 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column60, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column61 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column61, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column62 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column62, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column63 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column63, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column64 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column64, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column65 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column65, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column66 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column66, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column67 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column67, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column68 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column68, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column69 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column69, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column70 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column70, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column71 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column71, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column72 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column72, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column73 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column73, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column74 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column74, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column75 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column75, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column76 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column76, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column77 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column77, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column78 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column78, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column79 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column79, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column80 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column80, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column81 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column81, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column82 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column82, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column83 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column83, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column84 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column84, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column85 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column85, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column86 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column86, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column87 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column87, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column88 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column88, "'", "''") & "'": z_sep = ", "
        If z_Table2.IsDirty.column89 then z_sql = z_sql & z_sep & "'" & Replace(z_Table2.column89, "'", "''") & "'": z_sep = ", "
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
        If z_Table3.IsDirty.a then z_sql = z_sql & z_sep & "a='" & Replace(z_Table3.a, "'", "''") & "'": z_sep = " and "
        If z_Table3.IsDirty.b then z_sql = z_sql & z_sep & "b='" & Replace(z_Table3.b, "'", "''") & "'": z_sep = " and "
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
        If z_Table3.IsDirty.a then z_sql = z_sql & z_sep & "a='" & Replace(z_Table3.a, "'", "''") & "'": z_sep = " and "
        If z_Table3.IsDirty.b then z_sql = z_sql & z_sep & "b='" & Replace(z_Table3.b, "'", "''") & "'": z_sep = " and "
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
        If update_Table3.IsDirty.a then z_sql = z_sql & z_sep & "a='" & Replace(update_Table3.a, "'", "''") & "'": z_sep = ", "
        If update_Table3.IsDirty.b then z_sql = z_sql & z_sep & "b='" & Replace(update_Table3.b, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Table3.IsDirty.a then z_sql = z_sql & z_sep & "a='" & Replace(where_Table3.a, "'", "''") & "'": z_sep = " and "
            If where_Table3.IsDirty.b then z_sql = z_sql & z_sep & "b='" & Replace(where_Table3.b, "'", "''") & "'": z_sep = " and "
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
        If z_Table3.IsDirty.a then z_sql = z_sql & z_sep & "a": z_sep = ", "
        If z_Table3.IsDirty.b then z_sql = z_sql & z_sep & "b": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Table3.IsDirty.a then z_sql = z_sql & z_sep & "'" & Replace(z_Table3.a, "'", "''") & "'": z_sep = ", "
        If z_Table3.IsDirty.b then z_sql = z_sql & z_sep & "'" & Replace(z_Table3.b, "'", "''") & "'": z_sep = ", "
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

    Public Shared Function GetTable4Reader(ByVal z_Table4 as Table4) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select * from Table4"
        If z_Table4.IsDirty.name then z_sql = z_sql & z_sep & "name='" & Replace(z_Table4.name, "'", "''") & "'": z_sep = " and "
        If z_Table4.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(z_Table4.data, "'", "''") & "'": z_sep = " and "
        if not z_Table4.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Table4.WhereClause
        End If 
        if Not z_Table4.OrderClause Is Nothing then  z_sql = z_sql & " order by " & z_Table4.OrderClause
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

    Public Shared Sub DelTable4(ByVal z_Table4 as Table4)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "Delete from Table4"
        If z_Table4.IsDirty.name then z_sql = z_sql & z_sep & "name='" & Replace(z_Table4.name, "'", "''") & "'": z_sep = " and "
        If z_Table4.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(z_Table4.data, "'", "''") & "'": z_sep = " and "
        if not z_Table4.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & z_Table4.WhereClause
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

    Public Shared Sub UpdateTable4(ByVal update_Table4 as Table4, ByVal where_Table4 as Table4)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "update Table4 set "
        If update_Table4.IsDirty.name then z_sql = z_sql & z_sep & "name='" & Replace(update_Table4.name, "'", "''") & "'": z_sep = ", "
        If update_Table4.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(update_Table4.data, "'", "''") & "'": z_sep = ", "
        z_sep = " where "
            If where_Table4.IsDirty.name then z_sql = z_sql & z_sep & "name='" & Replace(where_Table4.name, "'", "''") & "'": z_sep = " and "
            If where_Table4.IsDirty.data then z_sql = z_sql & z_sep & "data='" & Replace(where_Table4.data, "'", "''") & "'": z_sep = " and "
        if not where_Table4.WhereClause Is Nothing then 
            z_sql = z_sql & z_sep & where_Table4.WhereClause
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

    Public Shared Sub InsertTable4(ByVal z_Table4 as Table4)
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = ""
        z_sql = "insert into Table4("
        If z_Table4.IsDirty.name then z_sql = z_sql & z_sep & "name": z_sep = ", "
        If z_Table4.IsDirty.data then z_sql = z_sql & z_sep & "data": z_sep = ", "
        z_sql = z_sql & ") select "
            z_sep = ""
        If z_Table4.IsDirty.name then z_sql = z_sql & z_sep & "'" & Replace(z_Table4.name, "'", "''") & "'": z_sep = ", "
        If z_Table4.IsDirty.data then z_sql = z_sql & z_sep & "'" & Replace(z_Table4.data, "'", "''") & "'": z_sep = ", "
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
