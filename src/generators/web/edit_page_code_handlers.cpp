#include "generators/web/edit_page_code_handlers.h"

namespace generators::web
{

namespace
{

const LineTable kLookupHandler{u"edit page handlers lookup handler", {u"column"}, {}, uR"~(
Private Sub Ddl_f_<column>_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl_f_<column>.SelectedIndexChanged
    Txt<column>.Text = Ddl_f_<column>.SelectedItem.Value
End Sub

)~"};

// No empty line after it: the next handler follows at once.
const LineTable kPreRenderHandler{u"edit page handlers pre render handler", {u"column"}, {}, uR"~(
Private Sub Txt<column>_PreRender(ByVal sender As Object, ByVal e As System.EventArgs) Handles Txt<column>.PreRender
    Dim i As Integer
    For i = 0 To Ddl_f_<column>.Items.Count - 1
        Ddl_f_<column>.SelectedIndex = i
        If Txt<column>.Text = Ddl_f_<column>.SelectedItem.Value Then Exit For
    Next i
End Sub
)~"};

const LineTable kKeyHandlerStart{u"edit page handlers key handler start", {u"key", u"table"}, {}, uR"~(
Private Sub Ddl<key>_SelectedIndexChanged(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ddl<key>.SelectedIndexChanged
    Dim z_<table> As New <table>()
)~"};

const LineTable kKeyCriterion{u"edit page handlers key criterion", {u"column", u"table"}, {}, uR"~(
    If Ddl<column>.SelectedItem.Value <> "" Then z_<table>.<column> = Ddl<column>.SelectedItem.Value
)~"};

const LineTable kLaterKeySource{u"edit page handlers later key source", {u"column", u"table"}, {}, uR"~(
    Ddl<column>.DataSource = List<table>(z_<table>)
)~"};

const LineTable kKeyHandlerRead{u"edit page handlers key handler read", {u"table"}, {}, uR"~(
    z_<table> = <table>Manager.Get<table>(z_<table>)
)~"};

const LineTable kRowToTextBox{u"edit page handlers row to text box", {u"column", u"table"}, {}, uR"~(
    Txt<column>.text = z_<table>.<column>
)~"};

const LineTable kChildRows{u"edit page handlers child rows", {u"child", u"table"}, {}, uR"~(
    Dtg<child>.DataSource = z_<table>.<child>
    Dtg<child>.DataBind()
)~"};

const LineTable kHandlerEnd{u"edit page handlers handler end", {}, {}, uR"~(
End Sub

)~"};

const LineTable kSaveStart{u"edit page handlers save start", {u"table"}, {}, uR"~(
    Private Sub Ok_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Ok.Click
    Dim y_<table> As New <table>()
    Dim z_<table> As New <table>()
)~"};

const LineTable kTextBoxToValue{u"edit page handlers text box to value", {u"table", u"column"}, {}, uR"~(
        z_<table>.<column> = Txt<column>.Text
)~"};

const LineTable kTextBoxToKey{u"edit page handlers text box to key", {u"table", u"column"}, {}, uR"~(
        y_<table>.<column> = Txt<column>.Text
)~"};

const LineTable kSaveCall{u"edit page handlers save call", {u"table"}, {}, uR"~(
    Save<table>(z_<table>, y_<table>)
)~"};

// Without key columns the criteria object is empty: saving would update every row of the
// table and deleting would delete them all, so the two buttons refuse instead.
const LineTable kNoKeyRefusal{u"edit page handlers no key refusal", {u"table"}, {}, uR"~(
    Throw New System.InvalidOperationException("<table> has no primary key")
)~"};

const LineTable kButtonHandlerEnd{u"edit page handlers button handler end", {}, {}, uR"~(
    initpage()
    End Sub

)~"};

const LineTable kDeleteStart{u"edit page handlers delete start", {u"table"}, {}, uR"~(
    Private Sub Delete_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Delete.Click
    Dim z_<table> As New <table>()
)~"};

const LineTable kDeleteCall{u"edit page handlers delete call", {u"table"}, {}, uR"~(
    Delete<table>(z_<table>)
)~"};

const LineTable kCancelStart{u"edit page handlers cancel start", {}, {}, uR"~(
    Private Sub Cancel_Click(ByVal sender As System.Object, ByVal e As System.EventArgs) Handles Cancel.Click
)~"};

const LineTable kSelectStart{u"edit page handlers select start", {u"table"}, {}, uR"~(
    Private Sub Dtg<table>_SelectedIndexChanged(ByVal sender As Object, ByVal e As System.EventArgs) Handles Dtg<table>.SelectedIndexChanged
    Dim i As Integer
    Dim z_<table> as new <table>
)~"};

// The row is taken by its position in the grid, so the list is read in the grid's order:
// initpage binds the grid ordered by the last key column.
const LineTable kSelectOrder{u"edit page handlers select order", {u"table", u"column"}, {}, uR"~(
    z_<table>.OrderClause = "<column>"
)~"};

const LineTable kSelectRow{u"edit page handlers select row", {u"table"}, {}, uR"~(
    z_<table>= List<table>(z_<table>)(Dtg<table>.SelectedIndex)
)~"};

const LineTable kValueToTextBox{u"edit page handlers value to text box", {u"column", u"table"}, {}, uR"~(
        Txt<column>.Text = z_<table>.<column>
)~"};

const LineTable kSelectKey{u"edit page handlers select key", {u"column"}, {}, uR"~(
    For i = 0 To Ddl<column>.Items.Count - 1
        Ddl<column>.SelectedIndex = i
        If Txt<column>.Text = Ddl<column>.SelectedItem.Value Then Exit For
    Next i
)~"};

// The grid handler's end, with no empty line, and the end of the class.
const LineTable kClassEnd{u"edit page handlers class end", {}, {}, uR"~(
    End Sub
End Class
)~"};

// Emits `block` once per name, as <column> beside <table>.
void emitPerColumn(ModuleFile& code, const LineTable& block, const EditPageNames& names,
                   const QStringList& columns)
{
    Placeholders values = names.placeholders();
    values.append({QStringLiteral("column"), QString()});
    for (const QString& column : columns) {
        values.last().second = column;
        writeLineTable(code, block, values);
    }
}

} // namespace

void writeLookupHandlers(ModuleFile& code, const EditPageLists& lists)
{
    const QList<ForeignKeyEntry> lookups = lists.lookupEntries();
    for (const ForeignKeyEntry& entry : lookups)
        writeLineTable(code, kLookupHandler, {{QStringLiteral("column"), entry.column}});
    for (const ForeignKeyEntry& entry : lookups)
        writeLineTable(code, kPreRenderHandler, {{QStringLiteral("column"), entry.column}});
}

void writeKeyHandlers(ModuleFile& code, const EditPageNames& names, const EditPageLists& lists,
                      const QStringList& columns)
{
    const QStringList& keys = lists.pkColumns;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        Placeholders values = names.placeholders();
        values.append({QStringLiteral("key"), keys.at(i)});
        writeLineTable(code, kKeyHandlerStart, values);
        emitPerColumn(code, kKeyCriterion, names, keys.mid(0, i + 1));
        emitPerColumn(code, kLaterKeySource, names, keys.mid(i + 1));
        writeLineTable(code, kKeyHandlerRead, names.placeholders());
        emitPerColumn(code, kRowToTextBox, names, columns);
        for (const ChildEntry& child : lists.children) {
            Placeholders childValues = names.placeholders();
            childValues.append({QStringLiteral("child"), child.table});
            writeLineTable(code, kChildRows, childValues);
        }
        writeLineTable(code, kHandlerEnd, {});
    }
}

void writeButtonHandlers(ModuleFile& code, const EditPageNames& names, const EditPageLists& lists,
                         const QStringList& columns)
{
    const QStringList& keys = lists.pkColumns;
    writeLineTable(code, kSaveStart, names.placeholders());
    emitPerColumn(code, kTextBoxToValue, names, columns);
    emitPerColumn(code, kTextBoxToKey, names, keys);
    writeLineTable(code, keys.isEmpty() ? kNoKeyRefusal : kSaveCall, names.placeholders());
    writeLineTable(code, kButtonHandlerEnd, {});

    writeLineTable(code, kDeleteStart, names.placeholders());
    emitPerColumn(code, kTextBoxToValue, names, keys);
    writeLineTable(code, keys.isEmpty() ? kNoKeyRefusal : kDeleteCall, names.placeholders());
    writeLineTable(code, kButtonHandlerEnd, {});

    writeLineTable(code, kCancelStart, {});
    writeLineTable(code, kButtonHandlerEnd, {});

    writeLineTable(code, kSelectStart, names.placeholders());
    if (!keys.isEmpty())
        emitPerColumn(code, kSelectOrder, names, {keys.last()});
    writeLineTable(code, kSelectRow, names.placeholders());
    emitPerColumn(code, kValueToTextBox, names, columns);
    emitPerColumn(code, kSelectKey, names, keys);
    writeLineTable(code, kClassEnd, {});
}

QList<const LineTable*> codeHandlerLineTables()
{
    return {&kLookupHandler,  &kPreRenderHandler, &kKeyHandlerStart, &kKeyCriterion, &kLaterKeySource,
            &kKeyHandlerRead, &kRowToTextBox,     &kChildRows,       &kHandlerEnd,   &kSaveStart,
            &kTextBoxToValue, &kTextBoxToKey,     &kSaveCall,        &kNoKeyRefusal, &kButtonHandlerEnd,
            &kDeleteStart,    &kDeleteCall,       &kCancelStart,     &kSelectStart,  &kSelectOrder,
            &kSelectRow,      &kValueToTextBox,   &kSelectKey,       &kClassEnd};
}

} // namespace generators::web
