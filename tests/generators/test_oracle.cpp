#include "generators/oracle/ora_types.h"
#include "generators/oracle/system_ora.h"
#include "platform/text_file.h"
#include "support/golden.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace generators;
using generators::oracle::ora_types;
using namespace platform::ado;

namespace
{

// A catalogue whose primary-key rowset cannot be read.
class KeylessCatalogue : public testsupport::ScriptedCatalogue
{
public:
    KeyColumns primaryKey(const QString& table, const QString& schema) override
    {
        keyRequests.append(schema + QLatin1Char('.') + table);
        KeyColumns result;
        result.ok = false;
        result.error = QStringLiteral("scripted failure");
        return result;
    }
};

// The inputs an Oracle connect and the VB.NET window leave for a stored-procedure run.
RunInputs oracleInputs(const QString& folder, const QString& prefix, const QStringList& tables)
{
    RunInputs in;
    in.pn = folder + QLatin1Char('/');
    in.dbn = prefix;
    in.gn = {true, false, false};
    in.gnn[0] = prefix + QStringLiteral("Access.vb");
    in.ps = true;
    in.tdn1 = tables;
    in.cnxstr = QStringLiteral("Data Source=orcl;User ID=scott");
    in.db_cnxstr = in.cnxstr;
    in.net_ns = QStringLiteral("OracleClient");
    in.net_prefix = QStringLiteral("Oracle");
    in.from_dual = QStringLiteral(" from dual");
    in.row_limit = QStringLiteral(" where rownum<2");
    return in;
}

struct RunResult {
    QStringList problems;
    QByteArray accessBytes, packageBytes;
    QStringList accessLines, packageLines;
};

RunResult runSystemOra(const RunInputs& in, Catalogue& catalogue, testsupport::RecordingHost& host)
{
    RunContext ctx(in, catalogue, host);
    ctx.nbmax = int(in.tdn1.size()) - 1;
    system_ora(ctx, ctx.nbmax);
    RunResult result;
    result.problems = ctx.problems;
    const QString accessPath = in.pn + in.gnn[0];
    const QString packagePath = accessPath.left(accessPath.size() - 3) + QStringLiteral(".pkg");
    result.accessBytes = testsupport::readFileBytes(accessPath);
    result.packageBytes = testsupport::readFileBytes(packagePath);
    result.accessLines = platform::readTextLines(accessPath, platform::TextEncoding::Windows1252).lines;
    result.packageLines = platform::readTextLines(packagePath, platform::TextEncoding::Windows1252).lines;
    return result;
}

// The preview of a file: CR LF before every line.
QString previewOf(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += QStringLiteral("\r\n") + line;
    return text;
}

QList<Field> fields(std::initializer_list<std::pair<const char*, int>> list)
{
    QList<Field> result;
    for (const auto& [name, type] : list)
        result.append(Field{QString::fromLatin1(name), type});
    return result;
}

qsizetype lineIndex(const QStringList& lines, const QString& line)
{
    return lines.indexOf(line);
}

} // namespace

class OracleTest : public QObject
{
    Q_OBJECT
private slots:
    void oraTypes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("word");
        QTest::newRow("timestamp") << int(adDBTimeStamp) << "Date";
        QTest::newRow("numeric") << int(adNumeric) << "Number";
        QTest::newRow("variable numeric") << int(adVarNumeric) << "Number";
        QTest::newRow("variable text") << int(adVarChar) << "Varchar2";
        QTest::newRow("date alone") << int(adDBDate) << "Varchar2";
        QTest::newRow("time alone") << int(adDBTime) << "Varchar2";
        QTest::newRow("double") << int(adDouble) << "Varchar2";
        QTest::newRow("integer") << int(adInteger) << "Varchar2";
        QTest::newRow("empty") << int(adEmpty) << "Varchar2";
        QTest::newRow("negative") << -1 << "Varchar2";
        QTest::newRow("beyond the type tables") << 100000 << "Varchar2";
    }
    void oraTypes()
    {
        QFETCH(int, code);
        QFETCH(QString, word);
        QCOMPARE(ora_types(code), word);
    }

    // One table with a numeric and a text column: DEPTNO numeric, DNAME text.
    void oneTableMatchesGoldens()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("DEPT", fields({{"DEPTNO", adNumeric}, {"DNAME", adVarChar}}));
        catalogue.setPrimaryKey("DEPT", {"DEPTNO"});
        testsupport::RecordingHost host;
        const RunInputs in = oracleInputs(dir.path(), "Scott", {"DEPT"});
        const RunResult run = runSystemOra(in, catalogue, host);

        QVERIFY2(run.problems.isEmpty(), qPrintable(run.problems.join('\n')));
        QUILLMERE_COMPARE_GOLDEN("oracle/dept_access.vb", run.accessBytes);
        QUILLMERE_COMPARE_GOLDEN("oracle/dept.pkg", run.packageBytes);
        QVERIFY(QFile::exists(dir.filePath("ScottAccess.vb")));
        QVERIFY(QFile::exists(dir.filePath("ScottAccess.pkg")));

        // The body's per-column lines of Get_Rows (parameters, select list, filters) in order,
        // after the "/" that ends the package's declarations.
        const QStringList body = run.packageLines.mid(lineIndex(run.packageLines, "/") + 1);
        const QStringList getRowsLines{
            "CREATE OR REPLACE PACKAGE BODY DEPT_PKG as",
            "        z_DEPTNO Number DEFAULT NULL,",
            "        z_DNAME Varchar2 DEFAULT NULL",
            "             DEPTNO,",
            "             DNAME",
            "             from DEPT",
            "        AND (z_DEPTNO=DEPTNO OR z_DEPTNO IS NULL)",
            "        AND (z_DNAME=DNAME OR z_DNAME IS NULL)",
        };
        qsizetype at = -1;
        for (const QString& line : getRowsLines) {
            const qsizetype next = body.indexOf(line, at + 1);
            QVERIFY2(next > at, qPrintable(line));
            at = next;
        }

        // The previews echo every line after CR LF; the package preview is the one shown.
        QCOMPARE(host.previews[kPreviewDataAccess], previewOf(run.accessLines));
        QCOMPARE(host.previews[kPreviewOracle], previewOf(run.packageLines));
        QCOMPARE(host.shownPreviews, QList<int>{kPreviewOracle});
        QCOMPARE(catalogue.reconnects, 1);
        QCOMPARE(host.progress, 2.0);
    }

    // Three tables in list order: a table whose column query fails and that has no key,
    // one of every mapped type, and one with a two-column key.
    void severalTablesMatchGoldens()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.failQuery("SELECT * from AUDIT_LOG where rownum<2");
        catalogue.setTableColumns("EMP", fields({{"EMPNO", adVarNumeric},
                                                 {"ENAME", adVarChar},
                                                 {"HIREDATE", adDBTimeStamp},
                                                 {"SAL", adNumeric},
                                                 {"DEPTNO", adInteger}}));
        catalogue.setPrimaryKey("EMP", {"EMPNO"});
        catalogue.setTableColumns(
            "ORDER_LINE", fields({{"ORDER_ID", adNumeric}, {"LINE_NO", adNumeric}, {"ITEM", adVarChar}}));
        catalogue.setPrimaryKey("ORDER_LINE", {"ORDER_ID", "LINE_NO"});
        testsupport::RecordingHost host;
        RunInputs in = oracleInputs(dir.path(), "Scott", {"AUDIT_LOG", "EMP", "ORDER_LINE"});
        in.schema_filter = "SCOTT";
        const RunResult run = runSystemOra(in, catalogue, host);

        QUILLMERE_COMPARE_GOLDEN("oracle/three_tables_access.vb", run.accessBytes);
        QUILLMERE_COMPARE_GOLDEN("oracle/three_tables.pkg", run.packageBytes);

        // Three column queries per table in the first pass (none for Del<table>), one in the second.
        QStringList expectedQueries;
        for (int pass = 0; pass < 2; ++pass) {
            for (const QString& table : in.tdn1) {
                for (int i = 0; i < (pass == 0 ? 3 : 1); ++i)
                    expectedQueries.append("data3: SELECT * from " + table + " where rownum<2");
            }
        }
        QCOMPARE(catalogue.queries, expectedQueries);
        // The key rowset is asked in any schema, once per table.
        QCOMPARE(catalogue.keyRequests, (QStringList{".AUDIT_LOG", ".EMP", ".ORDER_LINE"}));
        // The failing table's query is reported once, though both passes met it, and nothing else.
        QCOMPARE(run.problems.size(), 1);
        for (const QString& problem : run.problems)
            QVERIFY2(problem.startsWith("AUDIT_LOG: "), qPrintable(problem));
        QCOMPARE(host.progress, 6.0);
    }

    void lineCounts_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("ps");
        QTest::newRow("no columns, no key") << 0 << QStringList() << true;
        QTest::newRow("one column, one key") << 1 << QStringList{"C0"} << true;
        QTest::newRow("three columns, two keys") << 3 << QStringList{"C0", "C1"} << true;
        QTest::newRow("three columns, no key") << 3 << QStringList() << true;
        QTest::newRow("two columns, stored procedures unticked") << 2 << QStringList{"C1"} << false;
    }
    void lineCounts()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, keys);
        QFETCH(bool, ps);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        QList<Field> list;
        for (int i = 0; i < columns; ++i)
            list.append(Field{QStringLiteral("C%1").arg(i), adVarChar});
        catalogue.setTableColumns("T", list);
        catalogue.setPrimaryKey("T", keys);
        testsupport::RecordingHost host;
        RunInputs in = oracleInputs(dir.path(), "P", {"T"});
        in.ps = ps;
        const RunResult run = runSystemOra(in, catalogue, host);
        const QStringList& a = run.accessLines;
        const QStringList& p = run.packageLines;
        const int n = columns;
        const int k = int(keys.size());
        const int writer = (ps ? 17 : 16) + n;

        const qsizetype reader =
            lineIndex(a, "    Public Shared Function GetTReader(ByVal z_T as T) As IDataReader");
        const qsizetype update = lineIndex(a, "    Public Shared Sub UpdateT(ByVal z_T as T)");
        const qsizetype insert = lineIndex(a, "    Public Shared Sub InsertT(ByVal z_T as T)");
        const qsizetype del = lineIndex(a, "    Public Shared Sub DelT(ByVal z_T as T)");
        QCOMPARE(reader, 16);
        QCOMPARE(update - reader, 20 + n); // 20 fixed lines and one per column
        QCOMPARE(insert - update, writer);
        QCOMPARE(del - insert, writer);
        QCOMPARE(a.size() - del, qsizetype(writer - n));
        QCOMPARE(a.last(), QString()); // class and namespace stay open for the closing pass
        // The reader always passes the row address; the writers only with stored procedures.
        QCOMPARE(a.count("        If z_T.IsDirty.rowid then cmd.Parameters.Add(\"z_rowid\", z_T.rowid)"),
                 qsizetype(ps ? 4 : 1));

        const qsizetype body = lineIndex(p, "CREATE OR REPLACE PACKAGE BODY T_PKG as");
        const qsizetype insertRow = lineIndex(p, "PROCEDURE Insert_Row(z_Rowid IN OUT VARCHAR2,");
        const qsizetype insertRowBody = p.indexOf("PROCEDURE Insert_Row(z_Rowid IN OUT VARCHAR2,", body);
        QCOMPARE(body, 16 + 3 * n);
        QCOMPARE(insertRowBody - body, 16 + 3 * n);
        QCOMPARE(p.size() - insertRowBody, qsizetype(40 + 5 * n + k));
        QVERIFY(insertRow < body);

        // Key conditions follow the cursor line, one per line, the joiner at their start.
        const qsizetype cursor = lineIndex(p, "   CURSOR C IS SELECT rowid FROM T");
        for (int i = 0; i < k; ++i)
            QCOMPARE(p[cursor + 1 + i], (i == 0 ? " where " : " and ") + keys[i] + "=z_" + keys[i]);
        QCOMPARE(p[cursor + 1 + k], QStringLiteral(";"));

        // Every per-column list ends without a comma; the fixed lines keep theirs.
        if (n > 0) {
            const QString lastColumn = QStringLiteral("C%1").arg(n - 1);
            QCOMPARE(p.count("        z_" + lastColumn + " Varchar2 DEFAULT NULL"), qsizetype(6));
            QCOMPARE(p.count("        z_" + lastColumn + " Varchar2 DEFAULT NULL,"), qsizetype(0));
            QCOMPARE(p.count("        " + lastColumn), qsizetype(1));
            QCOMPARE(p.count("        z_" + lastColumn), qsizetype(1));
        } else {
            QCOMPARE(p[body + 3], QStringLiteral(") IS"));
            QCOMPARE(p.count("                   );"), qsizetype(3));
            QCOMPARE(p[lineIndex(p, "        WHERE (z_Rowid = Rowid OR z_Rowid IS NULL)        ") + 1],
                     QStringLiteral(";"));
        }
    }

    void fileNamesAndSettingsKey_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("cnxstr");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("empty prefix") << ""
                                      << "Data Source=orcl"
                                      << "Access";
        QTest::newRow("quotes copied unchanged") << "My\"App"
                                                 << "Data Source=\"orcl\";User ID=a"
                                                 << "My\"AppAccess";
    }
    void fileNamesAndSettingsKey()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, cnxstr);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        // Older files of the same names are replaced, not appended to.
        for (const QString& suffix : {QStringLiteral(".vb"), QStringLiteral(".pkg")}) {
            QFile old(dir.filePath(fileName + suffix));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old contents\r\n");
        }
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("T", fields({{"ID", adNumeric}}));
        testsupport::RecordingHost host;
        RunInputs in = oracleInputs(dir.path(), prefix, {"T"});
        in.cnxstr = cnxstr;
        const RunResult run = runSystemOra(in, catalogue, host);

        QVERIFY(run.problems.isEmpty());
        QCOMPARE(testsupport::readFileBytes(dir.filePath(fileName + ".vb")), run.accessBytes);
        QVERIFY(run.accessLines.size() > 16);
        QCOMPARE(run.accessLines[0], QStringLiteral("Imports System.Data.OracleClient"));
        QCOMPARE(run.accessLines[2], "    'Define in your Web Config " + prefix + "cnxstr as");
        QCOMPARE(run.accessLines[3], "    'ConnectionString = \"" + cnxstr + "\"");
        QCOMPARE(run.accessLines[11],
                 "        My_Cnx.ConnectionString = ConfigurationSettings.AppSettings(\"" + prefix +
                     "cnxstr\")");
        QCOMPARE(run.packageLines.value(0), QStringLiteral("CREATE OR REPLACE PACKAGE T_PKG as"));
        QVERIFY(!run.accessLines.contains("old contents"));
        QVERIFY(!run.packageLines.contains("old contents"));
    }

    // A failed reopen is reported under "End of Generation" and the run still writes
    // everything; a key rowset that cannot be read is reported only when it is not
    // explained by the failed connection already.
    void connectionProblems_data()
    {
        QTest::addColumn<bool>("reconnectFails");
        QTest::addColumn<bool>("keysFail");
        QTest::addColumn<QStringList>("problemStarts");
        QTest::newRow("all well") << false << false << QStringList();
        const QString reopen = "The database connection could not be reopened (scripted failure)";
        QTest::newRow("reconnect fails") << true << false << QStringList{reopen};
        QTest::newRow("key rowset fails")
            << false << true
            << QStringList{"A: primary key could not be read (scripted failure)",
                           "B: primary key could not be read (scripted failure)"};
        QTest::newRow("both fail") << true << true << QStringList{reopen};
    }
    void connectionProblems()
    {
        QFETCH(bool, reconnectFails);
        QFETCH(bool, keysFail);
        QFETCH(QStringList, problemStarts);
        QTemporaryDir dir;
        KeylessCatalogue keyless;
        testsupport::ScriptedCatalogue scripted;
        testsupport::ScriptedCatalogue& catalogue = keysFail ? keyless : scripted;
        catalogue.reconnectFails = reconnectFails;
        for (const char* table : {"A", "B"})
            catalogue.setTableColumns(table, fields({{"ID", adNumeric}}));
        testsupport::RecordingHost host;
        const RunResult run = runSystemOra(oracleInputs(dir.path(), "P", {"A", "B"}), catalogue, host);

        QCOMPARE(run.problems, problemStarts);
        QCOMPARE(catalogue.reconnects, 1);
        QCOMPARE(run.accessLines.size(), qsizetype(16 + 2 * (20 + 1 + 2 * 18 + 17)));
        QCOMPARE(run.packageLines.size(), qsizetype(2 * (72 + 11)));
        QCOMPARE(host.progress, 4.0);
        if (!problemStarts.isEmpty())
            QVERIFY(endOfGenerationText(run.problems).endsWith("\n" + problemStarts.last()));
    }

    void unopenableFilesLoseOnlyTheFile()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("T", fields({{"ID", adNumeric}}));
        testsupport::RecordingHost host;
        const RunInputs in = oracleInputs(dir.filePath("missing/folder"), "P", {"T"});
        const RunResult run = runSystemOra(in, catalogue, host);

        QCOMPARE(run.problems.size(), 2);
        QVERIFY(run.problems[0].contains("PAccess.vb"));
        QVERIFY(run.problems[1].contains("PAccess.pkg"));
        QCOMPARE(host.previews[kPreviewDataAccess].count("\r\n"), 16 + 21 + 2 * 18 + 17);
        QCOMPARE(host.previews[kPreviewOracle].count("\r\n"), 72 + 11);
        QCOMPARE(host.progress, 2.0);
    }
};

QTEST_GUILESS_MAIN(OracleTest)
#include "test_oracle.moc"
