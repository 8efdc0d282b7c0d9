Imports ShopWeb.Common.Data
Public Class Edit_Product
    Inherits System.Web.UI.Page
    Protected WithEvents DdlProdId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtProdId As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtLabel As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_MainCat As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtMainCat As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_Maker As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtMaker As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_SubCat As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtSubCat As System.Web.UI.WebControls.TextBox
    Protected WithEvents DtgReview As System.Web.UI.WebControls.DataGrid
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgProduct As System.Web.UI.WebControls.DataGrid

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
    Dim z_Product As New Product()
    Dim z_Category As New Category()
    Dim z_Supplier As New Supplier()
    z_Product.OrderClause = "ProdId"
    DdlProdId.DataSource = ListProduct(z_Product)
    DdlProdId.DataTextField = "ProdId"
    DdlProdId.DataValueField = "ProdId"
    DdlProdId.DataBind()

    z_Category.OrderClause = "CatId"
    Ddl_f_SubCat.DataSource = ListCategory(z_Category)
    Ddl_f_SubCat.DataTextField = "CatId"
    Ddl_f_SubCat.DataValueField = "CatId"
    Ddl_f_SubCat.DataBind()

    z_Supplier.OrderClause = "SupId"
    Ddl_f_Maker.DataSource = ListSupplier(z_Supplier)
    Ddl_f_Maker.DataTextField = "SupId"
    Ddl_f_Maker.DataValueField = "SupId"
    Ddl_f_Maker.DataBind()

    z_Category.OrderClause = "CatId"
    Ddl_f_MainCat.DataSource = ListCategory(z_Category)
    Ddl_f_MainCat.DataTextField = "CatId"
    Ddl_f_MainCat.DataValueField = "CatId"
    Ddl_f_MainCat.DataBind()

    DtgProduct.DataSource = ListProduct(z_Product)
    DtgProduct.DataBind()
        TxtProdId.Text = ""
        TxtLabel.Text = ""
        TxtMainCat.Text = ""
        TxtMaker.Text = ""
        TxtSubCat.Text = ""
        DdlProdId.SelectedIndex =-1
        DtgProduct.SelectedIndex =-1
End Sub

Private Sub Ddl_f_SubCat_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_SubCat.SelectedIndexChanged
    TxtSubCat.Text = Ddl_f_SubCat.SelectedItem.Value
End Sub

Private Sub Ddl_f_Maker_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_Maker.SelectedIndexChanged
    TxtMaker.Text = Ddl_f_Maker.SelectedItem.Value
End Sub

Private Sub Ddl_f_MainCat_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_MainCat.SelectedIndexChanged
    TxtMainCat.Text = Ddl_f_MainCat.SelectedItem.Value
End Sub

Private Sub TxtSubCat_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles TxtSubCat.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_SubCat.Items.Count - 1
        Ddl_f_SubCat.SelectedIndex = i
        If TxtSubCat.Text = Ddl_f_SubCat.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub TxtMaker_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles TxtMaker.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_Maker.Items.Count - 1
        Ddl_f_Maker.SelectedIndex = i
        If TxtMaker.Text = Ddl_f_Maker.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub TxtMainCat_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles TxtMainCat.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_MainCat.Items.Count - 1
        Ddl_f_MainCat.SelectedIndex = i
        If TxtMainCat.Text = Ddl_f_MainCat.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub DdlProdId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlProdId.SelectedIndexChanged
    Dim z_Product As New Product()
    If DdlProdId.SelectedItem.Value <> "" Then z_Product.ProdId = DdlProdId.SelectedItem.Value
    z_Product = ProductManager.GetProduct(z_Product)
    TxtProdId.text = z_Product.ProdId
    TxtLabel.text = z_Product.Label
    TxtMainCat.text = z_Product.MainCat
    TxtMaker.text = z_Product.Maker
    TxtSubCat.text = z_Product.SubCat
    DtgReview.DataSource = z_Product.Review
    DtgReview.DataBind()
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Product As New Product()
    Dim z_Product As New Product()
        z_Product.ProdId = TxtProdId.Text
        z_Product.Label = TxtLabel.Text
        z_Product.MainCat = TxtMainCat.Text
        z_Product.Maker = TxtMaker.Text
        z_Product.SubCat = TxtSubCat.Text
        y_Product.ProdId = TxtProdId.Text
    SaveProduct(z_Product, y_Product)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Product As New Product()
        z_Product.ProdId = TxtProdId.Text
    DeleteProduct(z_Product)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgProduct_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgProduct.SelectedIndexChanged
    Dim i As Integer
    Dim z_Product as new Product
    z_Product.OrderClause = "ProdId"
    z_Product= ListProduct(z_Product)(DtgProduct.SelectedIndex)
        TxtProdId.Text = z_Product.ProdId
        TxtLabel.Text = z_Product.Label
        TxtMainCat.Text = z_Product.MainCat
        TxtMaker.Text = z_Product.Maker
        TxtSubCat.Text = z_Product.SubCat
    For i = 0 To DdlProdId.Items.Count - 1
        DdlProdId.SelectedIndex = i
        If TxtProdId.Text = DdlProdId.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
