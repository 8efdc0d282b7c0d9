Imports ShopWeb.Common.Data
Public Class Edit_Review
    Inherits System.Web.UI.Page
    Protected WithEvents DdlRevId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtRevId As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_Prod As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtProd As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtStars As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgReview As System.Web.UI.WebControls.DataGrid

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
    Dim z_Review As New Review()
    Dim z_Product As New Product()
    z_Review.OrderClause = "RevId"
    DdlRevId.DataSource = ListReview(z_Review)
    DdlRevId.DataTextField = "RevId"
    DdlRevId.DataValueField = "RevId"
    DdlRevId.DataBind()

    z_Product.OrderClause = "ProdId"
    Ddl_f_Prod.DataSource = ListProduct(z_Product)
    Ddl_f_Prod.DataTextField = "ProdId"
    Ddl_f_Prod.DataValueField = "ProdId"
    Ddl_f_Prod.DataBind()

    DtgReview.DataSource = ListReview(z_Review)
    DtgReview.DataBind()
        TxtRevId.Text = ""
        TxtProd.Text = ""
        TxtStars.Text = ""
        DdlRevId.SelectedIndex =-1
        DtgReview.SelectedIndex =-1
End Sub

Private Sub Ddl_f_Prod_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_Prod.SelectedIndexChanged
    TxtProd.Text = Ddl_f_Prod.SelectedItem.Value
End Sub

Private Sub TxtProd_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles TxtProd.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_Prod.Items.Count - 1
        Ddl_f_Prod.SelectedIndex = i
        If TxtProd.Text = Ddl_f_Prod.SelectedItem.Value Then Exit For
    Next i
End Sub
Private Sub DdlRevId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlRevId.SelectedIndexChanged
    Dim z_Review As New Review()
    If DdlRevId.SelectedItem.Value <> "" Then z_Review.RevId = DdlRevId.SelectedItem.Value
    z_Review = ReviewManager.GetReview(z_Review)
    TxtRevId.text = z_Review.RevId
    TxtProd.text = z_Review.Prod
    TxtStars.text = z_Review.Stars
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Review As New Review()
    Dim z_Review As New Review()
        z_Review.RevId = TxtRevId.Text
        z_Review.Prod = TxtProd.Text
        z_Review.Stars = TxtStars.Text
        y_Review.RevId = TxtRevId.Text
    SaveReview(z_Review, y_Review)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Review As New Review()
        z_Review.RevId = TxtRevId.Text
    DeleteReview(z_Review)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgReview_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgReview.SelectedIndexChanged
    Dim i As Integer
    Dim z_Review as new Review
    z_Review.OrderClause = "RevId"
    z_Review= ListReview(z_Review)(DtgReview.SelectedIndex)
        TxtRevId.Text = z_Review.RevId
        TxtProd.Text = z_Review.Prod
        TxtStars.Text = z_Review.Stars
    For i = 0 To DdlRevId.Items.Count - 1
        DdlRevId.SelectedIndex = i
        If TxtRevId.Text = DdlRevId.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
