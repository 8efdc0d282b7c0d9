
    'Foreign Keys - Join Classes
    Public Shared Function GetORDERS_CUSTOMERSReader(ByVal z_ORDERS_CUSTOMERS as ORDERS_CUSTOMERS) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "ORDERS.ORDER_NO AS A_ORDER_NO"
        z_sql = z_sql & ", ORDERS.CUSTOMER_ID AS A_CUSTOMER_ID"
        z_sql = z_sql & ", ORDERS.ORDERED AS A_ORDERED"
        z_sql = z_sql & ", CUSTOMERS.ID AS B_ID"
        z_sql = z_sql & ", CUSTOMERS.NAME AS B_NAME"
        z_sql = z_sql & ", CUSTOMERS.BALANCE AS B_BALANCE"
        z_sql = z_sql & " from ORDERS,CUSTOMERS"
        z_sql = z_sql & z_sep & "ORDERS.CUSTOMER_ID=CUSTOMERS.ID": z_sep = " and "
        z_sql = z_sql & z_sep & "ORDERS.CUSTOMER_ID=CUSTOMERS.ID": z_sep = " and "
        If z_ORDERS_CUSTOMERS.IsDirty.ORDERS_ORDER_NO then z_sql = z_sql & z_sep & "ORDERS.ORDER_NO='" & Replace(z_ORDERS_CUSTOMERS.ORDERS_ORDER_NO, "'", "''") & "'": z_sep = " and "
        If z_ORDERS_CUSTOMERS.IsDirty.ORDERS_CUSTOMER_ID then z_sql = z_sql & z_sep & "ORDERS.CUSTOMER_ID='" & Replace(z_ORDERS_CUSTOMERS.ORDERS_CUSTOMER_ID, "'", "''") & "'": z_sep = " and "
        If z_ORDERS_CUSTOMERS.IsDirty.ORDERS_ORDERED then z_sql = z_sql & z_sep & "ORDERS.ORDERED='" & Replace(z_ORDERS_CUSTOMERS.ORDERS_ORDERED, "'", "''") & "'": z_sep = " and "
        If z_ORDERS_CUSTOMERS.IsDirty.CUSTOMERS_ID then z_sql = z_sql & z_sep & "CUSTOMERS.ID='" & Replace(z_ORDERS_CUSTOMERS.CUSTOMERS_ID, "'", "''") & "'": z_sep = " and "
        If z_ORDERS_CUSTOMERS.IsDirty.CUSTOMERS_NAME then z_sql = z_sql & z_sep & "CUSTOMERS.NAME='" & Replace(z_ORDERS_CUSTOMERS.CUSTOMERS_NAME, "'", "''") & "'": z_sep = " and "
        If z_ORDERS_CUSTOMERS.IsDirty.CUSTOMERS_BALANCE then z_sql = z_sql & z_sep & "CUSTOMERS.BALANCE='" & Replace(z_ORDERS_CUSTOMERS.CUSTOMERS_BALANCE, "'", "''") & "'": z_sep = " and "
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
