Imports AccessWeb.Common.Data
Public Class Edit_Table1
    Inherits System.Web.UI.Page
    Protected WithEvents Ddlid As System.Web.UI.WebControls.DropDownList
    Protected WithEvents Txtid As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_otherfk1 As System.Web.UI.WebControls.DropDownList
    Protected WithEvents Txtotherfk1 As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_otherfk2 As System.Web.UI.WebControls.DropDownList
    Protected WithEvents Txtotherfk2 As System.Web.UI.WebControls.TextBox
    Protected WithEvents Txtdata As System.Web.UI.WebControls.TextBox
    Protected WithEvents Txtotherfk3 As System.Web.UI.WebControls.TextBox
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
    Dim z_Table2 As New Table2()
    Dim z_Table3 As New Table3()
    z_Table1.OrderClause = "id"
    Ddlid.DataSource = ListTable1(z_Table1)
    Ddlid.DataTextField = "id"
    Ddlid.DataValueField = "id"
    Ddlid.DataBind()

    z_Table2.OrderClause = "id"
    Ddl_f_otherfk1.DataSource = ListTable2(z_Table2)
    Ddl_f_otherfk1.DataTextField = "id"
    Ddl_f_otherfk1.DataValueField = "id"
    Ddl_f_otherfk1.DataBind()

    z_Table3.OrderClause = "id"
    Ddl_f_otherfk2.DataSource = ListTable3(z_Table3)
    Ddl_f_otherfk2.DataTextField = "id"
    Ddl_f_otherfk2.DataValueField = "id"
    Ddl_f_otherfk2.DataBind()

    DtgTable1.DataSource = ListTable1(z_Table1)
    DtgTable1.DataBind()
        Txtid.Text = ""
        Txtotherfk1.Text = ""
        Txtotherfk2.Text = ""
        Txtdata.Text = ""
        Txtotherfk3.Text = ""
        Ddlid.SelectedIndex =-1
        DtgTable1.SelectedIndex =-1
End Sub

Private Sub Ddl_f_otherfk1_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_otherfk1.SelectedIndexChanged
    Txtotherfk1.Text = Ddl_f_otherfk1.SelectedItem.Value
End Sub

Private Sub Ddl_f_otherfk2_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_otherfk2.SelectedIndexChanged
    Txtotherfk2.Text = Ddl_f_otherfk2.SelectedItem.Value
End Sub

Private Sub Txtotherfk1_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles Txtotherfk1.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_otherfk1.Items.Count - 1
        Ddl_f_otherfk1.SelectedIndex = i
        If Txtotherfk1.Text = Ddl_f_otherfk1.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub Txtotherfk2_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles Txtotherfk2.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_otherfk2.Items.Count - 1
        Ddl_f_otherfk2.SelectedIndex = i
        If Txtotherfk2.Text = Ddl_f_otherfk2.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub Ddlid_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddlid.SelectedIndexChanged
    Dim z_Table1 As New Table1()
    If Ddlid.SelectedItem.Value <> "" Then z_Table1.id = Ddlid.SelectedItem.Value
    z_Table1 = Table1Manager.GetTable1(z_Table1)
    Txtid.text = z_Table1.id
    Txtotherfk1.text = z_Table1.otherfk1
    Txtotherfk2.text = z_Table1.otherfk2
    Txtdata.text = z_Table1.data
    Txtotherfk3.text = z_Table1.otherfk3
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Table1 As New Table1()
    Dim z_Table1 As New Table1()
        z_Table1.id = Txtid.Text
        z_Table1.otherfk1 = Txtotherfk1.Text
        z_Table1.otherfk2 = Txtotherfk2.Text
        z_Table1.data = Txtdata.Text
        z_Table1.otherfk3 = Txtotherfk3.Text
        y_Table1.id = Txtid.Text
    SaveTable1(z_Table1, y_Table1)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Table1 As New Table1()
        z_Table1.id = Txtid.Text
    DeleteTable1(z_Table1)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgTable1_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgTable1.SelectedIndexChanged
    Dim i As Integer
    Dim z_Table1 as new Table1
    z_Table1.OrderClause = "id"
    z_Table1= ListTable1(z_Table1)(DtgTable1.SelectedIndex)
        Txtid.Text = z_Table1.id
        Txtotherfk1.Text = z_Table1.otherfk1
        Txtotherfk2.Text = z_Table1.otherfk2
        Txtdata.Text = z_Table1.data
        Txtotherfk3.Text = z_Table1.otherfk3
    For i = 0 To Ddlid.Items.Count - 1
        Ddlid.SelectedIndex = i
        If Txtid.Text = Ddlid.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
