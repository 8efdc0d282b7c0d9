NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class order_lines
    Private z_order_no As Integer
    Private z_line_no As Integer
    Private z_item As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_orders As orders
    Private z_shipments As ArrayList
    Public Structure IsDirty_order_lines
        Public order_no As Boolean
        Public line_no As Boolean
        Public item As Boolean
        Public orders As Boolean
        Public shipments As Boolean
    End Structure
    Private z_bool as IsDirty_order_lines
#Region "Propriétés"
    Public Property order_no() As Integer
        Get
            Return z_order_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.order_no = True
            z_order_no = Value
        End Set
    End Property
    Public Property line_no() As Integer
        Get
            Return z_line_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.line_no = True
            z_line_no = Value
        End Set
    End Property
    Public Property item() As String
        Get
            Return z_item
        End Get
        Set(ByVal Value As String)
            z_bool.item = True
            z_item = Value
        End Set
    End Property
    Public Property WhereClause() As String
      Get
        Return z_WhereClause
      End Get
      Set(ByVal Value As String)
        z_WhereClause = Value
      End Set
    End Property
    Public Property OrderClause() As String
      Get
        Return z_OrderClause
      End Get
      Set(ByVal Value As String)
        z_OrderClause = Value
      End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_order_lines
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property orders() As orders
        Get
            If Not IsDirty.orders Then
                z_orders = New orders
                z_orders.order_no = z_order_no
                z_orders = Getorders(z_orders)
            End If
            Return z_orders
        End Get
    End Property
    Public ReadOnly Property shipments() As ArrayList
        Get
            If Not IsDirty.shipments Then
                Dim y_shipments As shipments
                y_shipments = New shipments
                y_shipments.order_no = z_order_no
                y_shipments.line_no = z_line_no
                z_shipments = Listshipments(y_shipments)
            End If
            Return z_shipments
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal order_no As Integer, _
                    ByVal line_no As Integer, _
                    ByVal item As String)
        z_order_no = order_no
        z_line_no = line_no
        z_item = item
    End Sub
#End Region

End Class

Public Class shipments
    Private z_ship_id As Integer
    Private z_order_no As Integer
    Private z_line_no As Integer
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_order_lines As order_lines
    Public Structure IsDirty_shipments
        Public ship_id As Boolean
        Public order_no As Boolean
        Public line_no As Boolean
        Public order_lines As Boolean
    End Structure
    Private z_bool as IsDirty_shipments
#Region "Propriétés"
    Public Property ship_id() As Integer
        Get
            Return z_ship_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.ship_id = True
            z_ship_id = Value
        End Set
    End Property
    Public Property order_no() As Integer
        Get
            Return z_order_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.order_no = True
            z_order_no = Value
        End Set
    End Property
    Public Property line_no() As Integer
        Get
            Return z_line_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.line_no = True
            z_line_no = Value
        End Set
    End Property
    Public Property WhereClause() As String
      Get
        Return z_WhereClause
      End Get
      Set(ByVal Value As String)
        z_WhereClause = Value
      End Set
    End Property
    Public Property OrderClause() As String
      Get
        Return z_OrderClause
      End Get
      Set(ByVal Value As String)
        z_OrderClause = Value
      End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_shipments
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property order_lines() As order_lines
        Get
            If Not IsDirty.order_lines Then
                z_order_lines = New order_lines
                z_order_lines.order_no = z_order_no
                z_order_lines.line_no = z_line_no
                z_order_lines = Getorder_lines(z_order_lines)
            End If
            Return z_order_lines
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal ship_id As Integer, _
                    ByVal order_no As Integer, _
                    ByVal line_no As Integer)
        z_ship_id = ship_id
        z_order_no = order_no
        z_line_no = line_no
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class order_lines_orders
    Private z_order_lines_order_no As Integer
    Private z_order_lines_line_no As Integer
    Private z_order_lines_item As String
    Private z_orders_order_no As Integer
    Private z_orders_customer_id As Integer
    Private z_orders_ordered As Date
    Public Structure IsDirty_order_lines_orders
        Public order_lines_order_no As Boolean
        Public order_lines_line_no As Boolean
        Public order_lines_item As Boolean
        Public orders_order_no As Boolean
        Public orders_customer_id As Boolean
        Public orders_ordered As Boolean
    End Structure
    Private z_bool as IsDirty_order_lines_orders
    Public Property order_lines_order_no() As Integer
        Get
            Return z_order_lines_order_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.order_lines_order_no = True
            z_order_lines_order_no = Value
        End Set
    End Property
    Public Property order_lines_line_no() As Integer
        Get
            Return z_order_lines_line_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.order_lines_line_no = True
            z_order_lines_line_no = Value
        End Set
    End Property
    Public Property order_lines_item() As String
        Get
            Return z_order_lines_item
        End Get
        Set(ByVal Value As String)
            z_bool.order_lines_item = True
            z_order_lines_item = Value
        End Set
    End Property
    Public Property orders_order_no() As Integer
        Get
            Return z_orders_order_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.orders_order_no = True
            z_orders_order_no = Value
        End Set
    End Property
    Public Property orders_customer_id() As Integer
        Get
            Return z_orders_customer_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.orders_customer_id = True
            z_orders_customer_id = Value
        End Set
    End Property
    Public Property orders_ordered() As Date
        Get
            Return z_orders_ordered
        End Get
        Set(ByVal Value As Date)
            z_bool.orders_ordered = True
            z_orders_ordered = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_order_lines_orders
        Get
            Return z_bool
        End Get
    End Property
End Class

    'Foreign Keys - Join Classes
Public Class shipments_order_lines
    Private z_shipments_ship_id As Integer
    Private z_shipments_order_no As Integer
    Private z_shipments_line_no As Integer
    Private z_order_lines_order_no As Integer
    Private z_order_lines_line_no As Integer
    Private z_order_lines_item As String
    Public Structure IsDirty_shipments_order_lines
        Public shipments_ship_id As Boolean
        Public shipments_order_no As Boolean
        Public shipments_line_no As Boolean
        Public order_lines_order_no As Boolean
        Public order_lines_line_no As Boolean
        Public order_lines_item As Boolean
    End Structure
    Private z_bool as IsDirty_shipments_order_lines
    Public Property shipments_ship_id() As Integer
        Get
            Return z_shipments_ship_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.shipments_ship_id = True
            z_shipments_ship_id = Value
        End Set
    End Property
    Public Property shipments_order_no() As Integer
        Get
            Return z_shipments_order_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.shipments_order_no = True
            z_shipments_order_no = Value
        End Set
    End Property
    Public Property shipments_line_no() As Integer
        Get
            Return z_shipments_line_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.shipments_line_no = True
            z_shipments_line_no = Value
        End Set
    End Property
    Public Property order_lines_order_no() As Integer
        Get
            Return z_order_lines_order_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.order_lines_order_no = True
            z_order_lines_order_no = Value
        End Set
    End Property
    Public Property order_lines_line_no() As Integer
        Get
            Return z_order_lines_line_no
        End Get
        Set(ByVal Value As Integer)
            z_bool.order_lines_line_no = True
            z_order_lines_line_no = Value
        End Set
    End Property
    Public Property order_lines_item() As String
        Get
            Return z_order_lines_item
        End Get
        Set(ByVal Value As String)
            z_bool.order_lines_item = True
            z_order_lines_item = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_shipments_order_lines
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
