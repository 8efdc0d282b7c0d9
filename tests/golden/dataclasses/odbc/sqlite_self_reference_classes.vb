NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class EMPLOYEES
    Private z_ID As Integer
    Private z_BOSS_ID As Integer
    Private z_DEPT_ID As Integer
    Private z_NAME As String
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
        Public NAME As Boolean
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
    Public Property NAME() As String
        Get
            Return z_NAME
        End Get
        Set(ByVal Value As String)
            z_bool.NAME = True
            z_NAME = Value
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
                    ByVal NAME As String)
        z_ID = ID
        z_BOSS_ID = BOSS_ID
        z_DEPT_ID = DEPT_ID
        z_NAME = NAME
    End Sub
#End Region

End Class


    'Foreign Keys - Join Classes
Public Class EMPLOYEES_DEPTS
    Private z_EMPLOYEES_ID As Integer
    Private z_EMPLOYEES_BOSS_ID As Integer
    Private z_EMPLOYEES_DEPT_ID As Integer
    Private z_EMPLOYEES_NAME As String
    Private z_DEPTS_ID As Integer
    Private z_DEPTS_TITLE As String
    Public Structure IsDirty_EMPLOYEES_DEPTS
        Public EMPLOYEES_ID As Boolean
        Public EMPLOYEES_BOSS_ID As Boolean
        Public EMPLOYEES_DEPT_ID As Boolean
        Public EMPLOYEES_NAME As Boolean
        Public DEPTS_ID As Boolean
        Public DEPTS_TITLE As Boolean
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
    Public Property EMPLOYEES_NAME() As String
        Get
            Return z_EMPLOYEES_NAME
        End Get
        Set(ByVal Value As String)
            z_bool.EMPLOYEES_NAME = True
            z_EMPLOYEES_NAME = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_EMPLOYEES_DEPTS
        Get
            Return z_bool
        End Get
    End Property
End Class
End NameSpace
