NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class employees
    Private z_id As Integer
    Private z_boss_id As Integer
    Private z_dept_id As Integer
    Private z_name As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    'Foreign Keys
    Private z_depts As depts
    Public Structure IsDirty_employees
        Public id As Boolean
        Public boss_id As Boolean
        Public dept_id As Boolean
        Public name As Boolean
        Public depts As Boolean
    End Structure
    Private z_bool as IsDirty_employees
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
    Public Property boss_id() As Integer
        Get
            Return z_boss_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.boss_id = True
            z_boss_id = Value
        End Set
    End Property
    Public Property dept_id() As Integer
        Get
            Return z_dept_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.dept_id = True
            z_dept_id = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_employees
        Get
            Return z_bool
        End Get
    End Property
    Public ReadOnly Property depts() As depts
        Get
            If Not IsDirty.depts Then
                z_depts = New depts
                z_depts.id = z_dept_id
                z_depts = Getdepts(z_depts)
            End If
            Return z_depts
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal id As Integer, _
                    ByVal boss_id As Integer, _
                    ByVal dept_id As Integer, _
                    ByVal name As String)
        z_id = id
        z_boss_id = boss_id
        z_dept_id = dept_id
        z_name = name
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class employees_depts
    Private z_employees_id As Integer
    Private z_employees_boss_id As Integer
    Private z_employees_dept_id As Integer
    Private z_employees_name As String
    Private z_depts_id As Integer
    Private z_depts_title As String
    Public Structure IsDirty_employees_depts
        Public employees_id As Boolean
        Public employees_boss_id As Boolean
        Public employees_dept_id As Boolean
        Public employees_name As Boolean
        Public depts_id As Boolean
        Public depts_title As Boolean
    End Structure
    Private z_bool as IsDirty_employees_depts
    Public Property employees_id() As Integer
        Get
            Return z_employees_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.employees_id = True
            z_employees_id = Value
        End Set
    End Property
    Public Property employees_boss_id() As Integer
        Get
            Return z_employees_boss_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.employees_boss_id = True
            z_employees_boss_id = Value
        End Set
    End Property
    Public Property employees_dept_id() As Integer
        Get
            Return z_employees_dept_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.employees_dept_id = True
            z_employees_dept_id = Value
        End Set
    End Property
    Public Property employees_name() As String
        Get
            Return z_employees_name
        End Get
        Set(ByVal Value As String)
            z_bool.employees_name = True
            z_employees_name = Value
        End Set
    End Property
    Public Property depts_id() As Integer
        Get
            Return z_depts_id
        End Get
        Set(ByVal Value As Integer)
            z_bool.depts_id = True
            z_depts_id = Value
        End Set
    End Property
    Public Property depts_title() As String
        Get
            Return z_depts_title
        End Get
        Set(ByVal Value As String)
            z_bool.depts_title = True
            z_depts_title = Value
        End Set
    End Property
    Public ReadOnly Property IsDirty() As IsDirty_employees_depts
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
