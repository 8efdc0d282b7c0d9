#include "generators/oracle/package_body_writer.h"

#include "generators/oracle/package_rows.h"

namespace generators::oracle
{

namespace
{

// The WHERE line ends in eight blanks, written as they stand.
const LineTable kGetRows{u"package body get rows", {u"table", u"column", u"type", u"comma"}, {u"column"}, uR"(
CREATE OR REPLACE PACKAGE BODY <table>_PKG as
PROCEDURE Get_Rows(z_CURSOR IN OUT MY_CURSOR,
        z_Rowid VARCHAR2 DEFAULT NULL,
[column]        z_<column> <type> DEFAULT NULL<comma>
) IS
        y_CURSOR MY_CURSOR;
    BEGIN
             OPEN y_CURSOR FOR
             SELECT rowid,
[column]             <column><comma>
             from <table>
        WHERE (z_Rowid = Rowid OR z_Rowid IS NULL)        
[column]        AND (z_<column>=<column> OR z_<column> IS NULL)
;
        z_CURSOR := y_CURSOR;
    exception when others then
              RAISE NO_DATA_FOUND;
    END get_rows
    ;
)"};

// One key condition per line, its joiner at the start; ";" ends the cursor.
const LineTable kInsertRow{u"package body insert row",
                           {u"table", u"column", u"type", u"comma", u"key_column", u"key_joiner"},
                           {u"column", u"key"},
                           uR"(
PROCEDURE Insert_Row(z_Rowid IN OUT VARCHAR2,
[column]        z_<column> <type> DEFAULT NULL<comma>
) IS
   CURSOR C IS SELECT rowid FROM <table>
[key]<key_joiner><key_column>=z_<key_column>
;
Begin
  INSERT INTO <table>(
[column]        <column><comma>
         ) VALUES (
[column]        z_<column><comma>
  );
  OPEN C;
  FETCH C INTO z_Rowid;
  if (C%NOTFOUND) then
    CLOSE C;
    RAISE NO_DATA_FOUND;
  end if;
 CLOSE C;
END Insert_Row;
)"};

// A NULL parameter keeps the stored value of its column.
const LineTable kUpdateRow{
    u"package body update row", {u"table", u"column", u"type", u"comma"}, {u"column"}, uR"(
PROCEDURE Update_Row(z_Rowid IN OUT VARCHAR2,
[column]        z_<column> <type> DEFAULT NULL<comma>
) IS
BEGIN
  Update <table>
  SET
[column]        <column> = decode(z_<column>, null, <column>, z_<column>)<comma>
  WHERE rowid = z_rowid;
  if (SQL%NOTFOUND) then
    RAISE NO_DATA_FOUND;
  end if;

END Update_Row;

)"};

const LineTable kDeleteRowAndEnd{u"package body delete row", {u"table"}, {}, uR"(
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
)"};

} // namespace

void writePackageBodyGetRows(ModuleFile& file, const QString& table,
                             const QList<platform::ado::Field>& columns)
{
    writeTableColumns(file, kGetRows, table, columns);
}

void writePackageBodyRowProcedures(ModuleFile& file, const QString& table,
                                   const QList<platform::ado::Field>& columns, const QStringList& keyColumns)
{
    const Placeholders values{{QStringLiteral("table"), table}};
    const RowSet columnRows = packageColumnRows(columns);
    writeLineTable(
        file, kInsertRow, values,
        {{QStringLiteral("column"), columnRows}, {QStringLiteral("key"), keyColumnRows(keyColumns)}});
    writeLineTable(file, kUpdateRow, values, {{QStringLiteral("column"), columnRows}});
    writeLineTable(file, kDeleteRowAndEnd, values);
}

QList<const LineTable*> packageBodyLineTables()
{
    return {&kGetRows, &kInsertRow, &kUpdateRow, &kDeleteRowAndEnd};
}

} // namespace generators::oracle
