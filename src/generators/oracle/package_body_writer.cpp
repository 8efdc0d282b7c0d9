#include "generators/oracle/package_body_writer.h"

#include "generators/oracle/line_table.h"

namespace generators::oracle {

namespace {

// The WHERE line ends in eight blanks, written as they stand.
constexpr QStringView kGetRows = uR"(
CREATE OR REPLACE PACKAGE BODY <table>_PKG as
PROCEDURE Get_Rows(z_CURSOR IN OUT MY_CURSOR,
        z_Rowid VARCHAR2 DEFAULT NULL,
        z_<column> <type> DEFAULT NULL<comma>
) IS
        y_CURSOR MY_CURSOR;
    BEGIN
             OPEN y_CURSOR FOR
             SELECT rowid,
             <column><comma>
             from <table>
        WHERE (z_Rowid = Rowid OR z_Rowid IS NULL)        
        AND (z_<column>=<column> OR z_<column> IS NULL)
;
        z_CURSOR := y_CURSOR;
    exception when others then
              RAISE NO_DATA_FOUND;
    END get_rows
    ;
)";

// One key condition per line, its joiner at the start; ";" ends the cursor.
constexpr QStringView kInsertRow = uR"(
PROCEDURE Insert_Row(z_Rowid IN OUT VARCHAR2,
        z_<column> <type> DEFAULT NULL<comma>
) IS
   CURSOR C IS SELECT rowid FROM <table>
<key_joiner><key_column>=z_<key_column>
;
Begin
  INSERT INTO <table>(
        <column><comma>
         ) VALUES (
        z_<column><comma>
  );
  OPEN C;
  FETCH C INTO z_Rowid;
  if (C%NOTFOUND) then
    CLOSE C;
    RAISE NO_DATA_FOUND;
  end if;
 CLOSE C;
END Insert_Row;
)";

// A NULL parameter keeps the stored value of its column.
constexpr QStringView kUpdateRow = uR"(
PROCEDURE Update_Row(z_Rowid IN OUT VARCHAR2,
        z_<column> <type> DEFAULT NULL<comma>
) IS
BEGIN
  Update <table>
  SET
        <column> = decode(z_<column>, null, <column>, z_<column>)<comma>
  WHERE rowid = z_rowid;
  if (SQL%NOTFOUND) then
    RAISE NO_DATA_FOUND;
  end if;

END Update_Row;

)";

constexpr QStringView kDeleteRowAndEnd = uR"(
PROCEDURE Delete_Row(z_Rowid VARCHAR2) IS
BEGIN
  DELETE FROM <table>
  WHERE  rowid = z_Rowid;

  if (SQL%NOTFOUND) then
    RAISE NO_DATA_FOUND;
  end if;
END Delete_Row;

END <table>_PKG;
/
)";

} // namespace

void writePackageBodyGetRows(ModuleFile& file, const QString& table,
                             const QList<platform::ado::Field>& columns)
{
    writeLineTable(file, kGetRows, {{QStringLiteral("table"), table}}, columns);
}

void writePackageBodyRowProcedures(ModuleFile& file, const QString& table,
                                   const QList<platform::ado::Field>& columns, const QStringList& keyColumns)
{
    const Placeholders values{{QStringLiteral("table"), table}};
    writeLineTable(file, kInsertRow, values, columns, keyColumns);
    writeLineTable(file, kUpdateRow, values, columns);
    writeLineTable(file, kDeleteRowAndEnd, values);
}

} // namespace generators::oracle
