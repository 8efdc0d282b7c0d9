
    'Foreign Keys - Join Classes
Public Module order_lines_ordersManager
    Public Function Getorder_lines_orders(ByVal z_order_lines_orders as order_lines_orders) As order_lines_orders
        dim y_order_lines_orders as New order_lines_orders()
        Dim rdr As IDataReader
        Try
            rdr = DAL.Getorder_lines_ordersReader(z_order_lines_orders)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_order_no")) Then y_order_lines_orders.order_lines_order_no=rdr("A_order_no")
                If Not IsDBNull(rdr("A_line_no")) Then y_order_lines_orders.order_lines_line_no=rdr("A_line_no")
                If Not IsDBNull(rdr("A_item")) Then y_order_lines_orders.order_lines_item=rdr("A_item")
                If Not IsDBNull(rdr("B_order_no")) Then y_order_lines_orders.orders_order_no=rdr("B_order_no")
                If Not IsDBNull(rdr("B_customer_id")) Then y_order_lines_orders.orders_customer_id=rdr("B_customer_id")
                If Not IsDBNull(rdr("B_ordered")) Then y_order_lines_orders.orders_ordered=rdr("B_ordered")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_order_lines_orders
    End Function


    Public Function Listorder_lines_orders(ByVal z_order_lines_orders as order_lines_orders) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_order_lines_orders as order_lines_orders
        Try
            rdr = DAL.Getorder_lines_ordersReader(z_order_lines_orders)
            While (rdr.Read())
                y_order_lines_orders = New order_lines_orders()
                If Not IsDBNull(rdr("A_order_no")) Then y_order_lines_orders.order_lines_order_no=rdr("A_order_no")
                If Not IsDBNull(rdr("A_line_no")) Then y_order_lines_orders.order_lines_line_no=rdr("A_line_no")
                If Not IsDBNull(rdr("A_item")) Then y_order_lines_orders.order_lines_item=rdr("A_item")
                If Not IsDBNull(rdr("B_order_no")) Then y_order_lines_orders.orders_order_no=rdr("B_order_no")
                If Not IsDBNull(rdr("B_customer_id")) Then y_order_lines_orders.orders_customer_id=rdr("B_customer_id")
                If Not IsDBNull(rdr("B_ordered")) Then y_order_lines_orders.orders_ordered=rdr("B_ordered")
                liste.Add (y_order_lines_orders)
            End While
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return liste
    End Function

End Module


    'Foreign Keys - Join Classes
Public Module shipments_order_linesManager
    Public Function Getshipments_order_lines(ByVal z_shipments_order_lines as shipments_order_lines) As shipments_order_lines
        dim y_shipments_order_lines as New shipments_order_lines()
        Dim rdr As IDataReader
        Try
            rdr = DAL.Getshipments_order_linesReader(z_shipments_order_lines)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_ship_id")) Then y_shipments_order_lines.shipments_ship_id=rdr("A_ship_id")
                If Not IsDBNull(rdr("A_order_no")) Then y_shipments_order_lines.shipments_order_no=rdr("A_order_no")
                If Not IsDBNull(rdr("A_line_no")) Then y_shipments_order_lines.shipments_line_no=rdr("A_line_no")
                If Not IsDBNull(rdr("B_order_no")) Then y_shipments_order_lines.order_lines_order_no=rdr("B_order_no")
                If Not IsDBNull(rdr("B_line_no")) Then y_shipments_order_lines.order_lines_line_no=rdr("B_line_no")
                If Not IsDBNull(rdr("B_item")) Then y_shipments_order_lines.order_lines_item=rdr("B_item")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_shipments_order_lines
    End Function


    Public Function Listshipments_order_lines(ByVal z_shipments_order_lines as shipments_order_lines) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_shipments_order_lines as shipments_order_lines
        Try
            rdr = DAL.Getshipments_order_linesReader(z_shipments_order_lines)
            While (rdr.Read())
                y_shipments_order_lines = New shipments_order_lines()
                If Not IsDBNull(rdr("A_ship_id")) Then y_shipments_order_lines.shipments_ship_id=rdr("A_ship_id")
                If Not IsDBNull(rdr("A_order_no")) Then y_shipments_order_lines.shipments_order_no=rdr("A_order_no")
                If Not IsDBNull(rdr("A_line_no")) Then y_shipments_order_lines.shipments_line_no=rdr("A_line_no")
                If Not IsDBNull(rdr("B_order_no")) Then y_shipments_order_lines.order_lines_order_no=rdr("B_order_no")
                If Not IsDBNull(rdr("B_line_no")) Then y_shipments_order_lines.order_lines_line_no=rdr("B_line_no")
                If Not IsDBNull(rdr("B_item")) Then y_shipments_order_lines.order_lines_item=rdr("B_item")
                liste.Add (y_shipments_order_lines)
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
