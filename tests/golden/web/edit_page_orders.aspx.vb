Imports ShopWeb.Common.Data
Public Class Edit_Orders
    Inherits System.Web.UI.Page
    Protected WithEvents DdlBranch As System.Web.UI.WebControls.DropDownList
    Protected WithEvents DdlOrderNo As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtBranch As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtOrderNo As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtPlaced As System.Web.UI.WebControls.TextBox
    Protected WithEvents DtgOrderLine As System.Web.UI.WebControls.DataGrid
    Protected WithEvents DtgInvoice As System.Web.UI.WebControls.DataGrid
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
    z_Orders.OrderClause = "Branch"
    DdlBranch.DataSource = ListOrders(z_Orders)
    DdlBranch.DataTextField = "Branch"
    DdlBranch.DataValueField = "Branch"
    DdlBranch.DataBind()

    z_Orders.OrderClause = "OrderNo"
    DdlOrderNo.DataSource = ListOrders(z_Orders)
    DdlOrderNo.DataTextField = "OrderNo"
    DdlOrderNo.DataValueField = "OrderNo"
    DdlOrderNo.DataBind()

    DtgOrders.DataSource = ListOrders(z_Orders)
    DtgOrders.DataBind()
        TxtBranch.Text = ""
        TxtOrderNo.Text = ""
        TxtPlaced.Text = ""
        DdlBranch.SelectedIndex =-1
        DdlOrderNo.SelectedIndex =-1
        DtgOrders.SelectedIndex =-1
End Sub

Private Sub DdlBranch_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlBranch.SelectedIndexChanged
    Dim z_Orders As New Orders()
    If DdlBranch.SelectedItem.Value <> "" Then z_Orders.Branch = DdlBranch.SelectedItem.Value
    DdlOrderNo.DataSource = ListOrders(z_Orders)
    z_Orders = OrdersManager.GetOrders(z_Orders)
    TxtBranch.text = z_Orders.Branch
    TxtOrderNo.text = z_Orders.OrderNo
    TxtPlaced.text = z_Orders.Placed
    DtgOrderLine.DataSource = z_Orders.OrderLine
    DtgOrderLine.DataBind()
    DtgInvoice.DataSource = z_Orders.Invoice
    DtgInvoice.DataBind()
End Sub

Private Sub DdlOrderNo_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlOrderNo.SelectedIndexChanged
    Dim z_Orders As New Orders()
    If DdlBranch.SelectedItem.Value <> "" Then z_Orders.Branch = DdlBranch.SelectedItem.Value
    If DdlOrderNo.SelectedItem.Value <> "" Then z_Orders.OrderNo = DdlOrderNo.SelectedItem.Value
    z_Orders = OrdersManager.GetOrders(z_Orders)
    TxtBranch.text = z_Orders.Branch
    TxtOrderNo.text = z_Orders.OrderNo
    TxtPlaced.text = z_Orders.Placed
    DtgOrderLine.DataSource = z_Orders.OrderLine
    DtgOrderLine.DataBind()
    DtgInvoice.DataSource = z_Orders.Invoice
    DtgInvoice.DataBind()
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Orders As New Orders()
    Dim z_Orders As New Orders()
        z_Orders.Branch = TxtBranch.Text
        z_Orders.OrderNo = TxtOrderNo.Text
        z_Orders.Placed = TxtPlaced.Text
        y_Orders.Branch = TxtBranch.Text
        y_Orders.OrderNo = TxtOrderNo.Text
    SaveOrders(z_Orders, y_Orders)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Orders As New Orders()
        z_Orders.Branch = TxtBranch.Text
        z_Orders.OrderNo = TxtOrderNo.Text
    DeleteOrders(z_Orders)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgOrders_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgOrders.SelectedIndexChanged
    Dim i As Integer
    Dim z_Orders as new Orders
    z_Orders.OrderClause = "OrderNo"
    z_Orders= ListOrders(z_Orders)(DtgOrders.SelectedIndex)
        TxtBranch.Text = z_Orders.Branch
        TxtOrderNo.Text = z_Orders.OrderNo
        TxtPlaced.Text = z_Orders.Placed
    For i = 0 To DdlBranch.Items.Count - 1
        DdlBranch.SelectedIndex = i
        If TxtBranch.Text = DdlBranch.SelectedItem.Value Then Exit For
    Next i
    For i = 0 To DdlOrderNo.Items.Count - 1
        DdlOrderNo.SelectedIndex = i
        If TxtOrderNo.Text = DdlOrderNo.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
