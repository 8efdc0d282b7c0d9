NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class customers
    Private z_id As Integer
    Private z_name As String
    Private z_balance As Decimal
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_orders As ArrayList
    Public Structure IsDirty_customers
        Public id As Boolean
        Public name As Boolean
        Public balance As Boolean
        Public orders As Boolean
    End Structure
    Private z_bool as IsDirty_customers
#Region "Propriétés"
    Public Property id() As Integer
        Get
            Return z_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.id = True
            z_id = Value
        End Set
    End Property
    Public Property name() As String
        Get
            Return z_name
        End Get
        Set(ByVal Value As String)
            z_bool.name = True
            z_name = Value
        End Set
    End Property
    Public Property balance() As Decimal
        Get
            Return z_balance
        End Get
        Set(ByVal Value As Decimal)
            z_bool.balance = True
            z_balance = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_customers
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property orders() As ArrayList
        Get
            If Not IsDirty.orders Then
                Dim y_orders As orders
                y_orders = New orders
                y_orders.customer_id = z_id
                z_orders = Listorders(y_orders)
            End If
            Return z_orders
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal id As Integer, _
                    ByVal name As String, _
                    ByVal balance As Decimal)
        z_id = id
        z_name = name
        z_balance = balance
    End Sub
#End Region

End Class

Public Class broken_view
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    Public Structure IsDirty_broken_view
    End Structure
    Private z_bool as IsDirty_broken_view
#Region "Propriétés"
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
    Public ReadOnly Property IsDirty() As IsDirty_broken_view
        Get
            Return z_bool
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init()
    End Sub
#End Region

End Class

Public Class orders
    Private z_order_no As Integer
    Private z_customer_id As Integer
    Private z_ordered As Date
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_customers As customers
    Private z_order_lines As ArrayList
    Public Structure IsDirty_orders
        Public order_no As Boolean
        Public customer_id As Boolean
        Public ordered As Boolean
        Public customers As Boolean
        Public order_lines As Boolean
    End Structure
    Private z_bool as IsDirty_orders
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
    Public Property customer_id() As Integer
        Get
            Return z_customer_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.customer_id = True
            z_customer_id = Value
        End Set
    End Property
    Public Property ordered() As Date
        Get
            Return z_ordered
        End Get
        Set(ByVal Value As Date)
            z_bool.ordered = True
            z_ordered = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_orders
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property customers() As customers
        Get
            If Not IsDirty.customers Then
                z_customers = New customers
                z_customers.id = z_customer_id
                z_customers = Getcustomers(z_customers)
            End If
            Return z_customers
        End Get
    End Property
    Public ReadOnly Property order_lines() As ArrayList
        Get
            If Not IsDirty.order_lines Then
                Dim y_order_lines As order_lines
                y_order_lines = New order_lines
                y_order_lines.order_no = z_order_no
                z_order_lines = Listorder_lines(y_order_lines)
            End If
            Return z_order_lines
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal order_no As Integer, _
                    ByVal customer_id As Integer, _
                    ByVal ordered As Date)
        z_order_no = order_no
        z_customer_id = customer_id
        z_ordered = ordered
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class orders_customers
    Private z_orders_order_no As Integer
    Private z_orders_customer_id As Integer
    Private z_orders_ordered As Date
    Private z_customers_id As Integer
    Private z_customers_name As String
    Private z_customers_balance As Decimal
    Public Structure IsDirty_orders_customers
        Public orders_order_no As Boolean
        Public orders_customer_id As Boolean
        Public orders_ordered As Boolean
        Public customers_id As Boolean
        Public customers_name As Boolean
        Public customers_balance As Boolean
    End Structure
    Private z_bool as IsDirty_orders_customers
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
    Public Property customers_id() As Integer
        Get
            Return z_customers_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.customers_id = True
            z_customers_id = Value
        End Set
    End Property
    Public Property customers_name() As String
        Get
            Return z_customers_name
        End Get
        Set(ByVal Value As String)
            z_bool.customers_name = True
            z_customers_name = Value
        End Set
    End Property
    Public Property customers_balance() As Decimal
        Get
            Return z_customers_balance
        End Get
        Set(ByVal Value As Decimal)
            z_bool.customers_balance = True
            z_customers_balance = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_orders_customers
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
