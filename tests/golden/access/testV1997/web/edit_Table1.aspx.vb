Imports AccessWeb.Common.Data
Public Class Edit_Table1
    Inherits System.Web.UI.Page
    Protected WithEvents DdlA As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtA As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtB As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtC As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtD As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtE As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtF As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtG As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtH As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtI As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgTable1 As System.Web.UI.WebControls.DataGrid

#Region " Web Form Designer Generated Code "
    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()
    End Sub

    Private Sub Page_Init(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles MyBase.Init
        InitializeComponent()
    End Sub
#End Region

Private Sub Page_Load(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles MyBase.Load
    If Not Page.IsPostBack Then initpage()
End Sub

Private Sub initpage()
    Dim z_Table1 As New Table1()
    z_Table1.OrderClause = "A"
    DdlA.DataSource = ListTable1(z_Table1)
    DdlA.DataTextField = "A"
    DdlA.DataValueField = "A"
    DdlA.DataBind()

    DtgTable1.DataSource = ListTable1(z_Table1)
    DtgTable1.DataBind()
        TxtA.Text = ""
        TxtB.Text = ""
        TxtC.Text = ""
        TxtD.Text = ""
        TxtE.Text = ""
        TxtF.Text = ""
        TxtG.Text = ""
        TxtH.Text = ""
        TxtI.Text = ""
        DdlA.SelectedIndex =-1
        DtgTable1.SelectedIndex =-1
End Sub

Private Sub DdlA_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlA.SelectedIndexChanged
    Dim z_Table1 As New Table1()
    If DdlA.SelectedItem.Value <> "" Then z_Table1.A = DdlA.SelectedItem.Value
    z_Table1 = Table1Manager.GetTable1(z_Table1)
    TxtA.text = z_Table1.A
    TxtB.text = z_Table1.B
    TxtC.text = z_Table1.C
    TxtD.text = z_Table1.D
    TxtE.text = z_Table1.E
    TxtF.text = z_Table1.F
    TxtG.text = z_Table1.G
    TxtH.text = z_Table1.H
    TxtI.text = z_Table1.I
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Table1 As New Table1()
    Dim z_Table1 As New Table1()
        z_Table1.A = TxtA.Text
        z_Table1.B = TxtB.Text
        z_Table1.C = TxtC.Text
        z_Table1.D = TxtD.Text
        z_Table1.E = TxtE.Text
        z_Table1.F = TxtF.Text
        z_Table1.G = TxtG.Text
        z_Table1.H = TxtH.Text
        z_Table1.I = TxtI.Text
        y_Table1.A = TxtA.Text
    SaveTable1(z_Table1, y_Table1)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Table1 As New Table1()
        z_Table1.A = TxtA.Text
    DeleteTable1(z_Table1)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgTable1_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgTable1.SelectedIndexChanged
    Dim i As Integer
    Dim z_Table1 as new Table1
    z_Table1.OrderClause = "A"
    z_Table1= ListTable1(z_Table1)(DtgTable1.SelectedIndex)
        TxtA.Text = z_Table1.A
        TxtB.Text = z_Table1.B
        TxtC.Text = z_Table1.C
        TxtD.Text = z_Table1.D
        TxtE.Text = z_Table1.E
        TxtF.Text = z_Table1.F
        TxtG.Text = z_Table1.G
        TxtH.Text = z_Table1.H
        TxtI.Text = z_Table1.I
    For i = 0 To DdlA.Items.Count - 1
        DdlA.SelectedIndex = i
        If TxtA.Text = DdlA.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
