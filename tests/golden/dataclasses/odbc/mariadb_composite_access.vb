
    'Foreign Keys - Join Classes
    Public Shared Function Getorder_lines_ordersReader(ByVal z_order_lines_orders as order_lines_orders) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "order_lines.order_no AS A_order_no"
        z_sql = z_sql & ", order_lines.line_no AS A_line_no"
        z_sql = z_sql & ", order_lines.item AS A_item"
        z_sql = z_sql & ", orders.order_no AS B_order_no"
        z_sql = z_sql & ", orders.customer_id AS B_customer_id"
        z_sql = z_sql & ", orders.ordered AS B_ordered"
        z_sql = z_sql & " from order_lines,orders"
        z_sql = z_sql & z_sep & "order_lines.order_no=orders.order_no": z_sep = " and "
        If z_order_lines_orders.IsDirty.order_lines_order_no then z_sql = z_sql & z_sep & "order_lines.order_no='" & Replace(z_order_lines_orders.order_lines_order_no, "'", "''") & "'": z_sep = " and "
        If z_order_lines_orders.IsDirty.order_lines_line_no then z_sql = z_sql & z_sep & "order_lines.line_no='" & Replace(z_order_lines_orders.order_lines_line_no, "'", "''") & "'": z_sep = " and "
        If z_order_lines_orders.IsDirty.order_lines_item then z_sql = z_sql & z_sep & "order_lines.item='" & Replace(z_order_lines_orders.order_lines_item, "'", "''") & "'": z_sep = " and "
        If z_order_lines_orders.IsDirty.orders_order_no then z_sql = z_sql & z_sep & "orders.order_no='" & Replace(z_order_lines_orders.orders_order_no, "'", "''") & "'": z_sep = " and "
        If z_order_lines_orders.IsDirty.orders_customer_id then z_sql = z_sql & z_sep & "orders.customer_id='" & Replace(z_order_lines_orders.orders_customer_id, "'", "''") & "'": z_sep = " and "
        If z_order_lines_orders.IsDirty.orders_ordered then z_sql = z_sql & z_sep & "orders.ordered='" & Replace(z_order_lines_orders.orders_ordered, "'", "''") & "'": z_sep = " and "
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
    Public Shared Function Getshipments_order_linesReader(ByVal z_shipments_order_lines as shipments_order_lines) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "shipments.ship_id AS A_ship_id"
        z_sql = z_sql & ", shipments.order_no AS A_order_no"
        z_sql = z_sql & ", shipments.line_no AS A_line_no"
        z_sql = z_sql & ", order_lines.order_no AS B_order_no"
        z_sql = z_sql & ", order_lines.line_no AS B_line_no"
        z_sql = z_sql & ", order_lines.item AS B_item"
        z_sql = z_sql & " from shipments,order_lines"
        z_sql = z_sql & z_sep & "shipments.order_no=order_lines.order_no": z_sep = " and "
        z_sql = z_sql & z_sep & "shipments.order_no=order_lines.order_no": z_sep = " and "
        z_sql = z_sql & z_sep & "shipments.line_no=order_lines.line_no": z_sep = " and "
        z_sql = z_sql & z_sep & "shipments.line_no=order_lines.line_no": z_sep = " and "
        If z_shipments_order_lines.IsDirty.shipments_ship_id then z_sql = z_sql & z_sep & "shipments.ship_id='" & Replace(z_shipments_order_lines.shipments_ship_id, "'", "''") & "'": z_sep = " and "
        If z_shipments_order_lines.IsDirty.shipments_order_no then z_sql = z_sql & z_sep & "shipments.order_no='" & Replace(z_shipments_order_lines.shipments_order_no, "'", "''") & "'": z_sep = " and "
        If z_shipments_order_lines.IsDirty.shipments_line_no then z_sql = z_sql & z_sep & "shipments.line_no='" & Replace(z_shipments_order_lines.shipments_line_no, "'", "''") & "'": z_sep = " and "
        If z_shipments_order_lines.IsDirty.order_lines_order_no then z_sql = z_sql & z_sep & "order_lines.order_no='" & Replace(z_shipments_order_lines.order_lines_order_no, "'", "''") & "'": z_sep = " and "
        If z_shipments_order_lines.IsDirty.order_lines_line_no then z_sql = z_sql & z_sep & "order_lines.line_no='" & Replace(z_shipments_order_lines.order_lines_line_no, "'", "''") & "'": z_sep = " and "
        If z_shipments_order_lines.IsDirty.order_lines_item then z_sql = z_sql & z_sep & "order_lines.item='" & Replace(z_shipments_order_lines.order_lines_item, "'", "''") & "'": z_sep = " and "
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
