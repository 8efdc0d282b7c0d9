Imports ShopWeb.Common.Data
Public Class Edit_Category
    Inherits System.Web.UI.Page
    Protected WithEvents DdlCatId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtCatId As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtLabel As System.Web.UI.WebControls.TextBox
    Protected WithEvents DtgProduct As System.Web.UI.WebControls.DataGrid
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgCategory As System.Web.UI.WebControls.DataGrid

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
    Dim z_Category As New Category()
    z_Category.OrderClause = "CatId"
    DdlCatId.DataSource = ListCategory(z_Category)
    DdlCatId.DataTextField = "CatId"
    DdlCatId.DataValueField = "CatId"
    DdlCatId.DataBind()

    DtgCategory.DataSource = ListCategory(z_Category)
    DtgCategory.DataBind()
        TxtCatId.Text = ""
        TxtLabel.Text = ""
        DdlCatId.SelectedIndex =-1
        DtgCategory.SelectedIndex =-1
End Sub

Private Sub DdlCatId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlCatId.SelectedIndexChanged
    Dim z_Category As New Category()
    If DdlCatId.SelectedItem.Value <> "" Then z_Category.CatId = DdlCatId.SelectedItem.Value
    z_Category = CategoryManager.GetCategory(z_Category)
    TxtCatId.text = z_Category.CatId
    TxtLabel.text = z_Category.Label
    DtgProduct.DataSource = z_Category.Product
    DtgProduct.DataBind()
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Category As New Category()
    Dim z_Category As New Category()
        z_Category.CatId = TxtCatId.Text
        z_Category.Label = TxtLabel.Text
        y_Category.CatId = TxtCatId.Text
    SaveCategory(z_Category, y_Category)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Category As New Category()
        z_Category.CatId = TxtCatId.Text
    DeleteCategory(z_Category)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgCategory_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgCategory.SelectedIndexChanged
    Dim i As Integer
    Dim z_Category as new Category
    z_Category.OrderClause = "CatId"
    z_Category= ListCategory(z_Category)(DtgCategory.SelectedIndex)
        TxtCatId.Text = z_Category.CatId
        TxtLabel.Text = z_Category.Label
    For i = 0 To DdlCatId.Items.Count - 1
        DdlCatId.SelectedIndex = i
        If TxtCatId.Text = DdlCatId.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
