// The data access and data manager modules through a scripted catalogue: the cases no
// real database gives (Oracle-only SQL words, a key rowset that cannot be read).

#include "generators/vbnet/generation_run.h"
#include "support/golden.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QTemporaryDir>
#include <QTest>

using namespace generators;
using namespace platform::ado;

namespace
{

// A catalogue whose key rowset of one table cannot be read.
class FailingKeyCatalogue : public testsupport::ScriptedCatalogue
{
public:
    QString failingTable;
    KeyColumns primaryKey(const QString& table, const QString& schema) override
    {
        KeyColumns result = ScriptedCatalogue::primaryKey(table, schema);
        if (table == failingTable) {
            result.ok = false;
            result.error = QStringLiteral("scripted failure");
            result.columns.clear();
        }
        return result;
    }
};

RunInputs oracleInputs(const QString& folder)
{
    RunInputs in;
    in.pn = folder + QLatin1Char('/');
    in.dbn = QStringLiteral("HR_");
    in.gn = {true, true, false};
    in.gnn = {QStringLiteral("HR_Access.vb"), QStringLiteral("HR_Manager.vb"),
              QStringLiteral("HR_Classes.vb")};
    in.cnxstr = QStringLiteral("Provider=MSDAORA;Data Source=ORCL;User ID=hr;Password=secret;");
    in.net_ns = QStringLiteral("OracleClient");
    in.net_prefix = QStringLiteral("Oracle");
    in.from_dual = QStringLiteral(" from dual");
    in.row_limit = QStringLiteral(" where rownum<2");
    in.schema_filter = QStringLiteral("HR");
    in.tdn1 = QStringList{QStringLiteral("DEPT"), QStringLiteral("EMP")};
    return in;
}

} // namespace

class VbnetScriptedTest : public QObject
{
    Q_OBJECT
private slots:
    void oracleWords()
    {
        QTemporaryDir dir;
        const RunInputs in = oracleInputs(dir.path());
        FailingKeyCatalogue catalogue;
        catalogue.setColumns("SELECT * from DEPT where rownum<2",
                             {{"DEPTNO", adNumeric}, {"DNAME", adVarChar}});
        catalogue.setColumns("SELECT * from DEPT", {{"DEPTNO", adNumeric}, {"DNAME", adVarChar}});
        catalogue.setColumns("SELECT * from EMP where rownum<2",
                             {{"EMPNO", adNumeric}, {"ENAME", adVarChar}, {"DEPTNO", adNumeric}});
        catalogue.setColumns("SELECT * from EMP",
                             {{"EMPNO", adNumeric}, {"ENAME", adVarChar}, {"DEPTNO", adNumeric}});
        catalogue.setPrimaryKey("DEPT", {"DEPTNO"});
        catalogue.setPrimaryKey("EMP", {"EMPNO"});
        catalogue.failingTable = "EMP";
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx);

        // The names are checked first, with the row limit. The insert and list queries
        // carry no row limit; the others do.
        QStringList expectedQueries{"data3: SELECT * from DEPT where rownum<2",
                                    "data3: SELECT * from EMP where rownum<2"};
        for (const QString table : {"DEPT", "EMP"}) {
            const QString limited = "data3: SELECT * from " + table + " where rownum<2";
            const QString plain = "data3: SELECT * from " + table;
            expectedQueries << limited << limited << limited << plain;
        }
        for (const QString table : {"DEPT", "EMP"}) {
            const QString limited = "data3: SELECT * from " + table + " where rownum<2";
            const QString plain = "data3: SELECT * from " + table;
            expectedQueries << limited << plain;
        }
        QCOMPARE(catalogue.queries, expectedQueries);
        // The key rowset is restricted to the chosen schema.
        QCOMPARE(catalogue.keyRequests, (QStringList{"HR.DEPT", "HR.EMP"}));

        QUILLMERE_COMPARE_GOLDEN("vbnet/oracle_words_Access.vb",
                                 testsupport::readFileBytes(dir.filePath("HR_Access.vb")));
        QUILLMERE_COMPARE_GOLDEN("vbnet/oracle_words_Manager.vb",
                                 testsupport::readFileBytes(dir.filePath("HR_Manager.vb")));
        QCOMPARE(
            host.messages,
            QStringList{"End of Generation\nEMP: primary key rowset could not be read (scripted failure)"});
    }
    void storedProcedureManager()
    {
        QTemporaryDir dir;
        RunInputs in = oracleInputs(dir.path());
        in.ps = true;
        in.gn = {false, true, false};
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("DEPT", {{"DEPTNO", adNumeric}, {"DNAME", adVarChar}});
        catalogue.setTableColumns("EMP", {{"EMPNO", adNumeric}, {"ENAME", adVarChar}, {"DEPTNO", adNumeric}});
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx);
        // Stored-procedure mode saves by rowid: the key rowset is not read.
        QVERIFY(catalogue.keyRequests.isEmpty());
        QCOMPARE(catalogue.queries,
                 (QStringList{"data3: SELECT * from DEPT where rownum<2",
                              "data3: SELECT * from EMP where rownum<2",
                              "data3: SELECT * from DEPT where rownum<2", "data3: SELECT * from DEPT",
                              "data3: SELECT * from EMP where rownum<2", "data3: SELECT * from EMP"}));
        QUILLMERE_COMPARE_GOLDEN("vbnet/oracle_ps_Manager.vb",
                                 testsupport::readFileBytes(dir.filePath("HR_Manager.vb")));
        QCOMPARE(host.messages, QStringList{"End of Generation"});
    }

    // A table whose discovery fails between two good ones: its members lose their
    // per-column lines (never borrowing another table's), and each failed query is reported.
    void failingQueryBetweenGoodTables()
    {
        QTemporaryDir dir;
        RunInputs in = oracleInputs(dir.path());
        in.tdn1 = QStringList{"A", "B", "C"};
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("A", {{"Id", adInteger}});
        catalogue.setTableColumns("C", {{"Code", adVarChar}, {"Label", adVarChar}});
        catalogue.setPrimaryKey("A", {"Id"});
        catalogue.setPrimaryKey("B", {"Id"});
        catalogue.setPrimaryKey("C", {"Code"});
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx);
        QUILLMERE_COMPARE_GOLDEN("vbnet/failing_query_Access.vb",
                                 testsupport::readFileBytes(dir.filePath("HR_Access.vb")));
        QUILLMERE_COMPARE_GOLDEN("vbnet/failing_query_Manager.vb",
                                 testsupport::readFileBytes(dir.filePath("HR_Manager.vb")));
        QCOMPARE(host.messages.size(), 1);
        const QStringList lines = host.messages.first().split('\n');
        // "End of Generation" and the two queries of B (with and without the row limit), each
        // told once though each ran three times.
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[1],
                 QStringLiteral("B: column query \"SELECT * from B where rownum<2\" failed (no such table)"));
        QCOMPARE(lines[2], QStringLiteral("B: column query \"SELECT * from B\" failed (no such table)"));
    }
};

QTEST_GUILESS_MAIN(VbnetScriptedTest)
#include "test_vbnet_scripted.moc"
