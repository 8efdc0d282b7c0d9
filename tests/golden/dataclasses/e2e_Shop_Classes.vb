NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class Customers
    Private z_Id As Integer
    Private z_Name As String
    Private z_City As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_Orders As ArrayList
    Public Structure IsDirty_Customers
        Public Id As Boolean
        Public Name As Boolean
        Public City As Boolean
        Public Orders As Boolean
    End Structure
    Private z_bool as IsDirty_Customers
#Region "Propriétés"
    Public Property Id() As Integer
        Get
            Return z_Id
        End Get
        Set(ByVal Value As Integer)
            z_bool.Id = True
            z_Id = Value
        End Set
    End Property
    Public Property Name() As String
        Get
            Return z_Name
        End Get
        Set(ByVal Value As String)
            z_bool.Name = True
            z_Name = Value
        End Set
    End Property
    Public Property City() As String
        Get
            Return z_City
        End Get
        Set(ByVal Value As String)
            z_bool.City = True
            z_City = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_Customers
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property Orders() As ArrayList
        Get
            If Not IsDirty.Orders Then
                Dim y_Orders As Orders
                y_Orders = New Orders
                y_Orders.CustomerId = z_Id
                z_Orders = ListOrders(y_Orders)
            End If
            Return z_Orders
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal Id As Integer, _
                    ByVal Name As String, _
                    ByVal City As String)
        z_Id = Id
        z_Name = Name
        z_City = City
    End Sub
#End Region

End Class

Public Class OrderLines
    Private z_OrderId As Integer
    Private z_LineNo As Integer
    Private z_Product As String
    Private z_Qty As Integer
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    Public Structure IsDirty_OrderLines
        Public OrderId As Boolean
        Public LineNo As Boolean
        Public Product As Boolean
        Public Qty As Boolean
    End Structure
    Private z_bool as IsDirty_OrderLines
#Region "Propriétés"
    Public Property OrderId() As Integer
        Get
            Return z_OrderId
        End Get
        Set(ByVal Value As Integer)
            z_bool.OrderId = True
            z_OrderId = Value
        End Set
    End Property
    Public Property LineNo() As Integer
        Get
            Return z_LineNo
        End Get
        Set(ByVal Value As Integer)
            z_bool.LineNo = True
            z_LineNo = Value
        End Set
    End Property
    Public Property Product() As String
        Get
            Return z_Product
        End Get
        Set(ByVal Value As String)
            z_bool.Product = True
            z_Product = Value
        End Set
    End Property
    Public Property Qty() As Integer
        Get
            Return z_Qty
        End Get
        Set(ByVal Value As Integer)
            z_bool.Qty = True
            z_Qty = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_OrderLines
        Get
            Return z_bool
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal OrderId As Integer, _
                    ByVal LineNo As Integer, _
                    ByVal Product As String, _
                    ByVal Qty As Integer)
        z_OrderId = OrderId
        z_LineNo = LineNo
        z_Product = Product
        z_Qty = Qty
    End Sub
#End Region

End Class

Public Class Orders
    Private z_Id As Integer
    Private z_CustomerId As Integer
    Private z_Total As Decimal
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_Customers As Customers
    Public Structure IsDirty_Orders
        Public Id As Boolean
        Public CustomerId As Boolean
        Public Total As Boolean
        Public Customers As Boolean
    End Structure
    Private z_bool as IsDirty_Orders
#Region "Propriétés"
    Public Property Id() As Integer
        Get
            Return z_Id
        End Get
        Set(ByVal Value As Integer)
            z_bool.Id = True
            z_Id = Value
        End Set
    End Property
    Public Property CustomerId() As Integer
        Get
            Return z_CustomerId
        End Get
        Set(ByVal Value As Integer)
            z_bool.CustomerId = True
            z_CustomerId = Value
        End Set
    End Property
    Public Property Total() As Decimal
        Get
            Return z_Total
        End Get
        Set(ByVal Value As Decimal)
            z_bool.Total = True
            z_Total = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_Orders
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property Customers() As Customers
        Get
            If Not IsDirty.Customers Then
                z_Customers = New Customers
                z_Customers.Id = z_CustomerId
                z_Customers = GetCustomers(z_Customers)
            End If
            Return z_Customers
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal Id As Integer, _
                    ByVal CustomerId As Integer, _
                    ByVal Total As Decimal)
        z_Id = Id
        z_CustomerId = CustomerId
        z_Total = Total
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class Orders_Customers
    Private z_Orders_Id As Integer
    Private z_Orders_CustomerId As Integer
    Private z_Orders_Total As Decimal
    Private z_Customers_Id As Integer
    Private z_Customers_Name As String
    Private z_Customers_City As String
    Public Structure IsDirty_Orders_Customers
        Public Orders_Id As Boolean
        Public Orders_CustomerId As Boolean
        Public Orders_Total As Boolean
        Public Customers_Id As Boolean
        Public Customers_Name As Boolean
        Public Customers_City As Boolean
    End Structure
    Private z_bool as IsDirty_Orders_Customers
    Public Property Orders_Id() As Integer
        Get
            Return z_Orders_Id
        End Get
        Set(ByVal Value As Integer)
            z_bool.Orders_Id = True
            z_Orders_Id = Value
        End Set
    End Property
    Public Property Orders_CustomerId() As Integer
        Get
            Return z_Orders_CustomerId
        End Get
        Set(ByVal Value As Integer)
            z_bool.Orders_CustomerId = True
            z_Orders_CustomerId = Value
        End Set
    End Property
    Public Property Orders_Total() As Decimal
        Get
            Return z_Orders_Total
        End Get
        Set(ByVal Value As Decimal)
            z_bool.Orders_Total = True
            z_Orders_Total = Value
        End Set
    End Property
    Public Property Customers_Id() As Integer
        Get
            Return z_Customers_Id
        End Get
        Set(ByVal Value As Integer)
            z_bool.Customers_Id = True
            z_Customers_Id = Value
        End Set
    End Property
    Public Property Customers_Name() As String
        Get
            Return z_Customers_Name
        End Get
        Set(ByVal Value As String)
            z_bool.Customers_Name = True
            z_Customers_Name = Value
        End Set
    End Property
    Public Property Customers_City() As String
        Get
            Return z_Customers_City
        End Get
        Set(ByVal Value As String)
            z_bool.Customers_City = True
            z_Customers_City = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_Orders_Customers
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
