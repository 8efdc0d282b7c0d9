#include "generators/oracle/package_header_writer.h"

#include "generators/oracle/package_rows.h"

namespace generators::oracle
{

namespace
{

// The closing ");" lines carry 19 leading blanks.
const LineTable kPackageHeader{u"package header", {u"table", u"column", u"type", u"comma"}, {u"column"}, uR"(
CREATE OR REPLACE PACKAGE <table>_PKG as
TYPE MY_CURSOR IS REF CURSOR;
PROCEDURE Get_Rows(z_CURSOR IN OUT MY_CURSOR,
        z_Rowid VARCHAR2 DEFAULT NULL,
[column]        z_<column> <type> DEFAULT NULL<comma>
                   );

PROCEDURE Insert_Row(z_Rowid IN OUT VARCHAR2,
[column]        z_<column> <type> DEFAULT NULL<comma>
                   );

PROCEDURE Update_Row(z_Rowid IN OUT VARCHAR2,
[column]        z_<column> <type> DEFAULT NULL<comma>
                   );

PROCEDURE Delete_Row(z_Rowid VARCHAR2);

END <table>_PKG;
/
)"};

} // namespace

void writePackageSpecification(ModuleFile& file, const QString& table,
                               const QList<platform::ado::Field>& columns)
{
    writeTableColumns(file, kPackageHeader, table, columns);
}

QList<const LineTable*> packageSpecLineTables()
{
    return {&kPackageHeader};
}

} // namespace generators::oracle
