#include "generators/web/edit_page_code_setup.h"

namespace generators::web
{

namespace
{

constexpr QStringView kImportsWithoutProject = uR"~(
' Add your solution name in the line below as <imports <solution>.Common.Data
Imports Common.Data
)~";

constexpr QStringView kImportsOfProject = uR"~(
Imports <project>.Common.Data
)~";

constexpr QStringView kClassHead = uR"~(
Public Class Edit_<table>
    Inherits System.Web.UI.Page
)~";

constexpr QStringView kKeyDropDown = uR"~(
    Protected WithEvents Ddl<column> As System.Web.UI.WebControls.DropDownList
)~";

constexpr QStringView kLookupDropDown = uR"~(
    Protected WithEvents Ddl_f_<column> As System.Web.UI.WebControls.DropDownList
)~";

constexpr QStringView kTextBox = uR"~(
    Protected WithEvents Txt<column> As System.Web.UI.WebControls.TextBox
)~";

constexpr QStringView kChildGrid = uR"~(
    Protected WithEvents Dtg<child> As System.Web.UI.WebControls.DataGrid
)~";

constexpr QStringView kPageSetup = uR"~(
    Protected WithEvents Ok As System.Web.UI.WebControls.Button
    Protected WithEvents Cancel As System.Web.UI.WebControls.Button
    Protected WithEvents Delete As System.Web.UI.WebControls.Button
    Protected WithEvents Dtg<table> As System.Web.UI.WebControls.DataGrid

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
    Dim z_<table> As New <table>()
)~";

constexpr QStringView kParentCriteria = uR"~(
    Dim z_<parent> As New <parent>()
)~";

constexpr QStringView kKeyBinding = uR"~(
    z_<table>.OrderClause = "<column>"
    Ddl<column>.DataSource = List<table>(z_<table>)
    Ddl<column>.DataTextField = "<column>"
    Ddl<column>.DataValueField = "<column>"
    Ddl<column>.DataBind()

)~";

constexpr QStringView kLookupBinding = uR"~(
    z_<parent>.OrderClause = "<pcolumn>"
    Ddl_f_<column>.DataSource = List<parent>(z_<parent>)
    Ddl_f_<column>.DataTextField = "<pcolumn>"
    Ddl_f_<column>.DataValueField = "<pcolumn>"
    Ddl_f_<column>.DataBind()

)~";

constexpr QStringView kGridBinding = uR"~(
    Dtg<table>.DataSource = List<table>(z_<table>)
    Dtg<table>.DataBind()
)~";

constexpr QStringView kEmptyTextBox = uR"~(
        Txt<column>.Text = ""
)~";

constexpr QStringView kNoKeySelection = uR"~(
        Ddl<column>.SelectedIndex =-1
)~";

constexpr QStringView kInitEnd = uR"~(
        Dtg<table>.SelectedIndex =-1
End Sub

)~";

Placeholders withColumn(const EditPageNames& names, const QString& column)
{
    Placeholders values = names.placeholders();
    values.append({QStringLiteral("column"), column});
    return values;
}

} // namespace

void writeCodeHead(ModuleFile& code, const EditPageNames& names)
{
    emitBlock(code, names.project.isEmpty() ? kImportsWithoutProject : kImportsOfProject,
              names.placeholders());
    emitBlock(code, kClassHead, names.placeholders());
}

void declareKeyDropDown(ModuleFile& code, const QString& column)
{
    emitBlock(code, kKeyDropDown, {{QStringLiteral("column"), column}});
}

void declareLookupDropDown(ModuleFile& code, const QString& column)
{
    emitBlock(code, kLookupDropDown, {{QStringLiteral("column"), column}});
}

void declareTextBox(ModuleFile& code, const QString& column)
{
    emitBlock(code, kTextBox, {{QStringLiteral("column"), column}});
}

void declareChildGrid(ModuleFile& code, const QString& child)
{
    emitBlock(code, kChildGrid, {{QStringLiteral("child"), child}});
}

void writePageSetup(ModuleFile& code, const EditPageNames& names, const QStringList& parentTables)
{
    emitBlock(code, kPageSetup, names.placeholders());
    for (const QString& parent : parentTables)
        emitBlock(code, kParentCriteria, {{QStringLiteral("parent"), parent}});
}

void writeKeyBinding(ModuleFile& code, const EditPageNames& names, const QString& column)
{
    emitBlock(code, kKeyBinding, withColumn(names, column));
}

void writeLookupBindings(ModuleFile& code, const EditPageLists& lists)
{
    for (const ForeignKeyEntry& entry : lists.lookupEntries()) {
        emitBlock(code, kLookupBinding,
                  {{QStringLiteral("column"), entry.column},
                   {QStringLiteral("parent"), entry.parentTable},
                   {QStringLiteral("pcolumn"), entry.parentColumn}});
    }
}

void writeInitEnd(ModuleFile& code, const EditPageNames& names, const QStringList& columns,
                  const QStringList& pkColumns)
{
    emitBlock(code, kGridBinding, names.placeholders());
    for (const QString& column : columns)
        emitBlock(code, kEmptyTextBox, {{QStringLiteral("column"), column}});
    for (const QString& column : pkColumns)
        emitBlock(code, kNoKeySelection, {{QStringLiteral("column"), column}});
    emitBlock(code, kInitEnd, names.placeholders());
}

} // namespace generators::web
