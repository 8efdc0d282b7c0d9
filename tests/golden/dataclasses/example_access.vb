
    'Foreign Keys - Join Classes
    Public Shared Function GetT_PReader(ByVal z_T_P as T_P) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "T.c1 AS A_c1"
        z_sql = z_sql & ", T.c2 AS A_c2"
        z_sql = z_sql & ", P.p1 AS B_p1"
        z_sql = z_sql & " from T,P"
        z_sql = z_sql & z_sep & "T.c2=P.p1": z_sep = " and "
        If z_T_P.IsDirty.T_c1 then z_sql = z_sql & z_sep & "T.c1='" & Replace(z_T_P.T_c1, "'", "''") & "'": z_sep = " and "
        If z_T_P.IsDirty.T_c2 then z_sql = z_sql & z_sep & "T.c2='" & Replace(z_T_P.T_c2, "'", "''") & "'": z_sep = " and "
        If z_T_P.IsDirty.P_p1 then z_sql = z_sql & z_sep & "P.p1='" & Replace(z_T_P.P_p1, "'", "''") & "'": z_sep = " and "
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
