NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class ORDER_LINES
    Private z_ORDER_NO As Integer
    Private z_LINE_NO As Integer
    Private z_ITEM As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_ORDERS As ORDERS
    Private z_SHIPMENTS As ArrayList
    Public Structure IsDirty_ORDER_LINES
        Public ORDER_NO As Boolean
        Public LINE_NO As Boolean
        Public ITEM As Boolean
        Public ORDERS As Boolean
        Public SHIPMENTS As Boolean
    End Structure
    Private z_bool as IsDirty_ORDER_LINES
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
    Public Property LINE_NO() As Integer
        Get
            Return z_LINE_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.LINE_NO = True
            z_LINE_NO = Value
        End Set
    End Property
    Public Property ITEM() As String
        Get
            Return z_ITEM
        End Get
        Set(ByVal Value As String)
            z_bool.ITEM = True
            z_ITEM = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_ORDER_LINES
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property ORDERS() As ORDERS
        Get
            If Not IsDirty.ORDERS Then
                z_ORDERS = New ORDERS
                z_ORDERS.ORDER_NO = z_ORDER_NO
                z_ORDERS = GetORDERS(z_ORDERS)
            End If
            Return z_ORDERS
        End Get
    End Property
    Public ReadOnly Property SHIPMENTS() As ArrayList
        Get
            If Not IsDirty.SHIPMENTS Then
                Dim y_SHIPMENTS As SHIPMENTS
                y_SHIPMENTS = New SHIPMENTS
                y_SHIPMENTS.ORDER_NO = z_ORDER_NO
                y_SHIPMENTS.LINE_NO = z_LINE_NO
                z_SHIPMENTS = ListSHIPMENTS(y_SHIPMENTS)
            End If
            Return z_SHIPMENTS
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal ORDER_NO As Integer, _
                    ByVal LINE_NO As Integer, _
                    ByVal ITEM As String)
        z_ORDER_NO = ORDER_NO
        z_LINE_NO = LINE_NO
        z_ITEM = ITEM
    End Sub
#End Region

End Class

Public Class SHIPMENTS
    Private z_SHIP_ID As Integer
    Private z_ORDER_NO As Integer
    Private z_LINE_NO As Integer
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_ORDER_LINES As ORDER_LINES
    Public Structure IsDirty_SHIPMENTS
        Public SHIP_ID As Boolean
        Public ORDER_NO As Boolean
        Public LINE_NO As Boolean
        Public ORDER_LINES As Boolean
    End Structure
    Private z_bool as IsDirty_SHIPMENTS
#Region "Propriétés"
    Public Property SHIP_ID() As Integer
        Get
            Return z_SHIP_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.SHIP_ID = True
            z_SHIP_ID = Value
        End Set
    End Property
    Public Property ORDER_NO() As Integer
        Get
            Return z_ORDER_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.ORDER_NO = True
            z_ORDER_NO = Value
        End Set
    End Property
    Public Property LINE_NO() As Integer
        Get
            Return z_LINE_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.LINE_NO = True
            z_LINE_NO = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_SHIPMENTS
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property ORDER_LINES() As ORDER_LINES
        Get
            If Not IsDirty.ORDER_LINES Then
                z_ORDER_LINES = New ORDER_LINES
                z_ORDER_LINES.ORDER_NO = z_ORDER_NO
                z_ORDER_LINES.LINE_NO = z_LINE_NO
                z_ORDER_LINES = GetORDER_LINES(z_ORDER_LINES)
            End If
            Return z_ORDER_LINES
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal SHIP_ID As Integer, _
                    ByVal ORDER_NO As Integer, _
                    ByVal LINE_NO As Integer)
        z_SHIP_ID = SHIP_ID
        z_ORDER_NO = ORDER_NO
        z_LINE_NO = LINE_NO
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class ORDER_LINES_ORDERS
    Private z_ORDER_LINES_ORDER_NO As Integer
    Private z_ORDER_LINES_LINE_NO As Integer
    Private z_ORDER_LINES_ITEM As String
    Private z_ORDERS_ORDER_NO As Integer
    Private z_ORDERS_CUSTOMER_ID As Integer
    Private z_ORDERS_ORDERED As Date
    Public Structure IsDirty_ORDER_LINES_ORDERS
        Public ORDER_LINES_ORDER_NO As Boolean
        Public ORDER_LINES_LINE_NO As Boolean
        Public ORDER_LINES_ITEM As Boolean
        Public ORDERS_ORDER_NO As Boolean
        Public ORDERS_CUSTOMER_ID As Boolean
        Public ORDERS_ORDERED As Boolean
    End Structure
    Private z_bool as IsDirty_ORDER_LINES_ORDERS
    Public Property ORDER_LINES_ORDER_NO() As Integer
        Get
            Return z_ORDER_LINES_ORDER_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.ORDER_LINES_ORDER_NO = True
            z_ORDER_LINES_ORDER_NO = Value
        End Set
    End Property
    Public Property ORDER_LINES_LINE_NO() As Integer
        Get
            Return z_ORDER_LINES_LINE_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.ORDER_LINES_LINE_NO = True
            z_ORDER_LINES_LINE_NO = Value
        End Set
    End Property
    Public Property ORDER_LINES_ITEM() As String
        Get
            Return z_ORDER_LINES_ITEM
        End Get
        Set(ByVal Value As String)
            z_bool.ORDER_LINES_ITEM = True
            z_ORDER_LINES_ITEM = Value
        End Set
    End Property
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
    Public ReadOnly Property IsDirty() As IsDirty_ORDER_LINES_ORDERS
        Get
            Return z_bool
        End Get
    End Property
End Class

    'Foreign Keys - Join Classes
Public Class SHIPMENTS_ORDER_LINES
    Private z_SHIPMENTS_SHIP_ID As Integer
    Private z_SHIPMENTS_ORDER_NO As Integer
    Private z_SHIPMENTS_LINE_NO As Integer
    Private z_ORDER_LINES_ORDER_NO As Integer
    Private z_ORDER_LINES_LINE_NO As Integer
    Private z_ORDER_LINES_ITEM As String
    Public Structure IsDirty_SHIPMENTS_ORDER_LINES
        Public SHIPMENTS_SHIP_ID As Boolean
        Public SHIPMENTS_ORDER_NO As Boolean
        Public SHIPMENTS_LINE_NO As Boolean
        Public ORDER_LINES_ORDER_NO As Boolean
        Public ORDER_LINES_LINE_NO As Boolean
        Public ORDER_LINES_ITEM As Boolean
    End Structure
    Private z_bool as IsDirty_SHIPMENTS_ORDER_LINES
    Public Property SHIPMENTS_SHIP_ID() As Integer
        Get
            Return z_SHIPMENTS_SHIP_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.SHIPMENTS_SHIP_ID = True
            z_SHIPMENTS_SHIP_ID = Value
        End Set
    End Property
    Public Property SHIPMENTS_ORDER_NO() As Integer
        Get
            Return z_SHIPMENTS_ORDER_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.SHIPMENTS_ORDER_NO = True
            z_SHIPMENTS_ORDER_NO = Value
        End Set
    End Property
    Public Property SHIPMENTS_LINE_NO() As Integer
        Get
            Return z_SHIPMENTS_LINE_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.SHIPMENTS_LINE_NO = True
            z_SHIPMENTS_LINE_NO = Value
        End Set
    End Property
    Public Property ORDER_LINES_ORDER_NO() As Integer
        Get
            Return z_ORDER_LINES_ORDER_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.ORDER_LINES_ORDER_NO = True
            z_ORDER_LINES_ORDER_NO = Value
        End Set
    End Property
    Public Property ORDER_LINES_LINE_NO() As Integer
        Get
            Return z_ORDER_LINES_LINE_NO
        End Get
        Set(ByVal Value As Integer)
            z_bool.ORDER_LINES_LINE_NO = True
            z_ORDER_LINES_LINE_NO = Value
        End Set
    End Property
    Public Property ORDER_LINES_ITEM() As String
        Get
            Return z_ORDER_LINES_ITEM
        End Get
        Set(ByVal Value As String)
            z_bool.ORDER_LINES_ITEM = True
            z_ORDER_LINES_ITEM = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_SHIPMENTS_ORDER_LINES
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
