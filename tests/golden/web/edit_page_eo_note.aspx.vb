Imports ShopWeb.Common.Data
Public Class Edit_Note
    Inherits System.Web.UI.Page
    Protected WithEvents TxtBody As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtWritten As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtRef As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgNote As System.Web.UI.WebControls.DataGrid

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
    Dim z_Note As New Note()
    DtgNote.DataSource = ListNote(z_Note)
    DtgNote.DataBind()
        TxtBody.Text = ""
        TxtWritten.Text = ""
        TxtRef.Text = ""
        DtgNote.SelectedIndex =-1
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Note As New Note()
    Dim z_Note As New Note()
        z_Note.Body = TxtBody.Text
        z_Note.Written = TxtWritten.Text
        z_Note.Ref = TxtRef.Text
    Throw New System.InvalidOperationException("Note has no primary key")
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Note As New Note()
    Throw New System.InvalidOperationException("Note has no primary key")
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgNote_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgNote.SelectedIndexChanged
    Dim i As Integer
    Dim z_Note as new Note
    z_Note= ListNote(z_Note)(DtgNote.SelectedIndex)
        TxtBody.Text = z_Note.Body
        TxtWritten.Text = z_Note.Written
        TxtRef.Text = z_Note.Ref
    End Sub
End Class
