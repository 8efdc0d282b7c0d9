// How a run ends: a gone connection is one fault (the reads stop, no per-table line, the
// files the run staged are dropped), an output folder that cannot be written is one fault
// found before anything is written, and a long list of ordinary problems starts with a
// count of problems and tables. A run first removes what killed runs left in its folder.
#include "generators/classmodule/class_module_run.h"
#include "generators/common/run_context.h"
#include "generators/common/type_tables.h"
#include "generators/vbnet/generation_run.h"
#include "generators/web/edit_page_run.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace generators;

namespace
{

// Goes away at the key read of one table: that read and every later one fail, as reads
// on a connection that is gone do.
class FailingCatalogue : public testsupport::ScriptedCatalogue
{
public:
    QString goneAt;
    std::optional<QString> fault;
    int readsAfterFault = 0;

    KeyColumns primaryKey(const QString& table, const QString& schema) override
    {
        if (fault)
            ++readsAfterFault;
        if (table == goneAt && !fault)
            fault = QStringLiteral("the server did not answer within 30 s (reading the primary key of %1)")
                        .arg(table);
        if (fault)
            return {false, QStringLiteral("not connected"), {}};
        return ScriptedCatalogue::primaryKey(table, schema);
    }
    IndexRows indexes(const QString& table, const QString& schema) override
    {
        if (fault) {
            ++readsAfterFault;
            return {false, QStringLiteral("not connected"), {}};
        }
        return ScriptedCatalogue::indexes(table, schema);
    }
    std::optional<QString> connectionFault() const override { return fault; }
};

RunInputs classInputs(const QString& folder, const QStringList& tables)
{
    RunInputs in;
    in.pn = folder;
    in.dbn = QStringLiteral("shop_");
    in.tdn1 = tables;
    return in;
}

QStringList tableNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("t%1").arg(i, 4, 10, QLatin1Char('0'));
    return names;
}

} // namespace

class RunFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    // The class-module run over 50 tables, gone at the key read of one of them: where it
    // goes decides how much the run wrote before, never what the message says.
    void goneConnectionIsOneFault_data()
    {
        QTest::addColumn<QString>("goneAt");
        QTest::newRow("first table") << "t0000";
        QTest::newRow("middle table") << "t0025";
        QTest::newRow("last table") << "t0049";
    }
    void goneConnectionIsOneFault()
    {
        QFETCH(QString, goneAt);
        QTemporaryDir dir;
        const QString folder = dir.filePath("out/");
        QVERIFY(QDir().mkpath(folder));
        // The earlier run's file of the first table.
        QFile earlier(folder + "shop_t0000.cls");
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier\r\n");
        earlier.close();

        FailingCatalogue catalogue;
        catalogue.goneAt = goneAt;
        const QStringList tables = tableNames(50);
        for (const QString& table : tables) {
            catalogue.setTableColumns(table, {{"Id", platform::ado::adInteger}});
            catalogue.setPrimaryKey(table, {"Id"});
        }
        testsupport::RecordingHost host;
        RunContext ctx(classInputs(folder, tables), catalogue, host);
        platform::StagedFiles staged;
        ctx.output = &staged;
        ctx.placesOutput = true;
        classmodule::runClassModules(ctx, standardTypeTables());

        QCOMPARE(
            host.messages,
            QStringList{"Generation stopped: the server did not answer within 30 s (reading the primary key "
                        "of " +
                        goneAt +
                        ").\nNo file was replaced: the files of the earlier run are as they "
                        "were."});
        QCOMPARE(ctx.problems, QStringList());
        // The table that met the fault is the last one read.
        QCOMPARE(catalogue.readsAfterFault, 0);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"shop_t0000.cls"});
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier\r\n"));
    }

    // Every run kind, into a folder that is a file or lies under a file: one message naming
    // the folder and the reason, before anything is read or written.
    void unwritableFolderIsOneFault_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QString>("under");
        for (const char* run : {"vbnet", "classes", "edit page"}) {
            QTest::addRow("%s, a file", run) << run << "";
            QTest::addRow("%s, under a file", run) << run << "deeper/";
        }
    }
    void unwritableFolderIsOneFault()
    {
        QFETCH(QString, run);
        QFETCH(QString, under);
        QTemporaryDir dir;
        QFile blocker(dir.filePath("out"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = dir.filePath("out/") + under;

        testsupport::ScriptedCatalogue catalogue;
        const QStringList tables = tableNames(30);
        for (const QString& table : tables) {
            catalogue.setTableColumns(table, {{"Id", platform::ado::adInteger}});
            catalogue.setPrimaryKey(table, {"Id"});
        }
        testsupport::RecordingHost host;
        RunInputs in = classInputs(folder, tables);
        in.gn = {true, true, true};
        in.gnn = {"A.vb", "M.vb", "C.vb"};
        RunContext ctx(in, catalogue, host);
        platform::StagedFiles staged;
        ctx.output = &staged;
        ctx.placesOutput = true;
        if (run == "vbnet")
            vbnet::runGeneration(ctx);
        else if (run == "classes")
            classmodule::runClassModules(ctx, standardTypeTables());
        else
            web::runEditPage(ctx, {"t0001", "t0001.aspx", "t0001.aspx.vb", "Shop", folder},
                             [](const QString&) {});

        QCOMPARE(host.messages.size(), 1);
        QVERIFY2(host.messages[0].startsWith("Generation stopped: the output folder " + folder.chopped(1)),
                 qPrintable(host.messages[0]));
        QVERIFY2(host.messages[0].contains("(Not a directory)"), qPrintable(host.messages[0]));
        QCOMPARE(host.messages[0].count('\n'), 1);
        QVERIFY(!host.progressVisible);
        QCOMPARE(ctx.problems, QStringList());
        QVERIFY(staged.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"out"});
    }

    // The temporary files of killed runs go before a run writes; a link, a folder, a pipe
    // or a file of another name there stays (a hidden ".notes.pdf.part" of the user's too),
    // and so does what a link points to.
    void leftoversOfKilledRunsRemoved()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("out/");
        QVERIFY(QDir().mkpath(folder + ".x.cls.abcdefghijklm.part")); // a folder of the pattern
        const auto write = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
        };
        const QStringList leftovers{".shop_t0000.cls.1z0a9q3k7b2c.part", ".A.vb.000000000000z.part",
                                    ".a b.vb.zzzzzzzzzzzzz.part"};
        for (const QString& name : leftovers)
            QVERIFY(write(folder + name));
        const QStringList others{"kept.part",          ".kept.part",  ".kept.ABC.part",
                                 ".kept.abc.part.old", "t.cls",       ".kept.zzzzzzzzzzzzzz.part",
                                 ".notes.pdf.part",    ".kept.0.part"};
        for (const QString& name : others)
            QVERIFY(write(folder + name));
        QVERIFY(write(dir.filePath("target")));
        QVERIFY(QFile::link(dir.filePath("target"), folder + ".link.cls.abcdefghijklm.part"));
        QVERIFY(::mkfifo(QFile::encodeName(folder + ".fifo.cls.abcdefghijklm.part").constData(), 0600) == 0);

        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("t0000", {{"Id", platform::ado::adInteger}});
        catalogue.setPrimaryKey("t0000", {"Id"});
        testsupport::RecordingHost host;
        RunContext ctx(classInputs(folder, {"t0000"}), catalogue, host);
        platform::StagedFiles staged;
        ctx.output = &staged;
        ctx.placesOutput = true;
        classmodule::runClassModules(ctx, standardTypeTables());
        QCOMPARE(host.messages, QStringList{"End of Generation"});

        QStringList expected = others;
        expected << ".x.cls.abcdefghijklm.part"
                 << ".link.cls.abcdefghijklm.part"
                 << ".fifo.cls.abcdefghijklm.part"
                 << "shop_t0000.cls";
        expected.sort();
        QStringList found =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        found.sort();
        QCOMPARE(found, expected);
        QVERIFY(QFileInfo(dir.filePath("target")).isFile());
    }

    // The end message of ordinary problems: as it was for a short list; a list longer than
    // a message box shows starts with the count of problems and of the tables they name.
    void problemCount_data()
    {
        QTest::addColumn<int>("tables");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QString>("firstLines");
        QTest::newRow("none") << 3 << QStringList{} << "End of Generation";
        QTest::newRow("two") << 3 << QStringList{"t0001: indexes could not be read (x)", "t0002: y"}
                             << "End of Generation\nt0001: indexes could not be read (x)";
        QStringList many;
        for (int i = 0; i < 9; ++i)
            many << QStringLiteral("t%1: a").arg(i * 300, 4, 10, QLatin1Char('0'))
                 << QStringLiteral("t%1: b").arg(i * 300, 4, 10, QLatin1Char('0'));
        many << "t0000: c"
             << "The foreign keys could not be read (z)"
             << "/out/x.vb: cannot be opened (denied)";
        QTest::newRow("long list") << 3000 << many
                                   << "21 problems in 9 of 3,000 tables\nEnd of Generation\nt0000: a";
    }
    void problemCount()
    {
        QFETCH(int, tables);
        QFETCH(QStringList, problems);
        QFETCH(QString, firstLines);
        const QString text = endOfGenerationText(problems, tableNames(tables));
        QVERIFY2(text.startsWith(firstLines), qPrintable(text));
        QCOMPARE(text.count('\n'), problems.size() + (text.startsWith("End of") ? 0 : 1));
        for (const QString& problem : problems)
            QVERIFY(text.contains("\n" + problem));
    }
};

QTEST_GUILESS_MAIN(RunFaultsTest)
#include "test_run_faults.moc"
