
    'Foreign Keys - Join Classes
    Public Shared Function Getorders_customersReader(ByVal z_orders_customers as orders_customers) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "orders.order_no AS A_order_no"
        z_sql = z_sql & ", orders.customer_id AS A_customer_id"
        z_sql = z_sql & ", orders.ordered AS A_ordered"
        z_sql = z_sql & ", customers.id AS B_id"
        z_sql = z_sql & ", customers.name AS B_name"
        z_sql = z_sql & ", customers.balance AS B_balance"
        z_sql = z_sql & " from orders,customers"
        z_sql = z_sql & z_sep & "orders.customer_id=customers.id": z_sep = " and "
        z_sql = z_sql & z_sep & "orders.customer_id=customers.id": z_sep = " and "
        If z_orders_customers.IsDirty.orders_order_no then z_sql = z_sql & z_sep & "orders.order_no='" & Replace(z_orders_customers.orders_order_no, "'", "''") & "'": z_sep = " and "
        If z_orders_customers.IsDirty.orders_customer_id then z_sql = z_sql & z_sep & "orders.customer_id='" & Replace(z_orders_customers.orders_customer_id, "'", "''") & "'": z_sep = " and "
        If z_orders_customers.IsDirty.orders_ordered then z_sql = z_sql & z_sep & "orders.ordered='" & Replace(z_orders_customers.orders_ordered, "'", "''") & "'": z_sep = " and "
        If z_orders_customers.IsDirty.customers_id then z_sql = z_sql & z_sep & "customers.id='" & Replace(z_orders_customers.customers_id, "'", "''") & "'": z_sep = " and "
        If z_orders_customers.IsDirty.customers_name then z_sql = z_sql & z_sep & "customers.name='" & Replace(z_orders_customers.customers_name, "'", "''") & "'": z_sep = " and "
        If z_orders_customers.IsDirty.customers_balance then z_sql = z_sql & z_sep & "customers.balance='" & Replace(z_orders_customers.customers_balance, "'", "''") & "'": z_sep = " and "
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
