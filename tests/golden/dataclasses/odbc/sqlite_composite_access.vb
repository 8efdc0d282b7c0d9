
    'Foreign Keys - Join Classes
    Public Shared Function GetORDER_LINES_ORDERSReader(ByVal z_ORDER_LINES_ORDERS as ORDER_LINES_ORDERS) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "ORDER_LINES.ORDER_NO AS A_ORDER_NO"
        z_sql = z_sql & ", ORDER_LINES.LINE_NO AS A_LINE_NO"
        z_sql = z_sql & ", ORDER_LINES.ITEM AS A_ITEM"
        z_sql = z_sql & ", ORDERS.ORDER_NO AS B_ORDER_NO"
        z_sql = z_sql & ", ORDERS.CUSTOMER_ID AS B_CUSTOMER_ID"
        z_sql = z_sql & ", ORDERS.ORDERED AS B_ORDERED"
        z_sql = z_sql & " from ORDER_LINES,ORDERS"
        z_sql = z_sql & z_sep & "ORDER_LINES.ORDER_NO=ORDERS.ORDER_NO": z_sep = " and "
        If z_ORDER_LINES_ORDERS.IsDirty.ORDER_LINES_ORDER_NO then z_sql = z_sql & z_sep & "ORDER_LINES.ORDER_NO='" & Replace(z_ORDER_LINES_ORDERS.ORDER_LINES_ORDER_NO, "'", "''") & "'": z_sep = " and "
        If z_ORDER_LINES_ORDERS.IsDirty.ORDER_LINES_LINE_NO then z_sql = z_sql & z_sep & "ORDER_LINES.LINE_NO='" & Replace(z_ORDER_LINES_ORDERS.ORDER_LINES_LINE_NO, "'", "''") & "'": z_sep = " and "
        If z_ORDER_LINES_ORDERS.IsDirty.ORDER_LINES_ITEM then z_sql = z_sql & z_sep & "ORDER_LINES.ITEM='" & Replace(z_ORDER_LINES_ORDERS.ORDER_LINES_ITEM, "'", "''") & "'": z_sep = " and "
        If z_ORDER_LINES_ORDERS.IsDirty.ORDERS_ORDER_NO then z_sql = z_sql & z_sep & "ORDERS.ORDER_NO='" & Replace(z_ORDER_LINES_ORDERS.ORDERS_ORDER_NO, "'", "''") & "'": z_sep = " and "
        If z_ORDER_LINES_ORDERS.IsDirty.ORDERS_CUSTOMER_ID then z_sql = z_sql & z_sep & "ORDERS.CUSTOMER_ID='" & Replace(z_ORDER_LINES_ORDERS.ORDERS_CUSTOMER_ID, "'", "''") & "'": z_sep = " and "
        If z_ORDER_LINES_ORDERS.IsDirty.ORDERS_ORDERED then z_sql = z_sql & z_sep & "ORDERS.ORDERED='" & Replace(z_ORDER_LINES_ORDERS.ORDERS_ORDERED, "'", "''") & "'": z_sep = " and "
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


    'Foreign Keys - Join Classes
    Public Shared Function GetSHIPMENTS_ORDER_LINESReader(ByVal z_SHIPMENTS_ORDER_LINES as SHIPMENTS_ORDER_LINES) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "SHIPMENTS.SHIP_ID AS A_SHIP_ID"
        z_sql = z_sql & ", SHIPMENTS.ORDER_NO AS A_ORDER_NO"
        z_sql = z_sql & ", SHIPMENTS.LINE_NO AS A_LINE_NO"
        z_sql = z_sql & ", ORDER_LINES.ORDER_NO AS B_ORDER_NO"
        z_sql = z_sql & ", ORDER_LINES.LINE_NO AS B_LINE_NO"
        z_sql = z_sql & ", ORDER_LINES.ITEM AS B_ITEM"
        z_sql = z_sql & " from SHIPMENTS,ORDER_LINES"
        z_sql = z_sql & z_sep & "SHIPMENTS.ORDER_NO=ORDER_LINES.ORDER_NO": z_sep = " and "
        z_sql = z_sql & z_sep & "SHIPMENTS.ORDER_NO=ORDER_LINES.ORDER_NO": z_sep = " and "
        z_sql = z_sql & z_sep & "SHIPMENTS.LINE_NO=ORDER_LINES.LINE_NO": z_sep = " and "
        z_sql = z_sql & z_sep & "SHIPMENTS.LINE_NO=ORDER_LINES.LINE_NO": z_sep = " and "
        If z_SHIPMENTS_ORDER_LINES.IsDirty.SHIPMENTS_SHIP_ID then z_sql = z_sql & z_sep & "SHIPMENTS.SHIP_ID='" & Replace(z_SHIPMENTS_ORDER_LINES.SHIPMENTS_SHIP_ID, "'", "''") & "'": z_sep = " and "
        If z_SHIPMENTS_ORDER_LINES.IsDirty.SHIPMENTS_ORDER_NO then z_sql = z_sql & z_sep & "SHIPMENTS.ORDER_NO='" & Replace(z_SHIPMENTS_ORDER_LINES.SHIPMENTS_ORDER_NO, "'", "''") & "'": z_sep = " and "
        If z_SHIPMENTS_ORDER_LINES.IsDirty.SHIPMENTS_LINE_NO then z_sql = z_sql & z_sep & "SHIPMENTS.LINE_NO='" & Replace(z_SHIPMENTS_ORDER_LINES.SHIPMENTS_LINE_NO, "'", "''") & "'": z_sep = " and "
        If z_SHIPMENTS_ORDER_LINES.IsDirty.ORDER_LINES_ORDER_NO then z_sql = z_sql & z_sep & "ORDER_LINES.ORDER_NO='" & Replace(z_SHIPMENTS_ORDER_LINES.ORDER_LINES_ORDER_NO, "'", "''") & "'": z_sep = " and "
        If z_SHIPMENTS_ORDER_LINES.IsDirty.ORDER_LINES_LINE_NO then z_sql = z_sql & z_sep & "ORDER_LINES.LINE_NO='" & Replace(z_SHIPMENTS_ORDER_LINES.ORDER_LINES_LINE_NO, "'", "''") & "'": z_sep = " and "
        If z_SHIPMENTS_ORDER_LINES.IsDirty.ORDER_LINES_ITEM then z_sql = z_sql & z_sep & "ORDER_LINES.ITEM='" & Replace(z_SHIPMENTS_ORDER_LINES.ORDER_LINES_ITEM, "'", "''") & "'": z_sep = " and "
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
