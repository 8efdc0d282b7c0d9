
    'Foreign Keys - Join Classes
Public Module orders_customersManager
    Public Function Getorders_customers(ByVal z_orders_customers as orders_customers) As orders_customers
        dim y_orders_customers as New orders_customers()
        Dim rdr As IDataReader
        Try
            rdr = DAL.Getorders_customersReader(z_orders_customers)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_order_no")) Then y_orders_customers.orders_order_no=rdr("A_order_no")
                If Not IsDBNull(rdr("A_customer_id")) Then y_orders_customers.orders_customer_id=rdr("A_customer_id")
                If Not IsDBNull(rdr("A_ordered")) Then y_orders_customers.orders_ordered=rdr("A_ordered")
                If Not IsDBNull(rdr("B_id")) Then y_orders_customers.customers_id=rdr("B_id")
                If Not IsDBNull(rdr("B_name")) Then y_orders_customers.customers_name=rdr("B_name")
                If Not IsDBNull(rdr("B_balance")) Then y_orders_customers.customers_balance=rdr("B_balance")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_orders_customers
    End Function


    Public Function Listorders_customers(ByVal z_orders_customers as orders_customers) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_orders_customers as orders_customers
        Try
            rdr = DAL.Getorders_customersReader(z_orders_customers)
            While (rdr.Read())
                y_orders_customers = New orders_customers()
                If Not IsDBNull(rdr("A_order_no")) Then y_orders_customers.orders_order_no=rdr("A_order_no")
                If Not IsDBNull(rdr("A_customer_id")) Then y_orders_customers.orders_customer_id=rdr("A_customer_id")
                If Not IsDBNull(rdr("A_ordered")) Then y_orders_customers.orders_ordered=rdr("A_ordered")
                If Not IsDBNull(rdr("B_id")) Then y_orders_customers.customers_id=rdr("B_id")
                If Not IsDBNull(rdr("B_name")) Then y_orders_customers.customers_name=rdr("B_name")
                If Not IsDBNull(rdr("B_balance")) Then y_orders_customers.customers_balance=rdr("B_balance")
                liste.Add (y_orders_customers)
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
