NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class notes
    Private z_id As Integer
    Private z_body As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    Public Structure IsDirty_notes
        Public id As Boolean
        Public body As Boolean
    End Structure
    Private z_bool as IsDirty_notes
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
    Public Property body() As String
        Get
            Return z_body
        End Get
        Set(ByVal Value As String)
            z_bool.body = True
            z_body = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_notes
        Get
            Return z_bool
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal id As Integer, _
                    ByVal body As String)
        z_id = id
        z_body = body
    End Sub
#End Region

End Class

End NameSpace
