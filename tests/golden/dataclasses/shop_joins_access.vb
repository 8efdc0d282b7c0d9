
    'Foreign Keys - Join Classes
    Public Shared Function GetEMPLOYEES_DEPTSReader(ByVal z_EMPLOYEES_DEPTS as EMPLOYEES_DEPTS) As IDataReader
        Dim cnx As OleDBConnection = Get_Connection()
        Dim z_sep As String
        Dim z_sql As String
        z_sep = " where "
        z_sql = "select "
        z_sql = z_sql & "EMPLOYEES.ID AS A_ID"
        z_sql = z_sql & ", EMPLOYEES.BOSS_ID AS A_BOSS_ID"
        z_sql = z_sql & ", EMPLOYEES.DEPT_ID AS A_DEPT_ID"
        z_sql = z_sql & ", EMPLOYEES.NOTE AS A_NOTE"
        z_sql = z_sql & ", DEPTS.ID AS B_ID"
        z_sql = z_sql & ", DEPTS.TITLE AS B_TITLE"
        z_sql = z_sql & ", DEPTS.CODE AS B_CODE"
        z_sql = z_sql & " from EMPLOYEES,DEPTS"
        z_sql = z_sql & z_sep & "EMPLOYEES.DEPT_ID=DEPTS.ID": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.EMPLOYEES_ID then z_sql = z_sql & z_sep & "EMPLOYEES.ID='" & Replace(z_EMPLOYEES_DEPTS.EMPLOYEES_ID, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.EMPLOYEES_BOSS_ID then z_sql = z_sql & z_sep & "EMPLOYEES.BOSS_ID='" & Replace(z_EMPLOYEES_DEPTS.EMPLOYEES_BOSS_ID, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.EMPLOYEES_DEPT_ID then z_sql = z_sql & z_sep & "EMPLOYEES.DEPT_ID='" & Replace(z_EMPLOYEES_DEPTS.EMPLOYEES_DEPT_ID, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.EMPLOYEES_NOTE then z_sql = z_sql & z_sep & "EMPLOYEES.NOTE='" & Replace(z_EMPLOYEES_DEPTS.EMPLOYEES_NOTE, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.DEPTS_ID then z_sql = z_sql & z_sep & "DEPTS.ID='" & Replace(z_EMPLOYEES_DEPTS.DEPTS_ID, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.DEPTS_TITLE then z_sql = z_sql & z_sep & "DEPTS.TITLE='" & Replace(z_EMPLOYEES_DEPTS.DEPTS_TITLE, "'", "''") & "'": z_sep = " and "
        If z_EMPLOYEES_DEPTS.IsDirty.DEPTS_CODE then z_sql = z_sql & z_sep & "DEPTS.CODE='" & Replace(z_EMPLOYEES_DEPTS.DEPTS_CODE, "'", "''") & "'": z_sep = " and "
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
