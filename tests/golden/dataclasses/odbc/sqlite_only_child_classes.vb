NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class ORDERS
    Private z_ORDER_NO As Integer
    Private z_CUSTOMER_ID As Integer
    Private z_ORDERED As Date
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_CUSTOMERS As CUSTOMERS
    Private z_ORDER_LINES As ArrayList
    Public Structure IsDirty_ORDERS
        Public ORDER_NO As Boolean
        Public CUSTOMER_ID As Boolean
        Public ORDERED As Boolean
        Public CUSTOMERS As Boolean
        Public ORDER_LINES As Boolean
    End Structure
    Private z_bool as IsDirty_ORDERS
#Region "Propriétés"
    Public Property ORDER_NO() As Integer
        Get
            Return z_ORDER_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.ORDER_NO = True
            z_ORDER_NO = Value
        End Set
    End Property
    Public Property CUSTOMER_ID() As Integer
        Get
            Return z_CUSTOMER_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.CUSTOMER_ID = True
            z_CUSTOMER_ID = Value
        End Set
    End Property
    Public Property ORDERED() As Date
        Get
            Return z_ORDERED
        End Get
        Set(ByVal Value As Date)
            z_bool.ORDERED = True
            z_ORDERED = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_ORDERS
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property CUSTOMERS() As CUSTOMERS
        Get
            If Not IsDirty.CUSTOMERS Then
                z_CUSTOMERS = New CUSTOMERS
                z_CUSTOMERS.ID = z_CUSTOMER_ID
                z_CUSTOMERS = GetCUSTOMERS(z_CUSTOMERS)
            End If
            Return z_CUSTOMERS
        End Get
    End Property
    Public ReadOnly Property ORDER_LINES() As ArrayList
        Get
            If Not IsDirty.ORDER_LINES Then
                Dim y_ORDER_LINES As ORDER_LINES
                y_ORDER_LINES = New ORDER_LINES
                y_ORDER_LINES.ORDER_NO = z_ORDER_NO
                z_ORDER_LINES = ListORDER_LINES(y_ORDER_LINES)
            End If
            Return z_ORDER_LINES
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal ORDER_NO As Integer, _
                    ByVal CUSTOMER_ID As Integer, _
                    ByVal ORDERED As Date)
        z_ORDER_NO = ORDER_NO
        z_CUSTOMER_ID = CUSTOMER_ID
        z_ORDERED = ORDERED
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class ORDERS_CUSTOMERS
    Private z_ORDERS_ORDER_NO As Integer
    Private z_ORDERS_CUSTOMER_ID As Integer
    Private z_ORDERS_ORDERED As Date
    Private z_CUSTOMERS_ID As Integer
    Private z_CUSTOMERS_NAME As String
    Private z_CUSTOMERS_BALANCE As Decimal
    Public Structure IsDirty_ORDERS_CUSTOMERS
        Public ORDERS_ORDER_NO As Boolean
        Public ORDERS_CUSTOMER_ID As Boolean
        Public ORDERS_ORDERED As Boolean
        Public CUSTOMERS_ID As Boolean
        Public CUSTOMERS_NAME As Boolean
        Public CUSTOMERS_BALANCE As Boolean
    End Structure
    Private z_bool as IsDirty_ORDERS_CUSTOMERS
    Public Property ORDERS_ORDER_NO() As Integer
        Get
            Return z_ORDERS_ORDER_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.ORDERS_ORDER_NO = True
            z_ORDERS_ORDER_NO = Value
        End Set
    End Property
    Public Property ORDERS_CUSTOMER_ID() As Integer
        Get
            Return z_ORDERS_CUSTOMER_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.ORDERS_CUSTOMER_ID = True
            z_ORDERS_CUSTOMER_ID = Value
        End Set
    End Property
    Public Property ORDERS_ORDERED() As Date
        Get
            Return z_ORDERS_ORDERED
        End Get
        Set(ByVal Value As Date)
            z_bool.ORDERS_ORDERED = True
            z_ORDERS_ORDERED = Value
        End Set
    End Property
    Public Property CUSTOMERS_ID() As Integer
        Get
            Return z_CUSTOMERS_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.CUSTOMERS_ID = True
            z_CUSTOMERS_ID = Value
        End Set
    End Property
    Public Property CUSTOMERS_NAME() As String
        Get
            Return z_CUSTOMERS_NAME
        End Get
        Set(ByVal Value As String)
            z_bool.CUSTOMERS_NAME = True
            z_CUSTOMERS_NAME = Value
        End Set
    End Property
    Public Property CUSTOMERS_BALANCE() As Decimal
        Get
            Return z_CUSTOMERS_BALANCE
        End Get
        Set(ByVal Value As Decimal)
            z_bool.CUSTOMERS_BALANCE = True
            z_CUSTOMERS_BALANCE = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_ORDERS_CUSTOMERS
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
