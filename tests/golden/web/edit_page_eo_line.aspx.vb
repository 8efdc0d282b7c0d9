Imports ShopWeb.Common.Data
Public Class Edit_Line
    Inherits System.Web.UI.Page
    Protected WithEvents DdlOrderId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents DdlLineNo As System.Web.UI.WebControls.DropDownList
    Protected WithEvents Ddl_f_OrderId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtOrderId As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtLineNo As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtQty As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgLine As System.Web.UI.WebControls.DataGrid

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
    Dim z_Line As New Line()
    Dim z_Orders As New Orders()
    z_Line.OrderClause = "OrderId"
    DdlOrderId.DataSource = ListLine(z_Line)
    DdlOrderId.DataTextField = "OrderId"
    DdlOrderId.DataValueField = "OrderId"
    DdlOrderId.DataBind()

    z_Line.OrderClause = "LineNo"
    DdlLineNo.DataSource = ListLine(z_Line)
    DdlLineNo.DataTextField = "LineNo"
    DdlLineNo.DataValueField = "LineNo"
    DdlLineNo.DataBind()

    z_Orders.OrderClause = "Id"
    Ddl_f_OrderId.DataSource = ListOrders(z_Orders)
    Ddl_f_OrderId.DataTextField = "Id"
    Ddl_f_OrderId.DataValueField = "Id"
    Ddl_f_OrderId.DataBind()

    DtgLine.DataSource = ListLine(z_Line)
    DtgLine.DataBind()
        TxtOrderId.Text = ""
        TxtLineNo.Text = ""
        TxtQty.Text = ""
        DdlOrderId.SelectedIndex =-1
        DdlLineNo.SelectedIndex =-1
        DtgLine.SelectedIndex =-1
End Sub

Private Sub Ddl_f_OrderId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_OrderId.SelectedIndexChanged
    TxtOrderId.Text = Ddl_f_OrderId.SelectedItem.Value
End Sub

Private Sub TxtOrderId_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles TxtOrderId.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_OrderId.Items.Count - 1
        Ddl_f_OrderId.SelectedIndex = i
        If TxtOrderId.Text = Ddl_f_OrderId.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub DdlOrderId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlOrderId.SelectedIndexChanged
    Dim z_Line As New Line()
    If DdlOrderId.SelectedItem.Value <> "" Then z_Line.OrderId = DdlOrderId.SelectedItem.Value
    DdlLineNo.DataSource = ListLine(z_Line)
    z_Line = LineManager.GetLine(z_Line)
    TxtOrderId.text = z_Line.OrderId
    TxtLineNo.text = z_Line.LineNo
    TxtQty.text = z_Line.Qty
End Sub

Private Sub DdlLineNo_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlLineNo.SelectedIndexChanged
    Dim z_Line As New Line()
    If DdlOrderId.SelectedItem.Value <> "" Then z_Line.OrderId = DdlOrderId.SelectedItem.Value
    If DdlLineNo.SelectedItem.Value <> "" Then z_Line.LineNo = DdlLineNo.SelectedItem.Value
    z_Line = LineManager.GetLine(z_Line)
    TxtOrderId.text = z_Line.OrderId
    TxtLineNo.text = z_Line.LineNo
    TxtQty.text = z_Line.Qty
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Line As New Line()
    Dim z_Line As New Line()
        z_Line.OrderId = TxtOrderId.Text
        z_Line.LineNo = TxtLineNo.Text
        z_Line.Qty = TxtQty.Text
        y_Line.OrderId = TxtOrderId.Text
        y_Line.LineNo = TxtLineNo.Text
    SaveLine(z_Line, y_Line)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Line As New Line()
        z_Line.OrderId = TxtOrderId.Text
        z_Line.LineNo = TxtLineNo.Text
    DeleteLine(z_Line)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgLine_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgLine.SelectedIndexChanged
    Dim i As Integer
    Dim z_Line as new Line
    z_Line.OrderClause = "LineNo"
    z_Line= ListLine(z_Line)(DtgLine.SelectedIndex)
        TxtOrderId.Text = z_Line.OrderId
        TxtLineNo.Text = z_Line.LineNo
        TxtQty.Text = z_Line.Qty
    For i = 0 To DdlOrderId.Items.Count - 1
        DdlOrderId.SelectedIndex = i
        If TxtOrderId.Text = DdlOrderId.SelectedItem.Value Then Exit For
    Next i
    For i = 0 To DdlLineNo.Items.Count - 1
        DdlLineNo.SelectedIndex = i
        If TxtLineNo.Text = DdlLineNo.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
