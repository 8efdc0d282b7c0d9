Imports ShopWeb.Common.Data
Public Class Edit_Employee
    Inherits System.Web.UI.Page
    Protected WithEvents DdlEmpId As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtEmpId As System.Web.UI.WebControls.TextBox
    Protected WithEvents TxtName As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ddl_f_Boss As System.Web.UI.WebControls.DropDownList
    Protected WithEvents TxtBoss As System.Web.UI.WebControls.TextBox
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents DtgEmployee As System.Web.UI.WebControls.DataGrid

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
    Dim z_Employee As New Employee()
    z_Employee.OrderClause = "EmpId"
    DdlEmpId.DataSource = ListEmployee(z_Employee)
    DdlEmpId.DataTextField = "EmpId"
    DdlEmpId.DataValueField = "EmpId"
    DdlEmpId.DataBind()

    z_Employee.OrderClause = "EmpId"
    Ddl_f_Boss.DataSource = ListEmployee(z_Employee)
    Ddl_f_Boss.DataTextField = "EmpId"
    Ddl_f_Boss.DataValueField = "EmpId"
    Ddl_f_Boss.DataBind()

    DtgEmployee.DataSource = ListEmployee(z_Employee)
    DtgEmployee.DataBind()
        TxtEmpId.Text = ""
        TxtName.Text = ""
        TxtBoss.Text = ""
        DdlEmpId.SelectedIndex =-1
        DtgEmployee.SelectedIndex =-1
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
Private Sub DdlEmpId_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles DdlEmpId.SelectedIndexChanged
    Dim z_Employee As New Employee()
    If DdlEmpId.SelectedItem.Value <> "" Then z_Employee.EmpId = DdlEmpId.SelectedItem.Value
    z_Employee = EmployeeManager.GetEmployee(z_Employee)
    TxtEmpId.text = z_Employee.EmpId
    TxtName.text = z_Employee.Name
    TxtBoss.text = z_Employee.Boss
End Sub

    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_Employee As New Employee()
    Dim z_Employee As New Employee()
        z_Employee.EmpId = TxtEmpId.Text
        z_Employee.Name = TxtName.Text
        z_Employee.Boss = TxtBoss.Text
        y_Employee.EmpId = TxtEmpId.Text
    SaveEmployee(z_Employee, y_Employee)
    initpage()
    End Sub

    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_Employee As New Employee()
        z_Employee.EmpId = TxtEmpId.Text
    DeleteEmployee(z_Employee)
    initpage()
    End Sub

    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
    initpage()
    End Sub

    Private Sub DtgEmployee_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles DtgEmployee.SelectedIndexChanged
    Dim i As Integer
    Dim z_Employee as new Employee
    z_Employee.OrderClause = "EmpId"
    z_Employee= ListEmployee(z_Employee)(DtgEmployee.SelectedIndex)
        TxtEmpId.Text = z_Employee.EmpId
        TxtName.Text = z_Employee.Name
        TxtBoss.Text = z_Employee.Boss
    For i = 0 To DdlEmpId.Items.Count - 1
        DdlEmpId.SelectedIndex = i
        If TxtEmpId.Text = DdlEmpId.SelectedItem.Value Then Exit For
    Next i
    End Sub
End Class
