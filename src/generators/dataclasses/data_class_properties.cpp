#include "generators/dataclasses/data_class_properties.h"

#include "generators/dataclasses/line_table.h"

namespace generators::dataclasses {

namespace {

// Two indentation styles stand side by side: rowid, WhereClause and OrderClause put
// Get and Set at 6 blanks, the column properties and IsDirty at 8.
constexpr QStringView kRegionStart = u"#Region <dq>Propri\u00e9t\u00e9s<dq>";

constexpr QStringView kRowidProperty = uR"(
    Public Property rowid() As String
      Get
        Return z_rowid
      End Get
      Set(ByVal Value As String)
        z_bool.rowid = True
        z_rowid = Value
      End Set
    End Property
)";

constexpr QStringView kColumnProperty = uR"(
    Public Property <column>() As <type>
        Get
            Return z_<column>
        End Get
        Set(ByVal Value As <type>)
            z_bool.<column> = True
            z_<column> = Value
        End Set
    End Property
)";

constexpr QStringView kWhereClauseProperty = uR"(
    Public Property WhereClause() As String
      Get
        Return z_WhereClause
      End Get
      Set(ByVal Value As String)
        z_WhereClause = Value
      End Set
    End Property
)";

constexpr QStringView kOrderClauseProperty = uR"(
    Public Property OrderClause() As String
      Get
        Return z_OrderClause
      End Get
      Set(ByVal Value As String)
        z_OrderClause = Value
      End Set
    End Property
)";

constexpr QStringView kIsDirtyProperty = uR"(
    Public ReadOnly Property IsDirty() As IsDirty_<table>
        Get
            Return z_bool
        End Get
    End Property
)";

} // namespace

void writeDataClassProperties(ModuleFile& file, const QString& table, const QList<platform::ado::Field>& columns,
                              bool storedProcedures)
{
    file.emit_line(expand(kRegionStart, {}));
    if (storedProcedures)
        writeLineTable(file, kRowidProperty, {});
    for (const Placeholders& column : columnRows(columns))
        writeLineTable(file, kColumnProperty, column);
    writeLineTable(file, kWhereClauseProperty, {});
    writeLineTable(file, kOrderClauseProperty, {});
    writeLineTable(file, kIsDirtyProperty, {{QStringLiteral("table"), table}});
}

} // namespace generators::dataclasses
