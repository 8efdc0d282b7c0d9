NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class CUSTOMERS
    Private z_ID As Integer
    Private z_NAME As String
    Private z_BALANCE As Decimal
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_ORDERS As ArrayList
    Public Structure IsDirty_CUSTOMERS
        Public ID As Boolean
        Public NAME As Boolean
        Public BALANCE As Boolean
        Public ORDERS As Boolean
    End Structure
    Private z_bool as IsDirty_CUSTOMERS
#Region "Propriétés"
    Public Property ID() As Integer
        Get
            Return z_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.ID = True
            z_ID = Value
        End Set
    End Property
    Public Property NAME() As String
        Get
            Return z_NAME
        End Get
        Set(ByVal Value As String)
            z_bool.NAME = True
            z_NAME = Value
        End Set
    End Property
    Public Property BALANCE() As Decimal
        Get
            Return z_BALANCE
        End Get
        Set(ByVal Value As Decimal)
            z_bool.BALANCE = True
            z_BALANCE = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_CUSTOMERS
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property ORDERS() As ArrayList
        Get
            If Not IsDirty.ORDERS Then
                Dim y_ORDERS As ORDERS
                y_ORDERS = New ORDERS
                y_ORDERS.CUSTOMER_ID = z_ID
                z_ORDERS = ListORDERS(y_ORDERS)
            End If
            Return z_ORDERS
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal ID As Integer, _
                    ByVal NAME As String, _
                    ByVal BALANCE As Decimal)
        z_ID = ID
        z_NAME = NAME
        z_BALANCE = BALANCE
    End Sub
#End Region

End Class

End NameSpace
