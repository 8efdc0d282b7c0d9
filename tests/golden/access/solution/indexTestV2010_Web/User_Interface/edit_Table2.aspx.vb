Imports indexTestV2010_Web.Common.Data
Public Class Edit_Table2
    Inherits System.Web.UI.Page
    Protected WithEvents Ddlid As System.Web.UI.WebControls.DropDownList
    Protected WithEvents Txtid As System.Web.UI.WebControls.TextBox
    Protected WithEvents Txtdata As System.Web.UI.WebControls.TextBox
    Protected WithEvents DtgTable1 As System.Web.UI.WebControls.DataGrid
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgTable2 As System.Web.UI.WebControls.DataGrid

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
    Dim z_Table2 As New Table2()
    z_Table2.OrderClause = "id"
    Ddlid.DataSource = ListTable2(z_Table2)
    Ddlid.DataTextField = "id"
    Ddlid.DataValueField = "id"
    Ddlid.DataBind()

    DtgTable2.DataSource = ListTable2(z_Table2)
    DtgTable2.DataBind()
        Txtid.Text = ""
        Txtdata.Text = ""
        Ddlid.SelectedIndex =-1
        DtgTable2.SelectedIndex =-1
End Sub

Private Sub Ddlid_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddlid.SelectedIndexChanged
    Dim z_Table2 As New Table2()
    If Ddlid.SelectedItem.Value <> "" Then z_Table2.id = Ddlid.SelectedItem.Value
    z_Table2 = Table2Manager.GetTable2(z_Table2)
    Txtid.text = z_Table2.id
    Txtdata.text = z_Table2.data
    DtgTable1.DataSource = z_Table2.Table1
    DtgTable1.DataBind()
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Table2 As New Table2()
    Dim z_Table2 As New Table2()
        z_Table2.id = Txtid.Text
        z_Table2.data = Txtdata.Text
        y_Table2.id = Txtid.Text
    SaveTable2(z_Table2, y_Table2)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Table2 As New Table2()
        z_Table2.id = Txtid.Text
    DeleteTable2(z_Table2)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgTable2_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgTable2.SelectedIndexChanged
    Dim i As Integer
    Dim z_Table2 as new Table2
    z_Table2.OrderClause = "id"
    z_Table2= ListTable2(z_Table2)(DtgTable2.SelectedIndex)
        Txtid.Text = z_Table2.id
        Txtdata.Text = z_Table2.data
    For i = 0 To Ddlid.Items.Count - 1
        Ddlid.SelectedIndex = i
        If Txtid.Text = Ddlid.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
