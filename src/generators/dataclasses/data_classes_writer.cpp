#include "generators/dataclasses/data_classes_writer.h"

#include "generators/common/column_discovery.h"
#include "generators/dataclasses/data_class_properties.h"
#include "generators/dataclasses/data_class_relations.h"
#include "generators/dataclasses/fk_work_list.h"
#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses
{

namespace
{

// Two of the comment lines end in one blank; <TableClass> is text of the comment.
const LineTable kModuleHead{u"data classes head", {u"ns"}, {}, uR"(
NameSpace <ns>
    'For each Table :
    '    A Class with one property for each field of the table 
    '    A WhereClause string to add a string after the build-in 'where clause' string
    '      based on equality of properties values 
    '    A 'IsDirty' Structure, to remember if each property has been set or not
    '    An OrderClause string to add a string after the SQL statement if needed
    '    A <TableClass> or an ArrayList of <TableClass> for each Foreign Key, according to the direction of the Foreign Key
)"};

// The order clause comment ends in one blank.
const LineTable kClassMembers{u"data class members",
                              {u"table", u"column", u"type", u"parent", u"child"},
                              {u"ps", u"column", u"linked", u"parent", u"child"},
                              uR"(
Public Class <table>
[ps]    Private z_rowid As String
[column]    Private z_<column> As <type>
    'Where Clause to use in place of properties 'equality test', without Where keyword
    Private z_WhereClause As String
    'Order Clause, without Order By keyword 
    Private z_OrderClause As String
[linked]    'Foreign Keys
[parent]    Private z_<parent> As <parent>
[child]    Private z_<child> As ArrayList
    Public Structure IsDirty_<table>
[ps]        Public rowid As Boolean
[column]        Public <column> As Boolean
[parent]        Public <parent> As Boolean
[child]        Public <child> As Boolean
    End Structure
    Private z_bool as IsDirty_<table>
)"};

} // namespace

void writeDataClasses(RunContext& ctx, ModuleFile& file)
{
    writeLineTable(file, kModuleHead, {{QStringLiteral("ns"), ctx.ns}});

    forEachChosenTable(ctx, [&](const QString& table) {
        const QList<platform::ado::Field> columns =
            discoverColumns(ctx, DataControlId::data3, table, /*withRowLimit=*/false);
        const Relations relations = relationsOf(ctx.fk_rows, table, /*withChildren=*/true);

        writeLineTable(file, kClassMembers, {{QStringLiteral("table"), table}},
                       {{QStringLiteral("ps"), when(ctx.in.ps)},
                        {QStringLiteral("column"), columnRows(columns)},
                        {QStringLiteral("linked"), when(relations.linked)},
                        {QStringLiteral("parent"), rowsOf(QStringLiteral("parent"), relations.parents)},
                        {QStringLiteral("child"), rowsOf(QStringLiteral("child"), relations.children)}});
        writeDataClassProperties(file, table, columns, ctx.in.ps);
        writeRelationProperties(file, ctx.fk_rows, table, relations);
        writeConstructors(file, columns);
        ctx.host.yield();
    });
}

QList<const LineTable*> dataClassLineTables()
{
    return {&kModuleHead, &kClassMembers};
}

} // namespace generators::dataclasses
