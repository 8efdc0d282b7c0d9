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

End NameSpace
