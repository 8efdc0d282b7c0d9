NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class NOTES
    Private z_ID As Integer
    Private z_BODY As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    Public Structure IsDirty_NOTES
        Public ID As Boolean
        Public BODY As Boolean
    End Structure
    Private z_bool as IsDirty_NOTES
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
    Public Property BODY() As String
        Get
            Return z_BODY
        End Get
        Set(ByVal Value As String)
            z_bool.BODY = True
            z_BODY = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_NOTES
        Get
            Return z_bool
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal ID As Integer, _
                    ByVal BODY As String)
        z_ID = ID
        z_BODY = BODY
    End Sub
#End Region

End Class

End NameSpace
