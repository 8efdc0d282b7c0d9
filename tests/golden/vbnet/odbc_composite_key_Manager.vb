NameSpace Common.Data
    'For each Table :
    '    Function Get<Table>(<TableClass1>) as <TableClass2>
    '        <TableClass1> contains fields to build where clause in select statement
    '        <TableClass2> returns selected row
    '    Sub Save<Table>(<TableClass1, TableClass2>)
    '        <TableClass1> contains fields to update or insert
    '        <TableClass2> contains fields to build where clause in update statement, not used for insert
    '    Sub Save<Table>(<TableClass>)
    '        <TableClass> contains fields to update or insert
    '        The where clause is built with primary key fields of <TableClass>
    '    Sub Delete<Table>(<TableClass>)
    '        <TableClass> contains fields to build where clause in delete statement
    '    Function List<Table>(<TableClass>) as ArrayList
    '        <TableClass> contains fields to build where clause in select statement
    '        ArrayList returns selected rows as an array of <TableClass>
Public Module OrderLinesManager
    Public Function GetOrderLines(ByVal z_OrderLines as OrderLines) As OrderLines
        dim y_OrderLines as New OrderLines()
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrderLinesReader(z_OrderLines)
            If rdr.Read() then
                If Not IsDBNull(rdr("OrderId")) Then y_OrderLines.OrderId=rdr("OrderId")
                If Not IsDBNull(rdr("LineNo")) Then y_OrderLines.LineNo=rdr("LineNo")
                If Not IsDBNull(rdr("Product")) Then y_OrderLines.Product=rdr("Product")
                If Not IsDBNull(rdr("Qty")) Then y_OrderLines.Qty=rdr("Qty")
            Else
                'Throw New ApplicationException("No record found")
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
        Return y_OrderLines
    End Function

    Public Sub SaveOrderLines(ByVal update_OrderLines as OrderLines, ByVal where_OrderLines as OrderLines)
        Dim rdr As IDataReader
        Try
            rdr = DAL.GetOrderLinesReader(where_OrderLines)
            If rdr.Read() Then
                DAL.UpdateOrderLines(update_OrderLines, where_OrderLines)
                else
                DAL.InsertOrderLines(update_OrderLines)
            End If
        Finally
            If Not rdr Is Nothing Then
                rdr.Close()
            End If
        End Try
    End Sub

    Public Sub SaveOrderLines(ByVal update_OrderLines as OrderLines)
        Dim y_OrderLines as OrderLines
        y_OrderLines = New OrderLines
        y_OrderLines.OrderId = update_OrderLines.OrderId
        y_OrderLines.LineNo = update_OrderLines.LineNo
        SaveOrderLines (update_OrderLines, y_OrderLines)
    End Sub

    Public Sub DeleteOrderLines(ByVal z_OrderLines as OrderLines)
        DAL.DelOrderLines (z_OrderLines)
    End Sub

    Public Function ListOrderLines(ByVal z_OrderLines as OrderLines) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_OrderLines as OrderLines
        Try
            rdr = DAL.GetOrderLinesReader(z_OrderLines)
            While (rdr.Read())
                y_OrderLines = New OrderLines()
                If Not IsDBNull(rdr("OrderId")) Then y_OrderLines.OrderId=rdr("OrderId")
                If Not IsDBNull(rdr("LineNo")) Then y_OrderLines.LineNo=rdr("LineNo")
                If Not IsDBNull(rdr("Product")) Then y_OrderLines.Product=rdr("Product")
                If Not IsDBNull(rdr("Qty")) Then y_OrderLines.Qty=rdr("Qty")
                liste.Add (y_OrderLines)
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
