#include "generators/dataclasses/join_classes_writer.h"

#include "generators/common/column_discovery.h"
#include "generators/dataclasses/fk_work_list.h"
#include "generators/dataclasses/join_section_head.h"
#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses {

namespace {

const LineTable kJoinClass{u"join class", {u"child", u"parent", u"column", u"type"}, {u"child column", u"parent column"}, uR"(
Public Class <child>_<parent>
[child column]    Private z_<child>_<column> As <type>
[parent column]    Private z_<parent>_<column> As <type>
    Public Structure IsDirty_<child>_<parent>
[child column]        Public <child>_<column> As Boolean
[parent column]        Public <parent>_<column> As Boolean
    End Structure
    Private z_bool as IsDirty_<child>_<parent>
)"};

// Written once per column; <owner> is the child for the child's columns and the parent
// for the parent's.
const LineTable kJoinProperty{u"join property", {u"owner", u"column", u"type"}, {}, uR"(
    Public Property <owner>_<column>() As <type>
        Get
            Return z_<owner>_<column>
        End Get
        Set(ByVal Value As <type>)
            z_bool.<owner>_<column> = True
            z_<owner>_<column> = Value
        End Set
    End Property
)"};

const LineTable kJoinClassEnd{u"join class end", {u"child", u"parent"}, {}, uR"(
    Public ReadOnly Property IsDirty() As IsDirty_<child>_<parent>
        Get
            Return z_bool
        End Get
    End Property
End Class
)"};

void writeJoinProperties(ModuleFile& file, const QString& owner, const QList<platform::ado::Field>& columns)
{
    for (Placeholders column : columnRows(columns)) {
        column.append({QStringLiteral("owner"), owner});
        writeLineTable(file, kJoinProperty, column);
    }
}

} // namespace

void writeJoinClasses(RunContext& ctx, ModuleFile& file)
{
    const int last = qMin(ctx.nbmax, int(ctx.in.tdn1.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        stepProgress(ctx.host);
        ctx.host.yield();
        const QString child = ctx.in.tdn1.at(i);
        const Relations relations = relationsOf(ctx.fk_rows, child, /*withChildren=*/false);
        if (relations.linked)
            writeLineTable(file, kJoinSectionHead, {});
        for (const QString& parent : relations.parents) {
            const auto childColumns = discoverColumns(ctx, DataControlId::data3, child, /*withRowLimit=*/false);
            const auto parentColumns = discoverColumns(ctx, DataControlId::data4, parent, /*withRowLimit=*/false);
            const Placeholders names{{QStringLiteral("child"), child}, {QStringLiteral("parent"), parent}};
            writeLineTable(file, kJoinClass, names,
                           {{QStringLiteral("child column"), columnRows(childColumns)},
                            {QStringLiteral("parent column"), columnRows(parentColumns)}});
            writeJoinProperties(file, child, childColumns);
            writeJoinProperties(file, parent, parentColumns);
            writeLineTable(file, kJoinClassEnd, names);
        }
    }
}

QList<const LineTable*> joinClassLineTables()
{
    return {&kJoinSectionHead, &kJoinClass, &kJoinProperty, &kJoinClassEnd};
}

} // namespace generators::dataclasses
