' Add your solution name in the line below as <imports <solution>.Common.Data
Imports Common.Data
Public Class Edit_Orders
    Inherits System.Web.UI.Page
    Protected WithEvents DdlId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtId As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_EmpId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtEmpId As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtPlaced As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtTotal As System.Web.UI.WebControls.TextBox
    Protected WithEvents DtgLine As System.Web.UI.WebControls.DataGrid
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgOrders As System.Web.UI.WebControls.DataGrid

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
    Dim z_Orders As New Orders()
    Dim z_Emp As New Emp()
    z_Orders.OrderClause = "Id"
    DdlId.DataSource = ListOrders(z_Orders)
    DdlId.DataTextField = "Id"
    DdlId.DataValueField = "Id"
    DdlId.DataBind()

    z_Emp.OrderClause = "Id"
    Ddl_f_EmpId.DataSource = ListEmp(z_Emp)
    Ddl_f_EmpId.DataTextField = "Id"
    Ddl_f_EmpId.DataValueField = "Id"
    Ddl_f_EmpId.DataBind()

    DtgOrders.DataSource = ListOrders(z_Orders)
    DtgOrders.DataBind()
        TxtId.Text = ""
        TxtEmpId.Text = ""
        TxtPlaced.Text = ""
        TxtTotal.Text = ""
        DdlId.SelectedIndex =-1
        DtgOrders.SelectedIndex =-1
End Sub

Private Sub Ddl_f_EmpId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_EmpId.SelectedIndexChanged
    TxtEmpId.Text = Ddl_f_EmpId.SelectedItem.Value
End Sub

Private Sub TxtEmpId_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles TxtEmpId.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_EmpId.Items.Count - 1
        Ddl_f_EmpId.SelectedIndex = i
        If TxtEmpId.Text = Ddl_f_EmpId.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub DdlId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlId.SelectedIndexChanged
    Dim z_Orders As New Orders()
    If DdlId.SelectedItem.Value <> "" Then z_Orders.Id = DdlId.SelectedItem.Value
    z_Orders = OrdersManager.GetOrders(z_Orders)
    TxtId.text = z_Orders.Id
    TxtEmpId.text = z_Orders.EmpId
    TxtPlaced.text = z_Orders.Placed
    TxtTotal.text = z_Orders.Total
    DtgLine.DataSource = z_Orders.Line
    DtgLine.DataBind()
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Orders As New Orders()
    Dim z_Orders As New Orders()
        z_Orders.Id = TxtId.Text
        z_Orders.EmpId = TxtEmpId.Text
        z_Orders.Placed = TxtPlaced.Text
        z_Orders.Total = TxtTotal.Text
        y_Orders.Id = TxtId.Text
    SaveOrders(z_Orders, y_Orders)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Orders As New Orders()
        z_Orders.Id = TxtId.Text
    DeleteOrders(z_Orders)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgOrders_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgOrders.SelectedIndexChanged
    Dim i As Integer
    Dim z_Orders as new Orders
    z_Orders.OrderClause = "Id"
    z_Orders= ListOrders(z_Orders)(DtgOrders.SelectedIndex)
        TxtId.Text = z_Orders.Id
        TxtEmpId.Text = z_Orders.EmpId
        TxtPlaced.Text = z_Orders.Placed
        TxtTotal.Text = z_Orders.Total
    For i = 0 To DdlId.Items.Count - 1
        DdlId.SelectedIndex = i
        If TxtId.Text = DdlId.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
