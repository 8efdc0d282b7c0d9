NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class C
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_P2 As P2
    Private z_P1 As P1
    Private z_P3 As P3
    Public Structure IsDirty_C
        Public P2 As Boolean
        Public P1 As Boolean
        Public P3 As Boolean
    End Structure
    Private z_bool as IsDirty_C
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
    Public ReadOnly Property IsDirty() As IsDirty_C
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property P2() As P2
        Get
            If Not IsDirty.P2 Then
                z_P2 = New P2
                z_P2.id = z_a
                z_P2.label = z_c
                z_P2 = GetP2(z_P2)
            End If
            Return z_P2
        End Get
    End Property
    Public ReadOnly Property P1() As P1
        Get
            If Not IsDirty.P1 Then
                z_P1 = New P1
                z_P1.id = z_b
                z_P1 = GetP1(z_P1)
            End If
            Return z_P1
        End Get
    End Property
    Public ReadOnly Property P3() As P3
        Get
            If Not IsDirty.P3 Then
                z_P3 = New P3
                z_P3.id = z_c
                z_P3 = GetP3(z_P3)
            End If
            Return z_P3
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init()
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class C_P2
    Private z_P2_id As Integer
    Private z_P2_label As String
    Public Structure IsDirty_C_P2
        Public P2_id As Boolean
        Public P2_label As Boolean
    End Structure
    Private z_bool as IsDirty_C_P2
    Public Property P2_id() As Integer
        Get
            Return z_P2_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.P2_id = True
            z_P2_id = Value
        End Set
    End Property
    Public Property P2_label() As String
        Get
            Return z_P2_label
        End Get
        Set(ByVal Value As String)
            z_bool.P2_label = True
            z_P2_label = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_C_P2
        Get
            Return z_bool
        End Get
    End Property
End Class
Public Class C_P1
    Private z_P1_id As Integer
    Private z_P1_label As String
    Public Structure IsDirty_C_P1
        Public P1_id As Boolean
        Public P1_label As Boolean
    End Structure
    Private z_bool as IsDirty_C_P1
    Public Property P1_id() As Integer
        Get
            Return z_P1_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.P1_id = True
            z_P1_id = Value
        End Set
    End Property
    Public Property P1_label() As String
        Get
            Return z_P1_label
        End Get
        Set(ByVal Value As String)
            z_bool.P1_label = True
            z_P1_label = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_C_P1
        Get
            Return z_bool
        End Get
    End Property
End Class
Public Class C_P3
    Private z_P3_id As Integer
    Private z_P3_label As String
    Public Structure IsDirty_C_P3
        Public P3_id As Boolean
        Public P3_label As Boolean
    End Structure
    Private z_bool as IsDirty_C_P3
    Public Property P3_id() As Integer
        Get
            Return z_P3_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.P3_id = True
            z_P3_id = Value
        End Set
    End Property
    Public Property P3_label() As String
        Get
            Return z_P3_label
        End Get
        Set(ByVal Value As String)
            z_bool.P3_label = True
            z_P3_label = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_C_P3
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
