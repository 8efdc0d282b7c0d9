#include "generators/web/edit_page_code_setup.h"

namespace generators::web
{

namespace
{

// The comment's angle brackets are its own text.
const LineTable kImportsWithoutProject{u"edit page setup imports without project", {}, {}, uR"~(
' Add your solution name in the line below as <imports <lt>solution>.Common.Data
Imports Common.Data
)~"};

const LineTable kImportsOfProject{u"edit page setup imports of project", {u"project"}, {}, uR"~(
Imports <project>.Common.Data
)~"};

const LineTable kClassHead{u"edit page setup class head", {u"table"}, {}, uR"~(
Public Class Edit_<table>
    Inherits System.Web.UI.Page
)~"};

// <control> the control's name, <class> its web control class.
const LineTable kControlDeclaration{u"edit page setup control declaration", {u"control", u"class"}, {}, uR"~(
    Protected WithEvents <control> As System.Web.UI.WebControls.<class>
)~"};

const LineTable kPageSetup{u"edit page setup page setup", {u"table"}, {}, uR"~(
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
)~"};

const LineTable kParentCriteria{u"edit page setup parent criteria", {u"parent"}, {}, uR"~(
    Dim z_<parent> As New <parent>()
)~"};

// The drop-down <control> lists the rows of <source> ordered by <field>, which gives
// both its texts and its values.
const LineTable kDropDownBinding{
    u"edit page setup drop down binding", {u"control", u"source", u"field"}, {}, uR"~(
    z_<source>.OrderClause = "<field>"
    <control>.DataSource = List<source>(z_<source>)
    <control>.DataTextField = "<field>"
    <control>.DataValueField = "<field>"
    <control>.DataBind()

)~"};

const LineTable kGridBinding{u"edit page setup grid binding", {u"table"}, {}, uR"~(
    Dtg<table>.DataSource = List<table>(z_<table>)
    Dtg<table>.DataBind()
)~"};

const LineTable kEmptyTextBox{u"edit page setup empty text box", {u"column"}, {}, uR"~(
        Txt<column>.Text = ""
)~"};

const LineTable kNoKeySelection{u"edit page setup no key selection", {u"column"}, {}, uR"~(
        Ddl<column>.SelectedIndex =-1
)~"};

const LineTable kInitEnd{u"edit page setup init end", {u"table"}, {}, uR"~(
        Dtg<table>.SelectedIndex =-1
End Sub

)~"};

struct ControlKind {
    const char* prefix; // of the control's name, before its column or table
    const char* webClass;
};

const ControlKind& kindOf(DeclaredControl control)
{
    static constexpr ControlKind kinds[] = {
        {"Ddl", "DropDownList"},    // DeclaredControl::KeyDropDown
        {"Ddl_f_", "DropDownList"}, // DeclaredControl::LookupDropDown
        {"Txt", "TextBox"},         // DeclaredControl::TextBox
        {"Dtg", "DataGrid"},        // DeclaredControl::ChildGrid
    };
    return kinds[int(control)];
}

QString controlName(DeclaredControl control, const QString& name)
{
    return QString::fromLatin1(kindOf(control).prefix) + name;
}

void writeDropDownBinding(ModuleFile& code, const QString& control, const QString& source,
                          const QString& field)
{
    writeLineTable(code, kDropDownBinding,
                   {{QStringLiteral("control"), control},
                    {QStringLiteral("source"), source},
                    {QStringLiteral("field"), field}});
}

} // namespace

void writeCodeHead(ModuleFile& code, const EditPageNames& names)
{
    writeLineTable(code, names.project.isEmpty() ? kImportsWithoutProject : kImportsOfProject,
                   names.placeholders());
    writeLineTable(code, kClassHead, names.placeholders());
}

void declareControl(ModuleFile& code, DeclaredControl control, const QString& name)
{
    writeLineTable(code, kControlDeclaration,
                   {{QStringLiteral("control"), controlName(control, name)},
                    {QStringLiteral("class"), QString::fromLatin1(kindOf(control).webClass)}});
}

void writePageSetup(ModuleFile& code, const EditPageNames& names, const QStringList& parentTables)
{
    writeLineTable(code, kPageSetup, names.placeholders());
    for (const QString& parent : parentTables)
        writeLineTable(code, kParentCriteria, {{QStringLiteral("parent"), parent}});
}

void writeKeyBinding(ModuleFile& code, const EditPageNames& names, const QString& column)
{
    writeDropDownBinding(code, controlName(DeclaredControl::KeyDropDown, column), names.table, column);
}

void writeLookupBindings(ModuleFile& code, const EditPageLists& lists)
{
    for (const ForeignKeyEntry& entry : lists.lookupEntries()) {
        writeDropDownBinding(code, controlName(DeclaredControl::LookupDropDown, entry.column),
                             entry.parentTable, entry.parentColumn);
    }
}

void writeInitEnd(ModuleFile& code, const EditPageNames& names, const QStringList& columns,
                  const QStringList& pkColumns)
{
    writeLineTable(code, kGridBinding, names.placeholders());
    for (const QString& column : columns)
        writeLineTable(code, kEmptyTextBox, {{QStringLiteral("column"), column}});
    for (const QString& column : pkColumns)
        writeLineTable(code, kNoKeySelection, {{QStringLiteral("column"), column}});
    writeLineTable(code, kInitEnd, names.placeholders());
}

QList<const LineTable*> codeSetupLineTables()
{
    return {&kImportsWithoutProject, &kImportsOfProject, &kClassHead,
            &kControlDeclaration,    &kPageSetup,        &kParentCriteria,
            &kDropDownBinding,       &kGridBinding,      &kEmptyTextBox,
            &kNoKeySelection,        &kInitEnd};
}

} // namespace generators::web
