
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

End NameSpace
