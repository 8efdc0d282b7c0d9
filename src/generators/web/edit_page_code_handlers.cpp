#include "generators/web/edit_page_code_handlers.h"

namespace generators::web
{

namespace
{

constexpr QStringView kLookupHandler = uR"~(
Private Sub Ddl_f_<column>_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_<column>.SelectedIndexChanged
    Txt<column>.Text = Ddl_f_<column>.SelectedItem.Value
End Sub

)~";

// No empty line after it: the next handler follows at once.
constexpr QStringView kPreRenderHandler = uR"~(
Private Sub Txt<column>_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles Txt<column>.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_<column>.Items.Count - 1
        Ddl_f_<column>.SelectedIndex = i
        If Txt<column>.Text = Ddl_f_<column>.SelectedItem.Value Then Exit For
    Next i
End Sub
)~";

constexpr QStringView kKeyHandlerStart = uR"~(
Private Sub Ddl<key>_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl<key>.SelectedIndexChanged
    Dim z_<table> As New <table>()
)~";

constexpr QStringView kKeyCriterion = uR"~(
    If Ddl<column>.SelectedItem.Value <> "" Then z_<table>.<column> = Ddl<column>.SelectedItem.Value
)~";

constexpr QStringView kLaterKeySource = uR"~(
    Ddl<column>.DataSource = List<table>(z_<table>)
)~";

constexpr QStringView kKeyHandlerRead = uR"~(
    z_<table> = <table>Manager.Get<table>(z_<table>)
)~";

constexpr QStringView kRowToTextBox = uR"~(
    Txt<column>.text = z_<table>.<column>
)~";

constexpr QStringView kChildRows = uR"~(
    Dtg<child>.DataSource = z_<table>.<child>
    Dtg<child>.DataBind()
)~";

constexpr QStringView kHandlerEnd = uR"~(
End Sub

)~";

constexpr QStringView kSaveStart = uR"~(
    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_<table> As New <table>()
    Dim z_<table> As New <table>()
)~";

constexpr QStringView kTextBoxToValue = uR"~(
        z_<table>.<column> = Txt<column>.Text
)~";

constexpr QStringView kTextBoxToKey = uR"~(
        y_<table>.<column> = Txt<column>.Text
)~";

constexpr QStringView kSaveCall = uR"~(
    Save<table>(z_<table>, y_<table>)
)~";

// Without key columns the criteria object is empty: saving would update every row of the
// table and deleting would delete them all, so the two buttons refuse instead.
constexpr QStringView kNoKeyRefusal = uR"~(
    Throw New System.InvalidOperationException("<table> has no primary key")
)~";

constexpr QStringView kButtonHandlerEnd = uR"~(
    initpage()
    End Sub

)~";

constexpr QStringView kDeleteStart = uR"~(
    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_<table> As New <table>()
)~";

constexpr QStringView kDeleteCall = uR"~(
    Delete<table>(z_<table>)
)~";

constexpr QStringView kCancelStart = uR"~(
    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
)~";

constexpr QStringView kSelectStart = uR"~(
    Private Sub Dtg<table>_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles Dtg<table>.SelectedIndexChanged
    Dim i As Integer
    Dim z_<table> as new <table>
)~";

// The row is taken by its position in the grid, so the list is read in the grid's order:
// initpage binds the grid ordered by the last key column.
constexpr QStringView kSelectOrder = uR"~(
    z_<table>.OrderClause = "<column>"
)~";

constexpr QStringView kSelectRow = uR"~(
    z_<table>= List<table>(z_<table>)(Dtg<table>.SelectedIndex)
)~";

constexpr QStringView kValueToTextBox = uR"~(
        Txt<column>.Text = z_<table>.<column>
)~";

constexpr QStringView kSelectKey = uR"~(
    For i = 0 To Ddl<column>.Items.Count - 1
        Ddl<column>.SelectedIndex = i
        If Txt<column>.Text = Ddl<column>.SelectedItem.Value Then Exit For
    Next i
)~";

// The grid handler's end, with no empty line, and the end of the class.
constexpr QStringView kClassEnd = uR"~(
    End Sub
End Class
)~";

// Emits `block` once per name, as <column> beside <table>.
void emitPerColumn(ModuleFile& code, QStringView block, const EditPageNames& names,
                   const QStringList& columns)
{
    Placeholders values = names.placeholders();
    values.append({QStringLiteral("column"), QString()});
    for (const QString& column : columns) {
        values.last().second = column;
        emitBlock(code, block, values);
    }
}

} // namespace

void writeLookupHandlers(ModuleFile& code, const EditPageLists& lists)
{
    const QList<ForeignKeyEntry> lookups = lists.lookupEntries();
    for (const ForeignKeyEntry& entry : lookups)
        emitBlock(code, kLookupHandler, {{QStringLiteral("column"), entry.column}});
    for (const ForeignKeyEntry& entry : lookups)
        emitBlock(code, kPreRenderHandler, {{QStringLiteral("column"), entry.column}});
}

void writeKeyHandlers(ModuleFile& code, const EditPageNames& names, const EditPageLists& lists,
                      const QStringList& columns)
{
    const QStringList& keys = lists.pkColumns;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        Placeholders values = names.placeholders();
        values.append({QStringLiteral("key"), keys.at(i)});
        emitBlock(code, kKeyHandlerStart, values);
        emitPerColumn(code, kKeyCriterion, names, keys.mid(0, i + 1));
        emitPerColumn(code, kLaterKeySource, names, keys.mid(i + 1));
        emitBlock(code, kKeyHandlerRead, names.placeholders());
        emitPerColumn(code, kRowToTextBox, names, columns);
        for (const ChildEntry& child : lists.children) {
            Placeholders childValues = names.placeholders();
            childValues.append({QStringLiteral("child"), child.table});
            emitBlock(code, kChildRows, childValues);
        }
        emitBlock(code, kHandlerEnd, {});
    }
}

void writeButtonHandlers(ModuleFile& code, const EditPageNames& names, const EditPageLists& lists,
                         const QStringList& columns)
{
    const QStringList& keys = lists.pkColumns;
    emitBlock(code, kSaveStart, names.placeholders());
    emitPerColumn(code, kTextBoxToValue, names, columns);
    emitPerColumn(code, kTextBoxToKey, names, keys);
    emitBlock(code, keys.isEmpty() ? kNoKeyRefusal : kSaveCall, names.placeholders());
    emitBlock(code, kButtonHandlerEnd, {});

    emitBlock(code, kDeleteStart, names.placeholders());
    emitPerColumn(code, kTextBoxToValue, names, keys);
    emitBlock(code, keys.isEmpty() ? kNoKeyRefusal : kDeleteCall, names.placeholders());
    emitBlock(code, kButtonHandlerEnd, {});

    emitBlock(code, kCancelStart, {});
    emitBlock(code, kButtonHandlerEnd, {});

    emitBlock(code, kSelectStart, names.placeholders());
    if (!keys.isEmpty())
        emitPerColumn(code, kSelectOrder, names, {keys.last()});
    emitBlock(code, kSelectRow, names.placeholders());
    emitPerColumn(code, kValueToTextBox, names, columns);
    emitPerColumn(code, kSelectKey, names, keys);
    emitBlock(code, kClassEnd, {});
}

} // namespace generators::web
