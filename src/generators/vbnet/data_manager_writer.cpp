#include "generators/vbnet/data_manager_writer.h"

#include "generators/common/dal_reader.h"
#include "generators/common/line_table.h"
#include "generators/common/primary_key_read.h"
#include "generators/vbnet/column_names.h"

namespace generators::vbnet
{

namespace
{

// Tags: [ps] lines are written in stored-procedure mode only, [!ps] lines outside it;
// [key] once per primary-key column; [keyed] / [!keyed] depend on whether the table's
// primary key was found.

const LineTable kHead{u"data manager head", {u"namespace"}, {}, uR"(
NameSpace <namespace>
    'For each Table :
    '    Function Get<Table>(<TableClass1>) as <TableClass2>
    '        <TableClass1> contains fields to build where clause in select statement
    '        <TableClass2> returns selected row
    '    Sub Save<Table>(<TableClass1, TableClass2>)
    '        <TableClass1> contains fields to update or insert
    '        <TableClass2> contains fields to build where clause in update statement, not used for insert
    '    Sub Save<Table>(<TableClass>)
    '        <TableClass> contains fields to update or insert
    '        The where clause is built with primary key fields of <TableClass>
    '    Sub Delete<Table>(<TableClass>)
    '        <TableClass> contains fields to build where clause in delete statement
    '    Function List<Table>(<TableClass>) as ArrayList
    '        <TableClass> contains fields to build where clause in select statement
    '        ArrayList returns selected rows as an array of <TableClass>
)"};

const LineTable kModuleOpen{u"data manager module open", {u"table"}, {}, uR"(
Public Module <table>Manager
)"};

const LineTable kModuleClose{u"data manager module close", {}, {}, uR"(
End Module

)"};

const LineTable kGet{u"data manager get", {u"table", u"column"}, {u"ps", u"column"}, uR"(
    Public Function Get<table>(ByVal z_<table> as <table>) As <table>
        dim y_<table> as New <table>()
        Dim rdr As IDataReader
        Try
            rdr = DAL.Get<table>Reader(z_<table>)
            If rdr.Read() then
[ps]                y_<table>.rowid=rdr("rowid")
[column]                If Not IsDBNull(rdr("<column>")) Then y_<table>.<column>=rdr("<column>")
            Else
                'Throw New ApplicationException("No record found")
            End If
)"};

const LineTable kGetReturn{u"data manager get return", {u"table"}, {}, uR"(
        Return y_<table>
    End Function

)"};

const LineTable kSave{u"data manager save", {u"table"}, {u"ps"}, uR"(
[!ps]    Public Sub Save<table>(ByVal update_<table> as <table>, ByVal where_<table> as <table>)
[ps]    Public Sub Save<table>(ByVal update_<table> as <table>)
[ps]        dim y_<table> as New <table>()
[ps]        y_<table>.rowid = update_<table>.rowid
        Dim rdr As IDataReader
        Try
[!ps]            rdr = DAL.Get<table>Reader(where_<table>)
[ps]            rdr = DAL.Get<table>Reader(y_<table>)
            If rdr.Read() Then
[!ps]                DAL.Update<table>(update_<table>, where_<table>)
[ps]                DAL.Update<table>(update_<table>)
                else
                DAL.Insert<table>(update_<table>)
            End If
)"};

const LineTable kSaveEnd{u"data manager save end", {}, {}, uR"(
    End Sub

)"};

// Without a primary key the overload refuses instead of saving with an empty criteria
// object, which would update every row.
const LineTable kSaveByKey{u"data manager save by key", {u"table", u"column"}, {u"key", u"keyed"}, uR"(
    Public Sub Save<table>(ByVal update_<table> as <table>)
        Dim y_<table> as <table>
        y_<table> = New <table>
[key]        y_<table>.<column> = update_<table>.<column>
[keyed]        Save<table> (update_<table>, y_<table>)
[!keyed]        Throw New System.InvalidOperationException("<table> has no primary key")
    End Sub

)"};

const LineTable kDelete{u"data manager delete", {u"table"}, {}, uR"(
    Public Sub Delete<table>(ByVal z_<table> as <table>)
        DAL.Del<table> (z_<table>)
    End Sub

)"};

const LineTable kList{u"data manager list", {u"table", u"column"}, {u"ps", u"column"}, uR"(
    Public Function List<table>(ByVal z_<table> as <table>) As ArrayList
        dim liste as New ArrayList()
        Dim rdr As IDataReader
        dim y_<table> as <table>
        Try
            rdr = DAL.Get<table>Reader(z_<table>)
            While (rdr.Read())
                y_<table> = New <table>()
[ps]                y_<table>.rowid=rdr("rowid")
[column]                If Not IsDBNull(rdr("<column>")) Then y_<table>.<column>=rdr("<column>")
                liste.Add (y_<table>)
            End While
)"};

const LineTable kListReturn{u"data manager list return", {}, {}, uR"(
        Return liste
    End Function

)"};

void writeTableModule(RunContext& ctx, ModuleFile& file, const QString& table)
{
    const Placeholders values{{QStringLiteral("table"), table}};
    const bool ps = ctx.in.ps;
    const auto columns = [&](bool withRowLimit) {
        return [&ctx, &table, withRowLimit] {
            return rowsOf(QStringLiteral("column"), discoverColumnNames(ctx, table, withRowLimit));
        };
    };

    writeLineTable(file, kModuleOpen, values);
    writeReaderUse(
        file, kGet, kGetReturn, values,
        RowSets{{QStringLiteral("ps"), when(ps)}}.addFetched(QStringLiteral("column"), columns(true)));
    writeReaderUse(file, kSave, kSaveEnd, values, {{QStringLiteral("ps"), when(ps)}});
    if (!ps) {
        std::optional<QStringList> key;
        const auto keyColumns = [&]() -> const QStringList& {
            if (!key)
                key = readPrimaryKey(ctx, table, ctx.in.schema_filter);
            return *key;
        };
        writeLineTable(
            file, kSaveByKey, values,
            RowSets()
                .addFetched(QStringLiteral("key"),
                            [&] { return rowsOf(QStringLiteral("column"), keyColumns()); })
                .addFetched(QStringLiteral("keyed"), [&] { return when(!keyColumns().isEmpty()); }));
    }
    writeLineTable(file, kDelete, values);
    writeReaderUse(
        file, kList, kListReturn, values,
        RowSets{{QStringLiteral("ps"), when(ps)}}.addFetched(QStringLiteral("column"), columns(false)));
    writeLineTable(file, kModuleClose, values);
}

} // namespace

void writeDataManagerModule(RunContext& ctx)
{
    ModuleFile file(ctx, kPreviewDataManager);
    file.openModule(platform::OpenMode::Output);
    writeLineTable(file, kHead, {{QStringLiteral("namespace"), ctx.ns}});
    forEachChosenTable(ctx, [&](const QString& table) { writeTableModule(ctx, file, table); });
    file.close();
}

QList<const LineTable*> dataManagerLineTables()
{
    return {&kHead,    &kModuleOpen, &kModuleClose, &kGet,  &kGetReturn, &kSave,
            &kSaveEnd, &kSaveByKey,  &kDelete,      &kList, &kListReturn};
}

} // namespace generators::vbnet
