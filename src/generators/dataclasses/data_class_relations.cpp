#include "generators/dataclasses/data_class_relations.h"

#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses
{

namespace
{

const LineTable kParentProperty{u"parent property", {u"parent", u"pk_column", u"fk_column"}, {u"key"}, uR"(
    Public ReadOnly Property <parent>() As <parent>
        Get
            If Not IsDirty.<parent> Then
                z_<parent> = New <parent>
[key]                z_<parent>.<pk_column> = z_<fk_column>
                z_<parent> = Get<parent>(z_<parent>)
            End If
            Return z_<parent>
        End Get
    End Property
)"};

const LineTable kChildProperty{u"child property", {u"child", u"pk_column", u"fk_column"}, {u"key"}, uR"(
    Public ReadOnly Property <child>() As ArrayList
        Get
            If Not IsDirty.<child> Then
                Dim y_<child> As <child>
                y_<child> = New <child>
[key]                y_<child>.<fk_column> = z_<pk_column>
                z_<child> = List<child>(y_<child>)
            End If
            Return z_<child>
        End Get
    End Property
)"};

// A continuation of Init's parameters starts with 19 blanks, one fewer than the head.
const LineTable kConstructors{
    u"constructors", {u"head", u"column", u"type", u"tail"}, {u"no parameters", u"parameter", u"column"}, uR"(
#End Region

#Region <dq>Constructeurs<dq>
[no parameters]    Public Sub Init()
[parameter]<head> ByVal <column> As <type><tail>
[column]        z_<column> = <column>
    End Sub
#End Region

End Class

)"};

const QString kParameterHead = QStringLiteral("    Public Sub Init(");
const QString kContinuationHead = QString(19, QLatin1Char(' '));

// The key column pairs of the rows from `parent` to `child`, in work-list order; a pair
// equal to the one just before it (the two copies of one key) gives no second line.
RowSet keyRows(const FkWorkList& rows, const QString& parent, const QString& child)
{
    RowSet keys;
    QString lastPk, lastFk;
    for (const int j : rows.entriesWithChild(child)) {
        if (rows.pk_table.at(j) != parent)
            continue;
        const QString& pk = rows.pk_col.at(j);
        const QString& fk = rows.pf_col.at(j);
        if (!keys.isEmpty() && pk == lastPk && fk == lastFk)
            continue;
        keys.append({{QStringLiteral("pk_column"), pk}, {QStringLiteral("fk_column"), fk}});
        lastPk = pk;
        lastFk = fk;
    }
    return keys;
}

} // namespace

void writeRelationProperties(ModuleFile& file, const FkWorkList& rows, const QString& table,
                             const Relations& relations)
{
    for (const QString& parent : relations.parents)
        writeLineTable(file, kParentProperty, {{QStringLiteral("parent"), parent}},
                       {{QStringLiteral("key"), keyRows(rows, parent, table)}});
    for (const QString& child : relations.children)
        writeLineTable(file, kChildProperty, {{QStringLiteral("child"), child}},
                       {{QStringLiteral("key"), keyRows(rows, table, child)}});
}

void writeConstructors(ModuleFile& file, const QList<platform::ado::Field>& columns)
{
    RowSet parameters = columnRows(columns);
    for (qsizetype k = 0; k < parameters.size(); ++k) {
        parameters[k].append({QStringLiteral("head"), k == 0 ? kParameterHead : kContinuationHead});
        parameters[k].append({QStringLiteral("tail"),
                              k == parameters.size() - 1 ? QStringLiteral(")") : QStringLiteral(", _")});
    }
    // Without columns Init still needs its head, or "End Sub" would stand alone.
    writeLineTable(file, kConstructors, {},
                   {{QStringLiteral("no parameters"), when(columns.isEmpty())},
                    {QStringLiteral("parameter"), parameters},
                    {QStringLiteral("column"), columnRows(columns)}});
}

QList<const LineTable*> relationLineTables()
{
    return {&kParentProperty, &kChildProperty, &kConstructors};
}

} // namespace generators::dataclasses
