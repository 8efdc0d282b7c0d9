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
    Private z_BALANCE As  Decimal 
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
    Public Property BALANCE() As  Decimal 
        Get
            Return z_BALANCE
        End Get
        Set(ByVal Value As  Decimal )
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
                    ByVal BALANCE As  Decimal )
        z_ID = ID
        z_NAME = NAME
        z_BALANCE = BALANCE
    End Sub
#End Region

End Class

Public Class EMPLOYEES
    Private z_ID As Integer
    Private z_BOSS_ID As Integer
    Private z_DEPT_ID As Integer
    Private z_NOTE As  String 
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_DEPTS As DEPTS
    Public Structure IsDirty_EMPLOYEES
        Public ID As Boolean
        Public BOSS_ID As Boolean
        Public DEPT_ID As Boolean
        Public NOTE As Boolean
        Public DEPTS As Boolean
    End Structure
    Private z_bool as IsDirty_EMPLOYEES
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
    Public Property BOSS_ID() As Integer
        Get
            Return z_BOSS_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.BOSS_ID = True
            z_BOSS_ID = Value
        End Set
    End Property
    Public Property DEPT_ID() As Integer
        Get
            Return z_DEPT_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.DEPT_ID = True
            z_DEPT_ID = Value
        End Set
    End Property
    Public Property NOTE() As  String 
        Get
            Return z_NOTE
        End Get
        Set(ByVal Value As  String )
            z_bool.NOTE = True
            z_NOTE = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_EMPLOYEES
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property DEPTS() As DEPTS
        Get
            If Not IsDirty.DEPTS Then
                z_DEPTS = New DEPTS
                z_DEPTS.ID = z_DEPT_ID
                z_DEPTS = GetDEPTS(z_DEPTS)
            End If
            Return z_DEPTS
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal ID As Integer, _
                    ByVal BOSS_ID As Integer, _
                    ByVal DEPT_ID As Integer, _
                    ByVal NOTE As  String )
        z_ID = ID
        z_BOSS_ID = BOSS_ID
        z_DEPT_ID = DEPT_ID
        z_NOTE = NOTE
    End Sub
#End Region

End Class

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
Public Class EMPLOYEES_DEPTS
    Private z_EMPLOYEES_ID As Integer
    Private z_EMPLOYEES_BOSS_ID As Integer
    Private z_EMPLOYEES_DEPT_ID As Integer
    Private z_EMPLOYEES_NOTE As  String 
    Private z_DEPTS_ID As Integer
    Private z_DEPTS_TITLE As String
    Private z_DEPTS_CODE As 
    Public Structure IsDirty_EMPLOYEES_DEPTS
        Public EMPLOYEES_ID As Boolean
        Public EMPLOYEES_BOSS_ID As Boolean
        Public EMPLOYEES_DEPT_ID As Boolean
        Public EMPLOYEES_NOTE As Boolean
        Public DEPTS_ID As Boolean
        Public DEPTS_TITLE As Boolean
        Public DEPTS_CODE As Boolean
    End Structure
    Private z_bool as IsDirty_EMPLOYEES_DEPTS
    Public Property EMPLOYEES_ID() As Integer
        Get
            Return z_EMPLOYEES_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.EMPLOYEES_ID = True
            z_EMPLOYEES_ID = Value
        End Set
    End Property
    Public Property EMPLOYEES_BOSS_ID() As Integer
        Get
            Return z_EMPLOYEES_BOSS_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.EMPLOYEES_BOSS_ID = True
            z_EMPLOYEES_BOSS_ID = Value
        End Set
    End Property
    Public Property EMPLOYEES_DEPT_ID() As Integer
        Get
            Return z_EMPLOYEES_DEPT_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.EMPLOYEES_DEPT_ID = True
            z_EMPLOYEES_DEPT_ID = Value
        End Set
    End Property
    Public Property EMPLOYEES_NOTE() As  String 
        Get
            Return z_EMPLOYEES_NOTE
        End Get
        Set(ByVal Value As  String )
            z_bool.EMPLOYEES_NOTE = True
            z_EMPLOYEES_NOTE = Value
        End Set
    End Property
    Public Property DEPTS_ID() As Integer
        Get
            Return z_DEPTS_ID
        End Get
        Set(ByVal Value As Integer)
            z_bool.DEPTS_ID = True
            z_DEPTS_ID = Value
        End Set
    End Property
    Public Property DEPTS_TITLE() As String
        Get
            Return z_DEPTS_TITLE
        End Get
        Set(ByVal Value As String)
            z_bool.DEPTS_TITLE = True
            z_DEPTS_TITLE = Value
        End Set
    End Property
    Public Property DEPTS_CODE() As 
        Get
            Return z_DEPTS_CODE
        End Get
        Set(ByVal Value As )
            z_bool.DEPTS_CODE = True
            z_DEPTS_CODE = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_EMPLOYEES_DEPTS
        Get
            Return z_bool
        End Get
    End Property
End Class

    'Foreign Keys - Join Classes
Public Class ORDERS_CUSTOMERS
    Private z_ORDERS_ORDER_NO As Integer
    Private z_ORDERS_CUSTOMER_ID As Integer
    Private z_ORDERS_ORDERED As Date
    Private z_CUSTOMERS_ID As Integer
    Private z_CUSTOMERS_NAME As String
    Private z_CUSTOMERS_BALANCE As  Decimal 
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
    Public Property CUSTOMERS_BALANCE() As  Decimal 
        Get
            Return z_CUSTOMERS_BALANCE
        End Get
        Set(ByVal Value As  Decimal )
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
