// The generation run's checks and sequence: what a run with given choices refuses, the
// progress maximum it sets, which previews it empties, what it writes and says at the end.

#include "generators/vbnet/generation_run.h"
#include "support/golden.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace generators;

namespace
{

RunInputs plainInputs(const QString& folder)
{
    RunInputs in;
    in.pn = folder;
    in.dbn = QStringLiteral("Shop_");
    in.gnn = {QStringLiteral("Shop_Access.vb"), QStringLiteral("Shop_Manager.vb"),
              QStringLiteral("Shop_Classes.vb")};
    in.cnxstr = QStringLiteral("Provider=SQLOLEDB.1;Data Source=srv;Initial Catalog=Shop");
    in.net_ns = QStringLiteral("OleDB");
    in.net_prefix = QStringLiteral("OleDB");
    return in;
}

void scriptTables(testsupport::ScriptedCatalogue& catalogue, const QStringList& tables)
{
    for (const QString& table : tables) {
        catalogue.setTableColumns(table, {{"Id", 3}, {"Name", 202}});
        catalogue.setPrimaryKey(table, {"Id"});
    }
}

QStringList tableNames(int count)
{
    QStringList tables;
    for (int i = 0; i < count; ++i)
        tables.append(QStringLiteral("T%1").arg(i));
    return tables;
}

} // namespace

class VbnetRunTest : public QObject
{
    Q_OBJECT
private slots:
    void checksAndSequence_data()
    {
        QTest::addColumn<QString>("modules"); // "012" = gn(0), gn(1), gn(2) ticked
        QTest::addColumn<bool>("gcfk");
        QTest::addColumn<bool>("ps");
        QTest::addColumn<int>("tables");
        QTest::addColumn<double>("maximum"); // 100 = left as it was
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("accessWritten"); // the plain data access module
        QTest::addColumn<bool>("managerWritten");

        const QString option = "Choose at least one option!";
        const QString table = "Choose at least one table!";
        const QString end = "End of Generation";
        QTest::newRow("nothing chosen") << "" << false << false << 0 << 100.0 << option << false << false;
        QTest::newRow("no module") << "" << true << true << 2 << 100.0 << option << false << false;
        QTest::newRow("no table") << "01" << false << false << 0 << 100.0 << table << false << false;
        QTest::newRow("access alone") << "0" << false << false << 3 << 3.0 << end << true << false;
        QTest::newRow("manager alone") << "1" << false << false << 2 << 2.0 << end << false << true;
        QTest::newRow("classes alone") << "2" << false << false << 2 << 2.0 << end << false << false;
        QTest::newRow("two modules, joins") << "01" << true << false << 2 << 8.0 << end << true << true;
        QTest::newRow("everything") << "012" << true << true << 2 << 14.0 << end << false << true;
        QTest::newRow("ps without access") << "1" << false << true << 1 << 2.0 << end << false << true;
        QTest::newRow("one table") << "012" << false << false << 1 << 3.0 << end << true << true;
    }
    void checksAndSequence()
    {
        QFETCH(QString, modules);
        QFETCH(bool, gcfk);
        QFETCH(bool, ps);
        QFETCH(int, tables);
        QFETCH(double, maximum);
        QFETCH(QString, message);
        QFETCH(bool, accessWritten);
        QFETCH(bool, managerWritten);

        QTemporaryDir dir;
        RunInputs in = plainInputs(dir.filePath("out/gen/"));
        for (int i = 0; i < 3; ++i)
            in.gn[std::size_t(i)] = modules.contains(QString::number(i));
        in.gcfk = gcfk;
        in.ps = ps;
        in.tdn1 = tableNames(tables);
        testsupport::ScriptedCatalogue catalogue;
        scriptTables(catalogue, in.tdn1);
        testsupport::RecordingHost host;
        host.progress = 5;
        for (int i = 0; i <= 4; ++i)
            host.previews[i] = QStringLiteral("old");
        RunContext ctx(in, catalogue, host);
        ctx.fk_rows.append("P", "Id", "C", "PId");

        vbnet::runGeneration(ctx);

        QVERIFY(QDir(dir.filePath("out/gen")).exists());
        QCOMPARE(host.messages, QStringList{message});
        QCOMPARE(host.progressMax, maximum);
        const bool refused = message != "End of Generation";
        if (refused) {
            QVERIFY(host.progressVisible);
            QCOMPARE(host.progress, 0.0);
            QVERIFY(host.events.isEmpty());
            QCOMPARE(host.previews[0], QStringLiteral("old"));
            QCOMPARE(ctx.fk_rows.count(), 1);
            QVERIFY(!host.busy);
            return;
        }
        QVERIFY(!host.progressVisible);
        QVERIFY(!host.busy);
        QCOMPARE(ctx.fk_rows.count(), 0);
        // Previews 0 to 3 are emptied first, in order; the class-module preview is kept.
        QCOMPARE(host.events.mid(0, 4), (QStringList{"clear 0", "clear 1", "clear 2", "clear 3"}));
        QVERIFY(!host.events.contains("clear 4"));
        QCOMPARE(host.previews[4], QStringLiteral("old"));

        const QByteArray access = testsupport::readFileBytes(dir.filePath("out/gen/Shop_Access.vb"));
        // Only the plain module builds its SQL in the reader; the package-calling one calls packages.
        QCOMPARE(access.contains("z_sql = \"select * from T0\""), accessWritten);
        QCOMPARE(host.previews[0].contains("z_sql = \"select * from T0\""), accessWritten);
        const QByteArray manager = testsupport::readFileBytes(dir.filePath("out/gen/Shop_Manager.vb"));
        QCOMPARE(manager.startsWith(ps ? "NameSpace Common.Data.Pkg\r\n" : "NameSpace Common.Data\r\n"),
                 managerWritten);
        if (!managerWritten)
            QVERIFY(!QFile::exists(dir.filePath("out/gen/Shop_Manager.vb")));
        // Each pass raises the bar by one per table and never passes the maximum: one pass
        // per ticked module, and one more per ticked module with the join option.
        QVERIFY(host.progress <= host.progressMax);
        if (!(ps && in.gn[0])) {
            const int passes = (int(in.gn[0]) + int(in.gn[1]) + int(in.gn[2])) * (gcfk ? 2 : 1);
            QCOMPARE(host.progress, double(passes * tables));
        }
    }

    // With the solution dialog open the run shows nothing at the end; its problems go back to
    // the caller, which tells them in the solution's own end message.
    void solutionDialogTakesTheEndMessage()
    {
        QTemporaryDir dir;
        RunInputs in = plainInputs(dir.path() + "/");
        in.gn = {true, true, false};
        in.tdn1 = tableNames(2);
        in.solutionVisible = true;
        testsupport::ScriptedCatalogue catalogue;
        scriptTables(catalogue, {"T0"});
        catalogue.failQuery("SELECT * from T1");
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx);
        QVERIFY(host.messages.isEmpty());
        QVERIFY(!host.progressVisible);
        QVERIFY(QFile::exists(dir.filePath("Shop_Manager.vb")));
        QVERIFY(!ctx.problems.isEmpty());
        for (const QString& problem : ctx.problems)
            QVERIFY2(problem.startsWith("T1: column query \"SELECT * from T1\" failed"), qPrintable(problem));
    }

    void unwritableFolderIsReportedAtTheEnd()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        RunInputs in = plainInputs(dir.filePath("blocker/out/"));
        in.gn = {true, false, false};
        in.tdn1 = tableNames(1);
        testsupport::ScriptedCatalogue catalogue;
        scriptTables(catalogue, in.tdn1);
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx);

        // Every line still reaches the preview.
        QVERIFY(host.previews[0].startsWith("\r\nImports System.Data.OleDB\r\n"));
        QVERIFY(host.previews[0].endsWith("\r\nEnd Class\r\nEnd NameSpace"));
        QCOMPARE(host.messages.size(), 1);
        const QStringList lines = host.messages.first().split('\n');
        QCOMPARE(lines.first(), QStringLiteral("End of Generation"));
        // The module's own pass and the closing lines appended later both fail to open it;
        // the file is named once.
        QVERIFY2(lines.size() == 2 && lines[1].contains("Shop_Access.vb: cannot be opened"),
                 qPrintable(host.messages.first()));
    }

    void smkdirCreatesLevelByLevel_data()
    {
        QTest::addColumn<QString>("path");      // below the temporary folder
        QTest::addColumn<QStringList>("exist"); // folders that exist afterwards
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("trailing separator") << "a/b/" << QStringList{"a", "a/b"} << QStringList{};
        QTest::newRow("no trailing separator") << "a/b" << QStringList{"a"} << QStringList{"a/b"};
        QTest::newRow("double separator") << "a//b/" << QStringList{"a", "a/b"} << QStringList{};
    }
    void smkdirCreatesLevelByLevel()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, exist);
        QFETCH(QStringList, absent);
        QTemporaryDir dir;
        RunInputs in = plainInputs(dir.filePath(path));
        testsupport::ScriptedCatalogue catalogue;
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx); // refused: no module, but the folder comes first
        for (const QString& folder : exist)
            QVERIFY2(QDir(dir.filePath(folder)).exists(), qPrintable(folder));
        for (const QString& folder : absent)
            QVERIFY2(!QDir(dir.filePath(folder)).exists(), qPrintable(folder));
    }
};

QTEST_GUILESS_MAIN(VbnetRunTest)
#include "test_vbnet_run.moc"
