#include "generators/dataclasses/join_classes_writer.h"

#include "generators/dataclasses/join_pass.h"
#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses
{

namespace
{

const LineTable kJoinClass{
    u"join class", {u"child", u"parent", u"column", u"type"}, {u"child column", u"parent column"}, uR"(
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
    forEachJoin(ctx, file, /*withRowLimit=*/false, [&](const JoinPair& join) {
        const Placeholders names{{QStringLiteral("child"), join.child},
                                 {QStringLiteral("parent"), join.parent}};
        writeLineTable(file, kJoinClass, names,
                       {{QStringLiteral("child column"), columnRows(join.childColumns)},
                        {QStringLiteral("parent column"), columnRows(join.parentColumns)}});
        writeJoinProperties(file, join.child, join.childColumns);
        writeJoinProperties(file, join.parent, join.parentColumns);
        writeLineTable(file, kJoinClassEnd, names);
    });
}

QList<const LineTable*> joinClassLineTables()
{
    return {&kJoinSectionHead, &kJoinClass, &kJoinProperty, &kJoinClassEnd};
}

} // namespace generators::dataclasses
