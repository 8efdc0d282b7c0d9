Imports ShopWeb.Common.Data
Public Class Edit_Emp
    Inherits System.Web.UI.Page
    Protected WithEvents DdlId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtId As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtName As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_Boss As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtBoss As System.Web.UI.WebControls.TextBox
    Protected WithEvents DtgOrders As System.Web.UI.WebControls.DataGrid
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgEmp As System.Web.UI.WebControls.DataGrid

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
    Dim z_Emp As New Emp()
    z_Emp.OrderClause = "Id"
    DdlId.DataSource = ListEmp(z_Emp)
    DdlId.DataTextField = "Id"
    DdlId.DataValueField = "Id"
    DdlId.DataBind()

    z_Emp.OrderClause = "Id"
    Ddl_f_Boss.DataSource = ListEmp(z_Emp)
    Ddl_f_Boss.DataTextField = "Id"
    Ddl_f_Boss.DataValueField = "Id"
    Ddl_f_Boss.DataBind()

    DtgEmp.DataSource = ListEmp(z_Emp)
    DtgEmp.DataBind()
        TxtId.Text = ""
        TxtName.Text = ""
        TxtBoss.Text = ""
        DdlId.SelectedIndex =-1
        DtgEmp.SelectedIndex =-1
End Sub

Private Sub Ddl_f_Boss_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_Boss.SelectedIndexChanged
    TxtBoss.Text = Ddl_f_Boss.SelectedItem.Value
End Sub

Private Sub TxtBoss_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles TxtBoss.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_Boss.Items.Count - 1
        Ddl_f_Boss.SelectedIndex = i
        If TxtBoss.Text = Ddl_f_Boss.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub DdlId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlId.SelectedIndexChanged
    Dim z_Emp As New Emp()
    If DdlId.SelectedItem.Value <> "" Then z_Emp.Id = DdlId.SelectedItem.Value
    z_Emp = EmpManager.GetEmp(z_Emp)
    TxtId.text = z_Emp.Id
    TxtName.text = z_Emp.Name
    TxtBoss.text = z_Emp.Boss
    DtgOrders.DataSource = z_Emp.Orders
    DtgOrders.DataBind()
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Emp As New Emp()
    Dim z_Emp As New Emp()
        z_Emp.Id = TxtId.Text
        z_Emp.Name = TxtName.Text
        z_Emp.Boss = TxtBoss.Text
        y_Emp.Id = TxtId.Text
    SaveEmp(z_Emp, y_Emp)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Emp As New Emp()
        z_Emp.Id = TxtId.Text
    DeleteEmp(z_Emp)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgEmp_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgEmp.SelectedIndexChanged
    Dim i As Integer
    Dim z_Emp as new Emp
    z_Emp.OrderClause = "Id"
    z_Emp= ListEmp(z_Emp)(DtgEmp.SelectedIndex)
        TxtId.Text = z_Emp.Id
        TxtName.Text = z_Emp.Name
        TxtBoss.Text = z_Emp.Boss
    For i = 0 To DdlId.Items.Count - 1
        DdlId.SelectedIndex = i
        If TxtId.Text = DdlId.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
