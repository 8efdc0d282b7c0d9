NameSpace Common.Data
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
Public Class Table1
    Private z_A As String
    Private z_B As String
    Private z_C As Integer
    Private z_D As Integer
    Private z_E As Integer
    Private z_F As Decimal
    Private z_G As Date
    Private z_H As  Decimal 
    Private z_I As Boolean
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    Public Structure IsDirty_Table1
        Public A As Boolean
        Public B As Boolean
        Public C As Boolean
        Public D As Boolean
        Public E As Boolean
        Public F As Boolean
        Public G As Boolean
        Public H As Boolean
        Public I As Boolean
    End Structure
    Private z_bool as IsDirty_Table1
#Region "Propriétés"
    Public Property A() As String
        Get
            Return z_A
        End Get
        Set(ByVal Value As String)
            z_bool.A = True
            z_A = Value
        End Set
    End Property
    Public Property B() As String
        Get
            Return z_B
        End Get
        Set(ByVal Value As String)
            z_bool.B = True
            z_B = Value
        End Set
    End Property
    Public Property C() As Integer
        Get
            Return z_C
        End Get
        Set(ByVal Value As Integer)
            z_bool.C = True
            z_C = Value
        End Set
    End Property
    Public Property D() As Integer
        Get
            Return z_D
        End Get
        Set(ByVal Value As Integer)
            z_bool.D = True
            z_D = Value
        End Set
    End Property
    Public Property E() As Integer
        Get
            Return z_E
        End Get
        Set(ByVal Value As Integer)
            z_bool.E = True
            z_E = Value
        End Set
    End Property
    Public Property F() As Decimal
        Get
            Return z_F
        End Get
        Set(ByVal Value As Decimal)
            z_bool.F = True
            z_F = Value
        End Set
    End Property
    Public Property G() As Date
        Get
            Return z_G
        End Get
        Set(ByVal Value As Date)
            z_bool.G = True
            z_G = Value
        End Set
    End Property
    Public Property H() As  Decimal 
        Get
            Return z_H
        End Get
        Set(ByVal Value As  Decimal )
            z_bool.H = True
            z_H = Value
        End Set
    End Property
    Public Property I() As Boolean
        Get
            Return z_I
        End Get
        Set(ByVal Value As Boolean)
            z_bool.I = True
            z_I = Value
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
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal A As String, _
                    ByVal B As String, _
                    ByVal C As Integer, _
                    ByVal D As Integer, _
                    ByVal E As Integer, _
                    ByVal F As Decimal, _
                    ByVal G As Date, _
                    ByVal H As  Decimal , _
                    ByVal I As Boolean)
        z_A = A
        z_B = B
        z_C = C
        z_D = D
        z_E = E
        z_F = F
        z_G = G
        z_H = H
        z_I = I
    End Sub
#End Region

End Class

Public Class Table2
    Private z_column1 As String
    Private z_column2 As String
    Private z_column3 As String
    Private z_column4 As String
    Private z_column5 As String
    Private z_column6 As String
    Private z_column7 As String
    Private z_column8 As String
    Private z_column9 As String
    Private z_column10 As String
    Private z_column11 As String
    Private z_column12 As String
    Private z_column13 As String
    Private z_column14 As String
    Private z_column15 As String
    Private z_column16 As String
    Private z_column17 As String
    Private z_column18 As String
    Private z_column19 As String
    Private z_column20 As String
    Private z_column21 As String
    Private z_column22 As String
    Private z_column23 As String
    Private z_column24 As String
    Private z_column25 As String
    Private z_column26 As String
    Private z_column27 As String
    Private z_column28 As String
    Private z_column29 As String
    Private z_column30 As String
    Private z_column31 As String
    Private z_column32 As String
    Private z_column33 As String
    Private z_column34 As String
    Private z_column35 As String
    Private z_column36 As String
    Private z_column37 As String
    Private z_column38 As String
    Private z_column39 As String
    Private z_column40 As String
    Private z_column41 As String
    Private z_column42 As String
    Private z_column43 As String
    Private z_column44 As String
    Private z_column45 As String
    Private z_column46 As String
    Private z_column47 As String
    Private z_column48 As String
    Private z_column49 As String
    Private z_column50 As String
    Private z_column51 As String
    Private z_column52 As String
    Private z_column53 As String
    Private z_column54 As String
    Private z_column55 As String
    Private z_column56 As String
    Private z_column57 As String
    Private z_column58 As String
    Private z_column59 As String
    Private z_column60 As String
    Private z_column61 As String
    Private z_column62 As String
    Private z_column63 As String
    Private z_column64 As String
    Private z_column65 As String
    Private z_column66 As String
    Private z_column67 As String
    Private z_column68 As String
    Private z_column69 As String
    Private z_column70 As String
    Private z_column71 As String
    Private z_column72 As String
    Private z_column73 As String
    Private z_column74 As String
    Private z_column75 As String
    Private z_column76 As String
    Private z_column77 As String
    Private z_column78 As String
    Private z_column79 As String
    Private z_column80 As String
    Private z_column81 As String
    Private z_column82 As String
    Private z_column83 As String
    Private z_column84 As String
    Private z_column85 As String
    Private z_column86 As String
    Private z_column87 As String
    Private z_column88 As String
    Private z_column89 As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    Public Structure IsDirty_Table2
        Public column1 As Boolean
        Public column2 As Boolean
        Public column3 As Boolean
        Public column4 As Boolean
        Public column5 As Boolean
        Public column6 As Boolean
        Public column7 As Boolean
        Public column8 As Boolean
        Public column9 As Boolean
        Public column10 As Boolean
        Public column11 As Boolean
        Public column12 As Boolean
        Public column13 As Boolean
        Public column14 As Boolean
        Public column15 As Boolean
        Public column16 As Boolean
        Public column17 As Boolean
        Public column18 As Boolean
        Public column19 As Boolean
        Public column20 As Boolean
        Public column21 As Boolean
        Public column22 As Boolean
        Public column23 As Boolean
        Public column24 As Boolean
        Public column25 As Boolean
        Public column26 As Boolean
        Public column27 As Boolean
        Public column28 As Boolean
        Public column29 As Boolean
        Public column30 As Boolean
        Public column31 As Boolean
        Public column32 As Boolean
        Public column33 As Boolean
        Public column34 As Boolean
        Public column35 As Boolean
        Public column36 As Boolean
        Public column37 As Boolean
        Public column38 As Boolean
        Public column39 As Boolean
        Public column40 As Boolean
        Public column41 As Boolean
        Public column42 As Boolean
        Public column43 As Boolean
        Public column44 As Boolean
        Public column45 As Boolean
        Public column46 As Boolean
        Public column47 As Boolean
        Public column48 As Boolean
        Public column49 As Boolean
        Public column50 As Boolean
        Public column51 As Boolean
        Public column52 As Boolean
        Public column53 As Boolean
        Public column54 As Boolean
        Public column55 As Boolean
        Public column56 As Boolean
        Public column57 As Boolean
        Public column58 As Boolean
        Public column59 As Boolean
        Public column60 As Boolean
        Public column61 As Boolean
        Public column62 As Boolean
        Public column63 As Boolean
        Public column64 As Boolean
        Public column65 As Boolean
        Public column66 As Boolean
        Public column67 As Boolean
        Public column68 As Boolean
        Public column69 As Boolean
        Public column70 As Boolean
        Public column71 As Boolean
        Public column72 As Boolean
        Public column73 As Boolean
        Public column74 As Boolean
        Public column75 As Boolean
        Public column76 As Boolean
        Public column77 As Boolean
        Public column78 As Boolean
        Public column79 As Boolean
        Public column80 As Boolean
        Public column81 As Boolean
        Public column82 As Boolean
        Public column83 As Boolean
        Public column84 As Boolean
        Public column85 As Boolean
        Public column86 As Boolean
        Public column87 As Boolean
        Public column88 As Boolean
        Public column89 As Boolean
    End Structure
    Private z_bool as IsDirty_Table2
#Region "Propriétés"
    Public Property column1() As String
        Get
            Return z_column1
        End Get
        Set(ByVal Value As String)
            z_bool.column1 = True
            z_column1 = Value
        End Set
    End Property
    Public Property column2() As String
        Get
            Return z_column2
        End Get
        Set(ByVal Value As String)
            z_bool.column2 = True
            z_column2 = Value
        End Set
    End Property
    Public Property column3() As String
        Get
            Return z_column3
        End Get
        Set(ByVal Value As String)
            z_bool.column3 = True
            z_column3 = Value
        End Set
    End Property
    Public Property column4() As String
        Get
            Return z_column4
        End Get
        Set(ByVal Value As String)
            z_bool.column4 = True
            z_column4 = Value
        End Set
    End Property
    Public Property column5() As String
        Get
            Return z_column5
        End Get
        Set(ByVal Value As String)
            z_bool.column5 = True
            z_column5 = Value
        End Set
    End Property
    Public Property column6() As String
        Get
            Return z_column6
        End Get
        Set(ByVal Value As String)
            z_bool.column6 = True
            z_column6 = Value
        End Set
    End Property
    Public Property column7() As String
        Get
            Return z_column7
        End Get
        Set(ByVal Value As String)
            z_bool.column7 = True
            z_column7 = Value
        End Set
    End Property
    Public Property column8() As String
        Get
            Return z_column8
        End Get
        Set(ByVal Value As String)
            z_bool.column8 = True
            z_column8 = Value
        End Set
    End Property
    Public Property column9() As String
        Get
            Return z_column9
        End Get
        Set(ByVal Value As String)
            z_bool.column9 = True
            z_column9 = Value
        End Set
    End Property
    Public Property column10() As String
        Get
            Return z_column10
        End Get
        Set(ByVal Value As String)
            z_bool.column10 = True
            z_column10 = Value
        End Set
    End Property
    Public Property column11() As String
        Get
            Return z_column11
        End Get
        Set(ByVal Value As String)
            z_bool.column11 = True
            z_column11 = Value
        End Set
    End Property
    Public Property column12() As String
        Get
            Return z_column12
        End Get
        Set(ByVal Value As String)
            z_bool.column12 = True
            z_column12 = Value
        End Set
    End Property
    Public Property column13() As String
        Get
            Return z_column13
        End Get
        Set(ByVal Value As String)
            z_bool.column13 = True
            z_column13 = Value
        End Set
    End Property
    Public Property column14() As String
        Get
            Return z_column14
        End Get
        Set(ByVal Value As String)
            z_bool.column14 = True
            z_column14 = Value
        End Set
    End Property
    Public Property column15() As String
        Get
            Return z_column15
        End Get
        Set(ByVal Value As String)
            z_bool.column15 = True
            z_column15 = Value
        End Set
    End Property
    Public Property column16() As String
        Get
            Return z_column16
        End Get
        Set(ByVal Value As String)
            z_bool.column16 = True
            z_column16 = Value
        End Set
    End Property
    Public Property column17() As String
        Get
            Return z_column17
        End Get
        Set(ByVal Value As String)
            z_bool.column17 = True
            z_column17 = Value
        End Set
    End Property
    Public Property column18() As String
        Get
            Return z_column18
        End Get
        Set(ByVal Value As String)
            z_bool.column18 = True
            z_column18 = Value
        End Set
    End Property
    Public Property column19() As String
        Get
            Return z_column19
        End Get
        Set(ByVal Value As String)
            z_bool.column19 = True
            z_column19 = Value
        End Set
    End Property
    Public Property column20() As String
        Get
            Return z_column20
        End Get
        Set(ByVal Value As String)
            z_bool.column20 = True
            z_column20 = Value
        End Set
    End Property
    Public Property column21() As String
        Get
            Return z_column21
        End Get
        Set(ByVal Value As String)
            z_bool.column21 = True
            z_column21 = Value
        End Set
    End Property
    Public Property column22() As String
        Get
            Return z_column22
        End Get
        Set(ByVal Value As String)
            z_bool.column22 = True
            z_column22 = Value
        End Set
    End Property
    Public Property column23() As String
        Get
            Return z_column23
        End Get
        Set(ByVal Value As String)
            z_bool.column23 = True
            z_column23 = Value
        End Set
    End Property
    Public Property column24() As String
        Get
            Return z_column24
        End Get
        Set(ByVal Value As String)
            z_bool.column24 = True
            z_column24 = Value
        End Set
    End Property
    Public Property column25() As String
        Get
            Return z_column25
        End Get
        Set(ByVal Value As String)
            z_bool.column25 = True
            z_column25 = Value
        End Set
    End Property
    Public Property column26() As String
        Get
            Return z_column26
        End Get
        Set(ByVal Value As String)
            z_bool.column26 = True
            z_column26 = Value
        End Set
    End Property
    Public Property column27() As String
        Get
            Return z_column27
        End Get
        Set(ByVal Value As String)
            z_bool.column27 = True
            z_column27 = Value
        End Set
    End Property
    Public Property column28() As String
        Get
            Return z_column28
        End Get
        Set(ByVal Value As String)
            z_bool.column28 = True
            z_column28 = Value
        End Set
    End Property
    Public Property column29() As String
        Get
            Return z_column29
        End Get
        Set(ByVal Value As String)
            z_bool.column29 = True
            z_column29 = Value
        End Set
    End Property
    Public Property column30() As String
        Get
            Return z_column30
        End Get
        Set(ByVal Value As String)
            z_bool.column30 = True
            z_column30 = Value
        End Set
    End Property
    Public Property column31() As String
        Get
            Return z_column31
        End Get
        Set(ByVal Value As String)
            z_bool.column31 = True
            z_column31 = Value
        End Set
    End Property
    Public Property column32() As String
        Get
            Return z_column32
        End Get
        Set(ByVal Value As String)
            z_bool.column32 = True
            z_column32 = Value
        End Set
    End Property
    Public Property column33() As String
        Get
            Return z_column33
        End Get
        Set(ByVal Value As String)
            z_bool.column33 = True
            z_column33 = Value
        End Set
    End Property
    Public Property column34() As String
        Get
            Return z_column34
        End Get
        Set(ByVal Value As String)
            z_bool.column34 = True
            z_column34 = Value
        End Set
    End Property
    Public Property column35() As String
        Get
            Return z_column35
        End Get
        Set(ByVal Value As String)
            z_bool.column35 = True
            z_column35 = Value
        End Set
    End Property
    Public Property column36() As String
        Get
            Return z_column36
        End Get
        Set(ByVal Value As String)
            z_bool.column36 = True
            z_column36 = Value
        End Set
    End Property
    Public Property column37() As String
        Get
            Return z_column37
        End Get
        Set(ByVal Value As String)
            z_bool.column37 = True
            z_column37 = Value
        End Set
    End Property
    Public Property column38() As String
        Get
            Return z_column38
        End Get
        Set(ByVal Value As String)
            z_bool.column38 = True
            z_column38 = Value
        End Set
    End Property
    Public Property column39() As String
        Get
            Return z_column39
        End Get
        Set(ByVal Value As String)
            z_bool.column39 = True
            z_column39 = Value
        End Set
    End Property
    Public Property column40() As String
        Get
            Return z_column40
        End Get
        Set(ByVal Value As String)
            z_bool.column40 = True
            z_column40 = Value
        End Set
    End Property
    Public Property column41() As String
        Get
            Return z_column41
        End Get
        Set(ByVal Value As String)
            z_bool.column41 = True
            z_column41 = Value
        End Set
    End Property
    Public Property column42() As String
        Get
            Return z_column42
        End Get
        Set(ByVal Value As String)
            z_bool.column42 = True
            z_column42 = Value
        End Set
    End Property
    Public Property column43() As String
        Get
            Return z_column43
        End Get
        Set(ByVal Value As String)
            z_bool.column43 = True
            z_column43 = Value
        End Set
    End Property
    Public Property column44() As String
        Get
            Return z_column44
        End Get
        Set(ByVal Value As String)
            z_bool.column44 = True
            z_column44 = Value
        End Set
    End Property
    Public Property column45() As String
        Get
            Return z_column45
        End Get
        Set(ByVal Value As String)
            z_bool.column45 = True
            z_column45 = Value
        End Set
    End Property
    Public Property column46() As String
        Get
            Return z_column46
        End Get
        Set(ByVal Value As String)
            z_bool.column46 = True
            z_column46 = Value
        End Set
    End Property
    Public Property column47() As String
        Get
            Return z_column47
        End Get
        Set(ByVal Value As String)
            z_bool.column47 = True
            z_column47 = Value
        End Set
    End Property
    Public Property column48() As String
        Get
            Return z_column48
        End Get
        Set(ByVal Value As String)
            z_bool.column48 = True
            z_column48 = Value
        End Set
    End Property
    Public Property column49() As String
        Get
            Return z_column49
        End Get
        Set(ByVal Value As String)
            z_bool.column49 = True
            z_column49 = Value
        End Set
    End Property
    Public Property column50() As String
        Get
            Return z_column50
        End Get
        Set(ByVal Value As String)
            z_bool.column50 = True
            z_column50 = Value
        End Set
    End Property
    Public Property column51() As String
        Get
            Return z_column51
        End Get
        Set(ByVal Value As String)
            z_bool.column51 = True
            z_column51 = Value
        End Set
    End Property
    Public Property column52() As String
        Get
            Return z_column52
        End Get
        Set(ByVal Value As String)
            z_bool.column52 = True
            z_column52 = Value
        End Set
    End Property
    Public Property column53() As String
        Get
            Return z_column53
        End Get
        Set(ByVal Value As String)
            z_bool.column53 = True
            z_column53 = Value
        End Set
    End Property
    Public Property column54() As String
        Get
            Return z_column54
        End Get
        Set(ByVal Value As String)
            z_bool.column54 = True
            z_column54 = Value
        End Set
    End Property
    Public Property column55() As String
        Get
            Return z_column55
        End Get
        Set(ByVal Value As String)
            z_bool.column55 = True
            z_column55 = Value
        End Set
    End Property
    Public Property column56() As String
        Get
            Return z_column56
        End Get
        Set(ByVal Value As String)
            z_bool.column56 = True
            z_column56 = Value
        End Set
    End Property
    Public Property column57() As String
        Get
            Return z_column57
        End Get
        Set(ByVal Value As String)
            z_bool.column57 = True
            z_column57 = Value
        End Set
    End Property
    Public Property column58() As String
        Get
            Return z_column58
        End Get
        Set(ByVal Value As String)
            z_bool.column58 = True
            z_column58 = Value
        End Set
    End Property
    Public Property column59() As String
        Get
            Return z_column59
        End Get
        Set(ByVal Value As String)
            z_bool.column59 = True
            z_column59 = Value
        End Set
    End Property
    Public Property column60() As String
        Get
            Return z_column60
        End Get
        Set(ByVal Value As String)
            z_bool.column60 = True
            z_column60 = Value
        End Set
    End Property
    Public Property column61() As String
        Get
            Return z_column61
        End Get
        Set(ByVal Value As String)
            z_bool.column61 = True
            z_column61 = Value
        End Set
    End Property
    Public Property column62() As String
        Get
            Return z_column62
        End Get
        Set(ByVal Value As String)
            z_bool.column62 = True
            z_column62 = Value
        End Set
    End Property
    Public Property column63() As String
        Get
            Return z_column63
        End Get
        Set(ByVal Value As String)
            z_bool.column63 = True
            z_column63 = Value
        End Set
    End Property
    Public Property column64() As String
        Get
            Return z_column64
        End Get
        Set(ByVal Value As String)
            z_bool.column64 = True
            z_column64 = Value
        End Set
    End Property
    Public Property column65() As String
        Get
            Return z_column65
        End Get
        Set(ByVal Value As String)
            z_bool.column65 = True
            z_column65 = Value
        End Set
    End Property
    Public Property column66() As String
        Get
            Return z_column66
        End Get
        Set(ByVal Value As String)
            z_bool.column66 = True
            z_column66 = Value
        End Set
    End Property
    Public Property column67() As String
        Get
            Return z_column67
        End Get
        Set(ByVal Value As String)
            z_bool.column67 = True
            z_column67 = Value
        End Set
    End Property
    Public Property column68() As String
        Get
            Return z_column68
        End Get
        Set(ByVal Value As String)
            z_bool.column68 = True
            z_column68 = Value
        End Set
    End Property
    Public Property column69() As String
        Get
            Return z_column69
        End Get
        Set(ByVal Value As String)
            z_bool.column69 = True
            z_column69 = Value
        End Set
    End Property
    Public Property column70() As String
        Get
            Return z_column70
        End Get
        Set(ByVal Value As String)
            z_bool.column70 = True
            z_column70 = Value
        End Set
    End Property
    Public Property column71() As String
        Get
            Return z_column71
        End Get
        Set(ByVal Value As String)
            z_bool.column71 = True
            z_column71 = Value
        End Set
    End Property
    Public Property column72() As String
        Get
            Return z_column72
        End Get
        Set(ByVal Value As String)
            z_bool.column72 = True
            z_column72 = Value
        End Set
    End Property
    Public Property column73() As String
        Get
            Return z_column73
        End Get
        Set(ByVal Value As String)
            z_bool.column73 = True
            z_column73 = Value
        End Set
    End Property
    Public Property column74() As String
        Get
            Return z_column74
        End Get
        Set(ByVal Value As String)
            z_bool.column74 = True
            z_column74 = Value
        End Set
    End Property
    Public Property column75() As String
        Get
            Return z_column75
        End Get
        Set(ByVal Value As String)
            z_bool.column75 = True
            z_column75 = Value
        End Set
    End Property
    Public Property column76() As String
        Get
            Return z_column76
        End Get
        Set(ByVal Value As String)
            z_bool.column76 = True
            z_column76 = Value
        End Set
    End Property
    Public Property column77() As String
        Get
            Return z_column77
        End Get
        Set(ByVal Value As String)
            z_bool.column77 = True
            z_column77 = Value
        End Set
    End Property
    Public Property column78() As String
        Get
            Return z_column78
        End Get
        Set(ByVal Value As String)
            z_bool.column78 = True
            z_column78 = Value
        End Set
    End Property
    Public Property column79() As String
        Get
            Return z_column79
        End Get
        Set(ByVal Value As String)
            z_bool.column79 = True
            z_column79 = Value
        End Set
    End Property
    Public Property column80() As String
        Get
            Return z_column80
        End Get
        Set(ByVal Value As String)
            z_bool.column80 = True
            z_column80 = Value
        End Set
    End Property
    Public Property column81() As String
        Get
            Return z_column81
        End Get
        Set(ByVal Value As String)
            z_bool.column81 = True
            z_column81 = Value
        End Set
    End Property
    Public Property column82() As String
        Get
            Return z_column82
        End Get
        Set(ByVal Value As String)
            z_bool.column82 = True
            z_column82 = Value
        End Set
    End Property
    Public Property column83() As String
        Get
            Return z_column83
        End Get
        Set(ByVal Value As String)
            z_bool.column83 = True
            z_column83 = Value
        End Set
    End Property
    Public Property column84() As String
        Get
            Return z_column84
        End Get
        Set(ByVal Value As String)
            z_bool.column84 = True
            z_column84 = Value
        End Set
    End Property
    Public Property column85() As String
        Get
            Return z_column85
        End Get
        Set(ByVal Value As String)
            z_bool.column85 = True
            z_column85 = Value
        End Set
    End Property
    Public Property column86() As String
        Get
            Return z_column86
        End Get
        Set(ByVal Value As String)
            z_bool.column86 = True
            z_column86 = Value
        End Set
    End Property
    Public Property column87() As String
        Get
            Return z_column87
        End Get
        Set(ByVal Value As String)
            z_bool.column87 = True
            z_column87 = Value
        End Set
    End Property
    Public Property column88() As String
        Get
            Return z_column88
        End Get
        Set(ByVal Value As String)
            z_bool.column88 = True
            z_column88 = Value
        End Set
    End Property
    Public Property column89() As String
        Get
            Return z_column89
        End Get
        Set(ByVal Value As String)
            z_bool.column89 = True
            z_column89 = Value
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
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal column1 As String, _
                    ByVal column2 As String, _
                    ByVal column3 As String, _
                    ByVal column4 As String, _
                    ByVal column5 As String, _
                    ByVal column6 As String, _
                    ByVal column7 As String, _
                    ByVal column8 As String, _
                    ByVal column9 As String, _
                    ByVal column10 As String, _
                    ByVal column11 As String, _
                    ByVal column12 As String, _
                    ByVal column13 As String, _
                    ByVal column14 As String, _
                    ByVal column15 As String, _
                    ByVal column16 As String, _
                    ByVal column17 As String, _
                    ByVal column18 As String, _
                    ByVal column19 As String, _
                    ByVal column20 As String, _
                    ByVal column21 As String, _
                    ByVal column22 As String, _
                    ByVal column23 As String, _
                    ByVal column24 As String, _
                    ByVal column25 As String, _
                    ByVal column26 As String, _
                    ByVal column27 As String, _
                    ByVal column28 As String, _
                    ByVal column29 As String, _
                    ByVal column30 As String, _
                    ByVal column31 As String, _
                    ByVal column32 As String, _
                    ByVal column33 As String, _
                    ByVal column34 As String, _
                    ByVal column35 As String, _
                    ByVal column36 As String, _
                    ByVal column37 As String, _
                    ByVal column38 As String, _
                    ByVal column39 As String, _
                    ByVal column40 As String, _
                    ByVal column41 As String, _
                    ByVal column42 As String, _
                    ByVal column43 As String, _
                    ByVal column44 As String, _
                    ByVal column45 As String, _
                    ByVal column46 As String, _
                    ByVal column47 As String, _
                    ByVal column48 As String, _
                    ByVal column49 As String, _
                    ByVal column50 As String, _
                    ByVal column51 As String, _
                    ByVal column52 As String, _
                    ByVal column53 As String, _
                    ByVal column54 As String, _
                    ByVal column55 As String, _
                    ByVal column56 As String, _
                    ByVal column57 As String, _
                    ByVal column58 As String, _
                    ByVal column59 As String, _
                    ByVal column60 As String, _
                    ByVal column61 As String, _
                    ByVal column62 As String, _
                    ByVal column63 As String, _
                    ByVal column64 As String, _
                    ByVal column65 As String, _
                    ByVal column66 As String, _
                    ByVal column67 As String, _
                    ByVal column68 As String, _
                    ByVal column69 As String, _
                    ByVal column70 As String, _
                    ByVal column71 As String, _
                    ByVal column72 As String, _
                    ByVal column73 As String, _
                    ByVal column74 As String, _
                    ByVal column75 As String, _
                    ByVal column76 As String, _
                    ByVal column77 As String, _
                    ByVal column78 As String, _
                    ByVal column79 As String, _
                    ByVal column80 As String, _
                    ByVal column81 As String, _
                    ByVal column82 As String, _
                    ByVal column83 As String, _
                    ByVal column84 As String, _
                    ByVal column85 As String, _
                    ByVal column86 As String, _
                    ByVal column87 As String, _
                    ByVal column88 As String, _
                    ByVal column89 As String)
        z_column1 = column1
        z_column2 = column2
        z_column3 = column3
        z_column4 = column4
        z_column5 = column5
        z_column6 = column6
        z_column7 = column7
        z_column8 = column8
        z_column9 = column9
        z_column10 = column10
        z_column11 = column11
        z_column12 = column12
        z_column13 = column13
        z_column14 = column14
        z_column15 = column15
        z_column16 = column16
        z_column17 = column17
        z_column18 = column18
        z_column19 = column19
        z_column20 = column20
        z_column21 = column21
        z_column22 = column22
        z_column23 = column23
        z_column24 = column24
        z_column25 = column25
        z_column26 = column26
        z_column27 = column27
        z_column28 = column28
        z_column29 = column29
        z_column30 = column30
        z_column31 = column31
        z_column32 = column32
        z_column33 = column33
        z_column34 = column34
        z_column35 = column35
        z_column36 = column36
        z_column37 = column37
        z_column38 = column38
        z_column39 = column39
        z_column40 = column40
        z_column41 = column41
        z_column42 = column42
        z_column43 = column43
        z_column44 = column44
        z_column45 = column45
        z_column46 = column46
        z_column47 = column47
        z_column48 = column48
        z_column49 = column49
        z_column50 = column50
        z_column51 = column51
        z_column52 = column52
        z_column53 = column53
        z_column54 = column54
        z_column55 = column55
        z_column56 = column56
        z_column57 = column57
        z_column58 = column58
        z_column59 = column59
        z_column60 = column60
        z_column61 = column61
        z_column62 = column62
        z_column63 = column63
        z_column64 = column64
        z_column65 = column65
        z_column66 = column66
        z_column67 = column67
        z_column68 = column68
        z_column69 = column69
        z_column70 = column70
        z_column71 = column71
        z_column72 = column72
        z_column73 = column73
        z_column74 = column74
        z_column75 = column75
        z_column76 = column76
        z_column77 = column77
        z_column78 = column78
        z_column79 = column79
        z_column80 = column80
        z_column81 = column81
        z_column82 = column82
        z_column83 = column83
        z_column84 = column84
        z_column85 = column85
        z_column86 = column86
        z_column87 = column87
        z_column88 = column88
        z_column89 = column89
    End Sub
#End Region

End Class

Public Class Table3
    Private z_a As Integer
    Private z_b As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    Public Structure IsDirty_Table3
        Public a As Boolean
        Public b As Boolean
    End Structure
    Private z_bool as IsDirty_Table3
#Region "Propriétés"
    Public Property a() As Integer
        Get
            Return z_a
        End Get
        Set(ByVal Value As Integer)
            z_bool.a = True
            z_a = Value
        End Set
    End Property
    Public Property b() As String
        Get
            Return z_b
        End Get
        Set(ByVal Value As String)
            z_bool.b = True
            z_b = Value
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
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal a As Integer, _
                    ByVal b As String)
        z_a = a
        z_b = b
    End Sub
#End Region

End Class

Public Class Table4
    Private z_name As String
    Private z_data As String
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
    Public Structure IsDirty_Table4
        Public name As Boolean
        Public data As Boolean
    End Structure
    Private z_bool as IsDirty_Table4
#Region "Propriétés"
    Public Property name() As String
        Get
            Return z_name
        End Get
        Set(ByVal Value As String)
            z_bool.name = True
            z_name = Value
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
    Public ReadOnly Property IsDirty() As IsDirty_Table4
        Get
            Return z_bool
        End Get
    End Property
#End Region

#Region "Constructeurs"
    Public Sub Init( ByVal name As String, _
                    ByVal data As String)
        z_name = name
        z_data = data
    End Sub
#End Region

End Class

End NameSpace
