' Add your solution name in the line below as <imports <solution>.Common.Data
Imports Common.Data
Public Class Edit_Notes
    Inherits System.Web.UI.Page
    Protected WithEvents TxtBody As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtWritten As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgNotes As System.Web.UI.WebControls.DataGrid

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
    Dim z_Notes As New Notes()
    DtgNotes.DataSource = ListNotes(z_Notes)
    DtgNotes.DataBind()
        TxtBody.Text = ""
        TxtWritten.Text = ""
        DtgNotes.SelectedIndex =-1
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Notes As New Notes()
    Dim z_Notes As New Notes()
        z_Notes.Body = TxtBody.Text
        z_Notes.Written = TxtWritten.Text
    Throw New System.InvalidOperationException("Notes has no primary key")
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Notes As New Notes()
    Throw New System.InvalidOperationException("Notes has no primary key")
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgNotes_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgNotes.SelectedIndexChanged
    Dim i As Integer
    Dim z_Notes as new Notes
    z_Notes= ListNotes(z_Notes)(DtgNotes.SelectedIndex)
        TxtBody.Text = z_Notes.Body
        TxtWritten.Text = z_Notes.Written
    End Sub
End Class
