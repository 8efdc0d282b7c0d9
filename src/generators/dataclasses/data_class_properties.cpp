#include "generators/dataclasses/data_class_properties.h"

#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses
{

namespace
{

// Two indentation styles stand side by side: rowid, WhereClause and OrderClause put
// Get and Set at 6 blanks, the column properties and IsDirty at 8.
const LineTable kRegionStart{u"properties region", {}, {}, u"#Region <dq>Propri\u00e9t\u00e9s<dq>"};

const LineTable kRowidProperty{u"rowid property", {}, {}, uR"(
    Public Property rowid() As String
      Get
        Return z_rowid
      End Get
      Set(ByVal Value As String)
        z_bool.rowid = True
        z_rowid = Value
      End Set
    End Property
)"};

const LineTable kColumnProperty{u"column property", {u"column", u"type"}, {}, uR"(
    Public Property <column>() As <type>
        Get
            Return z_<column>
        End Get
        Set(ByVal Value As <type>)
            z_bool.<column> = True
            z_<column> = Value
        End Set
    End Property
)"};

const LineTable kWhereClauseProperty{u"where clause property", {}, {}, uR"(
    Public Property WhereClause() As String
      Get
        Return z_WhereClause
      End Get
      Set(ByVal Value As String)
        z_WhereClause = Value
      End Set
    End Property
)"};

const LineTable kOrderClauseProperty{u"order clause property", {}, {}, uR"(
    Public Property OrderClause() As String
      Get
        Return z_OrderClause
      End Get
      Set(ByVal Value As String)
        z_OrderClause = Value
      End Set
    End Property
)"};

const LineTable kIsDirtyProperty{u"is-dirty property", {u"table"}, {}, uR"(
    Public ReadOnly Property IsDirty() As IsDirty_<table>
        Get
            Return z_bool
        End Get
    End Property
)"};

} // namespace

void writeDataClassProperties(ModuleFile& file, const QString& table,
                              const QList<platform::ado::Field>& columns, bool storedProcedures)
{
    writeLineTable(file, kRegionStart);
    if (storedProcedures)
        writeLineTable(file, kRowidProperty, {});
    for (const Placeholders& column : columnRows(columns))
        writeLineTable(file, kColumnProperty, column);
    writeLineTable(file, kWhereClauseProperty, {});
    writeLineTable(file, kOrderClauseProperty, {});
    writeLineTable(file, kIsDirtyProperty, {{QStringLiteral("table"), table}});
}

QList<const LineTable*> propertyLineTables()
{
    return {&kRegionStart,         &kRowidProperty,       &kColumnProperty,
            &kWhereClauseProperty, &kOrderClauseProperty, &kIsDirtyProperty};
}

} // namespace generators::dataclasses
