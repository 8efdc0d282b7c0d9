NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class Table1
    Private z_id As Integer
    Private z_otherfk1 As Integer
    Private z_otherfk2 As Integer
    Private z_data As String
    Private z_otherfk3 As Integer
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_Table2 As Table2
    Private z_Table3 As Table3
    Public Structure IsDirty_Table1
        Public id As Boolean
        Public otherfk1 As Boolean
        Public otherfk2 As Boolean
        Public data As Boolean
        Public otherfk3 As Boolean
        Public Table2 As Boolean
        Public Table3 As Boolean
    End Structure
    Private z_bool as IsDirty_Table1
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
    Public Property otherfk1() As Integer
        Get
            Return z_otherfk1
        End Get
        Set(ByVal Value As Integer)
            z_bool.otherfk1 = True
            z_otherfk1 = Value
        End Set
    End Property
    Public Property otherfk2() As Integer
        Get
            Return z_otherfk2
        End Get
        Set(ByVal Value As Integer)
            z_bool.otherfk2 = True
            z_otherfk2 = Value
        End Set
    End Property
    Public Property data() As String
        Get
            Return z_data
        End Get
        Set(ByVal Value As String)
            z_bool.data = True
            z_data = Value
        End Set
    End Property
    Public Property otherfk3() As Integer
        Get
            Return z_otherfk3
        End Get
        Set(ByVal Value As Integer)
            z_bool.otherfk3 = True
            z_otherfk3 = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_Table1
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property Table2() As Table2
        Get
            If Not IsDirty.Table2 Then
                z_Table2 = New Table2
                z_Table2.id = z_otherfk1
                z_Table2 = GetTable2(z_Table2)
            End If
            Return z_Table2
        End Get
    End Property
    Public ReadOnly Property Table3() As Table3
        Get
            If Not IsDirty.Table3 Then
                z_Table3 = New Table3
                z_Table3.id = z_otherfk2
                z_Table3 = GetTable3(z_Table3)
            End If
            Return z_Table3
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal id As Integer, _
                    ByVal otherfk1 As Integer, _
                    ByVal otherfk2 As Integer, _
                    ByVal data As String, _
                    ByVal otherfk3 As Integer)
        z_id = id
        z_otherfk1 = otherfk1
        z_otherfk2 = otherfk2
        z_data = data
        z_otherfk3 = otherfk3
    End Sub
#End Region

End Class

Public Class Table2
    Private z_id As Integer
    Private z_data As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_Table1 As ArrayList
    Public Structure IsDirty_Table2
        Public id As Boolean
        Public data As Boolean
        Public Table1 As Boolean
    End Structure
    Private z_bool as IsDirty_Table2
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
    Public Property data() As String
        Get
            Return z_data
        End Get
        Set(ByVal Value As String)
            z_bool.data = True
            z_data = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_Table2
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property Table1() As ArrayList
        Get
            If Not IsDirty.Table1 Then
                Dim y_Table1 As Table1
                y_Table1 = New Table1
                y_Table1.otherfk1 = z_id
                z_Table1 = ListTable1(y_Table1)
            End If
            Return z_Table1
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal id As Integer, _
                    ByVal data As String)
        z_id = id
        z_data = data
    End Sub
#End Region

End Class

Public Class Table3
    Private z_id As Integer
    Private z_data As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_Table1 As ArrayList
    Public Structure IsDirty_Table3
        Public id As Boolean
        Public data As Boolean
        Public Table1 As Boolean
    End Structure
    Private z_bool as IsDirty_Table3
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
    Public Property data() As String
        Get
            Return z_data
        End Get
        Set(ByVal Value As String)
            z_bool.data = True
            z_data = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_Table3
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property Table1() As ArrayList
        Get
            If Not IsDirty.Table1 Then
                Dim y_Table1 As Table1
                y_Table1 = New Table1
                y_Table1.otherfk2 = z_id
                z_Table1 = ListTable1(y_Table1)
            End If
            Return z_Table1
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal id As Integer, _
                    ByVal data As String)
        z_id = id
        z_data = data
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class Table1_Table2
    Private z_Table1_id As Integer
    Private z_Table1_otherfk1 As Integer
    Private z_Table1_otherfk2 As Integer
    Private z_Table1_data As String
    Private z_Table1_otherfk3 As Integer
    Private z_Table2_id As Integer
    Private z_Table2_data As String
    Public Structure IsDirty_Table1_Table2
        Public Table1_id As Boolean
        Public Table1_otherfk1 As Boolean
        Public Table1_otherfk2 As Boolean
        Public Table1_data As Boolean
        Public Table1_otherfk3 As Boolean
        Public Table2_id As Boolean
        Public Table2_data As Boolean
    End Structure
    Private z_bool as IsDirty_Table1_Table2
    Public Property Table1_id() As Integer
        Get
            Return z_Table1_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table1_id = True
            z_Table1_id = Value
        End Set
    End Property
    Public Property Table1_otherfk1() As Integer
        Get
            Return z_Table1_otherfk1
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table1_otherfk1 = True
            z_Table1_otherfk1 = Value
        End Set
    End Property
    Public Property Table1_otherfk2() As Integer
        Get
            Return z_Table1_otherfk2
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table1_otherfk2 = True
            z_Table1_otherfk2 = Value
        End Set
    End Property
    Public Property Table1_data() As String
        Get
            Return z_Table1_data
        End Get
        Set(ByVal Value As String)
            z_bool.Table1_data = True
            z_Table1_data = Value
        End Set
    End Property
    Public Property Table1_otherfk3() As Integer
        Get
            Return z_Table1_otherfk3
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table1_otherfk3 = True
            z_Table1_otherfk3 = Value
        End Set
    End Property
    Public Property Table2_id() As Integer
        Get
            Return z_Table2_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table2_id = True
            z_Table2_id = Value
        End Set
    End Property
    Public Property Table2_data() As String
        Get
            Return z_Table2_data
        End Get
        Set(ByVal Value As String)
            z_bool.Table2_data = True
            z_Table2_data = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_Table1_Table2
        Get
            Return z_bool
        End Get
    End Property
End Class
Public Class Table1_Table3
    Private z_Table1_id As Integer
    Private z_Table1_otherfk1 As Integer
    Private z_Table1_otherfk2 As Integer
    Private z_Table1_data As String
    Private z_Table1_otherfk3 As Integer
    Private z_Table3_id As Integer
    Private z_Table3_data As String
    Public Structure IsDirty_Table1_Table3
        Public Table1_id As Boolean
        Public Table1_otherfk1 As Boolean
        Public Table1_otherfk2 As Boolean
        Public Table1_data As Boolean
        Public Table1_otherfk3 As Boolean
        Public Table3_id As Boolean
        Public Table3_data As Boolean
    End Structure
    Private z_bool as IsDirty_Table1_Table3
    Public Property Table1_id() As Integer
        Get
            Return z_Table1_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table1_id = True
            z_Table1_id = Value
        End Set
    End Property
    Public Property Table1_otherfk1() As Integer
        Get
            Return z_Table1_otherfk1
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table1_otherfk1 = True
            z_Table1_otherfk1 = Value
        End Set
    End Property
    Public Property Table1_otherfk2() As Integer
        Get
            Return z_Table1_otherfk2
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table1_otherfk2 = True
            z_Table1_otherfk2 = Value
        End Set
    End Property
    Public Property Table1_data() As String
        Get
            Return z_Table1_data
        End Get
        Set(ByVal Value As String)
            z_bool.Table1_data = True
            z_Table1_data = Value
        End Set
    End Property
    Public Property Table1_otherfk3() As Integer
        Get
            Return z_Table1_otherfk3
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table1_otherfk3 = True
            z_Table1_otherfk3 = Value
        End Set
    End Property
    Public Property Table3_id() As Integer
        Get
            Return z_Table3_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.Table3_id = True
            z_Table3_id = Value
        End Set
    End Property
    Public Property Table3_data() As String
        Get
            Return z_Table3_data
        End Get
        Set(ByVal Value As String)
            z_bool.Table3_data = True
            z_Table3_data = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_Table1_Table3
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
