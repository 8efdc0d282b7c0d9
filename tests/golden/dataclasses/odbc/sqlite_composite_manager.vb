
    'Foreign Keys - Join Classes
Public Module ORDER_LINES_ORDERSManager
    Public Function GetORDER_LINES_ORDERS(ByVal z_ORDER_LINES_ORDERS as ORDER_LINES_ORDERS) As ORDER_LINES_ORDERS
        dim y_ORDER_LINES_ORDERS as New ORDER_LINES_ORDERS()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetORDER_LINES_ORDERSReader(z_ORDER_LINES_ORDERS)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_ORDER_NO")) Then y_ORDER_LINES_ORDERS.ORDER_LINES_ORDER_NO=rdr("A_ORDER_NO")
                If Not IsDBNull(rdr("A_LINE_NO")) Then y_ORDER_LINES_ORDERS.ORDER_LINES_LINE_NO=rdr("A_LINE_NO")
                If Not IsDBNull(rdr("A_ITEM")) Then y_ORDER_LINES_ORDERS.ORDER_LINES_ITEM=rdr("A_ITEM")
                If Not IsDBNull(rdr("B_ORDER_NO")) Then y_ORDER_LINES_ORDERS.ORDERS_ORDER_NO=rdr("B_ORDER_NO")
                If Not IsDBNull(rdr("B_CUSTOMER_ID")) Then y_ORDER_LINES_ORDERS.ORDERS_CUSTOMER_ID=rdr("B_CUSTOMER_ID")
                If Not IsDBNull(rdr("B_ORDERED")) Then y_ORDER_LINES_ORDERS.ORDERS_ORDERED=rdr("B_ORDERED")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_ORDER_LINES_ORDERS
    End Function


    Public Function ListORDER_LINES_ORDERS(ByVal z_ORDER_LINES_ORDERS as ORDER_LINES_ORDERS) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_ORDER_LINES_ORDERS as ORDER_LINES_ORDERS
        Try
            rdr = DAL.GetORDER_LINES_ORDERSReader(z_ORDER_LINES_ORDERS)
            While (rdr.Read())
                y_ORDER_LINES_ORDERS = New ORDER_LINES_ORDERS()
                If Not IsDBNull(rdr("A_ORDER_NO")) Then y_ORDER_LINES_ORDERS.ORDER_LINES_ORDER_NO=rdr("A_ORDER_NO")
                If Not IsDBNull(rdr("A_LINE_NO")) Then y_ORDER_LINES_ORDERS.ORDER_LINES_LINE_NO=rdr("A_LINE_NO")
                If Not IsDBNull(rdr("A_ITEM")) Then y_ORDER_LINES_ORDERS.ORDER_LINES_ITEM=rdr("A_ITEM")
                If Not IsDBNull(rdr("B_ORDER_NO")) Then y_ORDER_LINES_ORDERS.ORDERS_ORDER_NO=rdr("B_ORDER_NO")
                If Not IsDBNull(rdr("B_CUSTOMER_ID")) Then y_ORDER_LINES_ORDERS.ORDERS_CUSTOMER_ID=rdr("B_CUSTOMER_ID")
                If Not IsDBNull(rdr("B_ORDERED")) Then y_ORDER_LINES_ORDERS.ORDERS_ORDERED=rdr("B_ORDERED")
                liste.Add (y_ORDER_LINES_ORDERS)
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
Public Module SHIPMENTS_ORDER_LINESManager
    Public Function GetSHIPMENTS_ORDER_LINES(ByVal z_SHIPMENTS_ORDER_LINES as SHIPMENTS_ORDER_LINES) As SHIPMENTS_ORDER_LINES
        dim y_SHIPMENTS_ORDER_LINES as New SHIPMENTS_ORDER_LINES()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetSHIPMENTS_ORDER_LINESReader(z_SHIPMENTS_ORDER_LINES)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_SHIP_ID")) Then y_SHIPMENTS_ORDER_LINES.SHIPMENTS_SHIP_ID=rdr("A_SHIP_ID")
                If Not IsDBNull(rdr("A_ORDER_NO")) Then y_SHIPMENTS_ORDER_LINES.SHIPMENTS_ORDER_NO=rdr("A_ORDER_NO")
                If Not IsDBNull(rdr("A_LINE_NO")) Then y_SHIPMENTS_ORDER_LINES.SHIPMENTS_LINE_NO=rdr("A_LINE_NO")
                If Not IsDBNull(rdr("B_ORDER_NO")) Then y_SHIPMENTS_ORDER_LINES.ORDER_LINES_ORDER_NO=rdr("B_ORDER_NO")
                If Not IsDBNull(rdr("B_LINE_NO")) Then y_SHIPMENTS_ORDER_LINES.ORDER_LINES_LINE_NO=rdr("B_LINE_NO")
                If Not IsDBNull(rdr("B_ITEM")) Then y_SHIPMENTS_ORDER_LINES.ORDER_LINES_ITEM=rdr("B_ITEM")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_SHIPMENTS_ORDER_LINES
    End Function


    Public Function ListSHIPMENTS_ORDER_LINES(ByVal z_SHIPMENTS_ORDER_LINES as SHIPMENTS_ORDER_LINES) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_SHIPMENTS_ORDER_LINES as SHIPMENTS_ORDER_LINES
        Try
            rdr = DAL.GetSHIPMENTS_ORDER_LINESReader(z_SHIPMENTS_ORDER_LINES)
            While (rdr.Read())
                y_SHIPMENTS_ORDER_LINES = New SHIPMENTS_ORDER_LINES()
                If Not IsDBNull(rdr("A_SHIP_ID")) Then y_SHIPMENTS_ORDER_LINES.SHIPMENTS_SHIP_ID=rdr("A_SHIP_ID")
                If Not IsDBNull(rdr("A_ORDER_NO")) Then y_SHIPMENTS_ORDER_LINES.SHIPMENTS_ORDER_NO=rdr("A_ORDER_NO")
                If Not IsDBNull(rdr("A_LINE_NO")) Then y_SHIPMENTS_ORDER_LINES.SHIPMENTS_LINE_NO=rdr("A_LINE_NO")
                If Not IsDBNull(rdr("B_ORDER_NO")) Then y_SHIPMENTS_ORDER_LINES.ORDER_LINES_ORDER_NO=rdr("B_ORDER_NO")
                If Not IsDBNull(rdr("B_LINE_NO")) Then y_SHIPMENTS_ORDER_LINES.ORDER_LINES_LINE_NO=rdr("B_LINE_NO")
                If Not IsDBNull(rdr("B_ITEM")) Then y_SHIPMENTS_ORDER_LINES.ORDER_LINES_ITEM=rdr("B_ITEM")
                liste.Add (y_SHIPMENTS_ORDER_LINES)
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
