
    'Foreign Keys - Join Classes
Public Module EMPLOYEES_DEPTSManager
    Public Function GetEMPLOYEES_DEPTS(ByVal z_EMPLOYEES_DEPTS as EMPLOYEES_DEPTS) As EMPLOYEES_DEPTS
        dim y_EMPLOYEES_DEPTS as New EMPLOYEES_DEPTS()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetEMPLOYEES_DEPTSReader(z_EMPLOYEES_DEPTS)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_ID=rdr("A_ID")
                If Not IsDBNull(rdr("A_BOSS_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_BOSS_ID=rdr("A_BOSS_ID")
                If Not IsDBNull(rdr("A_DEPT_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_DEPT_ID=rdr("A_DEPT_ID")
                If Not IsDBNull(rdr("A_NOTE")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_NOTE=rdr("A_NOTE")
                If Not IsDBNull(rdr("B_ID")) Then y_EMPLOYEES_DEPTS.DEPTS_ID=rdr("B_ID")
                If Not IsDBNull(rdr("B_TITLE")) Then y_EMPLOYEES_DEPTS.DEPTS_TITLE=rdr("B_TITLE")
                If Not IsDBNull(rdr("B_CODE")) Then y_EMPLOYEES_DEPTS.DEPTS_CODE=rdr("B_CODE")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_EMPLOYEES_DEPTS
    End Function


    Public Function ListEMPLOYEES_DEPTS(ByVal z_EMPLOYEES_DEPTS as EMPLOYEES_DEPTS) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_EMPLOYEES_DEPTS as EMPLOYEES_DEPTS
        Try
            rdr = DAL.GetEMPLOYEES_DEPTSReader(z_EMPLOYEES_DEPTS)
            While (rdr.Read())
                y_EMPLOYEES_DEPTS = New EMPLOYEES_DEPTS()
                If Not IsDBNull(rdr("A_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_ID=rdr("A_ID")
                If Not IsDBNull(rdr("A_BOSS_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_BOSS_ID=rdr("A_BOSS_ID")
                If Not IsDBNull(rdr("A_DEPT_ID")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_DEPT_ID=rdr("A_DEPT_ID")
                If Not IsDBNull(rdr("A_NOTE")) Then y_EMPLOYEES_DEPTS.EMPLOYEES_NOTE=rdr("A_NOTE")
                If Not IsDBNull(rdr("B_ID")) Then y_EMPLOYEES_DEPTS.DEPTS_ID=rdr("B_ID")
                If Not IsDBNull(rdr("B_TITLE")) Then y_EMPLOYEES_DEPTS.DEPTS_TITLE=rdr("B_TITLE")
                If Not IsDBNull(rdr("B_CODE")) Then y_EMPLOYEES_DEPTS.DEPTS_CODE=rdr("B_CODE")
                liste.Add (y_EMPLOYEES_DEPTS)
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
Public Module ORDERS_CUSTOMERSManager
    Public Function GetORDERS_CUSTOMERS(ByVal z_ORDERS_CUSTOMERS as ORDERS_CUSTOMERS) As ORDERS_CUSTOMERS
        dim y_ORDERS_CUSTOMERS as New ORDERS_CUSTOMERS()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetORDERS_CUSTOMERSReader(z_ORDERS_CUSTOMERS)
            If rdr.Read() then
                If Not IsDBNull(rdr("A_ORDER_NO")) Then y_ORDERS_CUSTOMERS.ORDERS_ORDER_NO=rdr("A_ORDER_NO")
                If Not IsDBNull(rdr("A_CUSTOMER_ID")) Then y_ORDERS_CUSTOMERS.ORDERS_CUSTOMER_ID=rdr("A_CUSTOMER_ID")
                If Not IsDBNull(rdr("A_ORDERED")) Then y_ORDERS_CUSTOMERS.ORDERS_ORDERED=rdr("A_ORDERED")
                If Not IsDBNull(rdr("B_ID")) Then y_ORDERS_CUSTOMERS.CUSTOMERS_ID=rdr("B_ID")
                If Not IsDBNull(rdr("B_NAME")) Then y_ORDERS_CUSTOMERS.CUSTOMERS_NAME=rdr("B_NAME")
                If Not IsDBNull(rdr("B_BALANCE")) Then y_ORDERS_CUSTOMERS.CUSTOMERS_BALANCE=rdr("B_BALANCE")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_ORDERS_CUSTOMERS
    End Function


    Public Function ListORDERS_CUSTOMERS(ByVal z_ORDERS_CUSTOMERS as ORDERS_CUSTOMERS) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_ORDERS_CUSTOMERS as ORDERS_CUSTOMERS
        Try
            rdr = DAL.GetORDERS_CUSTOMERSReader(z_ORDERS_CUSTOMERS)
            While (rdr.Read())
                y_ORDERS_CUSTOMERS = New ORDERS_CUSTOMERS()
                If Not IsDBNull(rdr("A_ORDER_NO")) Then y_ORDERS_CUSTOMERS.ORDERS_ORDER_NO=rdr("A_ORDER_NO")
                If Not IsDBNull(rdr("A_CUSTOMER_ID")) Then y_ORDERS_CUSTOMERS.ORDERS_CUSTOMER_ID=rdr("A_CUSTOMER_ID")
                If Not IsDBNull(rdr("A_ORDERED")) Then y_ORDERS_CUSTOMERS.ORDERS_ORDERED=rdr("A_ORDERED")
                If Not IsDBNull(rdr("B_ID")) Then y_ORDERS_CUSTOMERS.CUSTOMERS_ID=rdr("B_ID")
                If Not IsDBNull(rdr("B_NAME")) Then y_ORDERS_CUSTOMERS.CUSTOMERS_NAME=rdr("B_NAME")
                If Not IsDBNull(rdr("B_BALANCE")) Then y_ORDERS_CUSTOMERS.CUSTOMERS_BALANCE=rdr("B_BALANCE")
                liste.Add (y_ORDERS_CUSTOMERS)
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
