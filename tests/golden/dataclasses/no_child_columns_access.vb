
    'Foreign Keys - Join Classes
    Public Shared Function GetC_P2Reader(ByVal z_C_P2 as C_P2) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "P2.id AS B_id"
        z_sql = z_sql & ", P2.label AS B_label"
        z_sql = z_sql & " from C,P2"
        z_sql = z_sql & z_sep & "C.a=P2.id": z_sep = " and "
        z_sql = z_sql & z_sep & "C.c=P2.label": z_sep = " and "
        If z_C_P2.IsDirty.P2_id then z_sql = z_sql & z_sep & "P2.id='" & Replace(z_C_P2.P2_id, "'", "''") & "'": z_sep = " and "
        If z_C_P2.IsDirty.P2_label then z_sql = z_sql & z_sep & "P2.label='" & Replace(z_C_P2.P2_label, "'", "''") & "'": z_sep = " and "
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

    Public Shared Function GetC_P1Reader(ByVal z_C_P1 as C_P1) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "P1.id AS B_id"
        z_sql = z_sql & ", P1.label AS B_label"
        z_sql = z_sql & " from C,P1"
        z_sql = z_sql & z_sep & "C.b=P1.id": z_sep = " and "
        If z_C_P1.IsDirty.P1_id then z_sql = z_sql & z_sep & "P1.id='" & Replace(z_C_P1.P1_id, "'", "''") & "'": z_sep = " and "
        If z_C_P1.IsDirty.P1_label then z_sql = z_sql & z_sep & "P1.label='" & Replace(z_C_P1.P1_label, "'", "''") & "'": z_sep = " and "
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

    Public Shared Function GetC_P3Reader(ByVal z_C_P3 as C_P3) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "P3.id AS B_id"
        z_sql = z_sql & ", P3.label AS B_label"
        z_sql = z_sql & " from C,P3"
        z_sql = z_sql & z_sep & "C.c=P3.id": z_sep = " and "
        If z_C_P3.IsDirty.P3_id then z_sql = z_sql & z_sep & "P3.id='" & Replace(z_C_P3.P3_id, "'", "''") & "'": z_sep = " and "
        If z_C_P3.IsDirty.P3_label then z_sql = z_sql & z_sep & "P3.label='" & Replace(z_C_P3.P3_label, "'", "''") & "'": z_sep = " and "
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
