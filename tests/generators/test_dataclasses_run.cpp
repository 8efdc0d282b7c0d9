// A whole VB.NET run with the three modules ticked: every module file it leaves is
// finished, with its namespace and each class or module closed exactly once.

#include "generators/vbnet/generation_run.h"
#include "test_dataclasses_support.h"

#include <QRegularExpression>
#include <QTest>

using namespace generators;
using namespace dataclassestest;

namespace
{

int countLines(const QStringList& lines, const QString& pattern)
{
    const QRegularExpression re(pattern);
    int n = 0;
    for (const QString& line : lines)
        n += re.match(line).hasMatch() ? 1 : 0;
    return n;
}

} // namespace

class DataClassesRunTest : public QObject
{
    Q_OBJECT
private slots:
    void threeFinishedModules_data()
    {
        QTest::addColumn<bool>("gcfk");
        QTest::addColumn<bool>("ps");
        QTest::newRow("plain") << false << false;
        QTest::newRow("joins") << true << false;
        QTest::newRow("stored procedures, joins") << true << true;
    }
    void threeFinishedModules()
    {
        QFETCH(bool, gcfk);
        QFETCH(bool, ps);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptShop(catalogue);
        for (const char* table : {"CUSTOMERS", "EMPLOYEES", "ORDERS", "ORDER_LINES", "SHIPMENTS"})
            catalogue.setPrimaryKey(table, {"ID"});
        testsupport::RecordingHost host;
        RunInputs in =
            shopInputs(dir.path(), {"CUSTOMERS", "EMPLOYEES", "ORDERS", "ORDER_LINES", "SHIPMENTS"});
        in.gcfk = gcfk;
        in.ps = ps;
        if (ps) {
            in.net_ns = "OracleClient";
            in.net_prefix = "Oracle";
            in.row_limit = " where rownum<2";
            in.from_dual = " from dual";
        }
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx);

        QVERIFY2(ctx.problems.isEmpty(), qPrintable(ctx.problems.join('\n')));
        QCOMPARE(host.messages, QStringList{"End of Generation"});
        QCOMPARE(host.progress, host.progressMax); // every counted unit was stepped
        for (const QString& name : in.gnn) {
            const QStringList lines =
                platform::readTextLines(in.pn + name, platform::TextEncoding::Windows1252).lines;
            QVERIFY2(!lines.isEmpty(), qPrintable(name));
            QCOMPARE(countLines(lines, "^NameSpace "), 1);
            QCOMPARE(countLines(lines, "^End NameSpace$"), 1);
            QCOMPARE(lines.last(), QStringLiteral("End NameSpace"));
            QCOMPARE(countLines(lines, "^Public Class "), countLines(lines, "^End Class$"));
            QCOMPARE(countLines(lines, "^Public Module "), countLines(lines, "^End Module$"));
            QCOMPARE(countLines(lines, "^\\s*Public Structure "), countLines(lines, "^\\s*End Structure$"));
        }
        const QStringList access =
            platform::readTextLines(in.pn + in.gnn[0], platform::TextEncoding::Windows1252).lines;
        QCOMPARE(countLines(access, "^Public Class DAL$"), 1);
        QCOMPARE(countLines(access, "Reader\\(ByVal z_ORDERS_CUSTOMERS as ORDERS_CUSTOMERS\\)"),
                 gcfk ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(DataClassesRunTest)
#include "test_dataclasses_run.moc"
