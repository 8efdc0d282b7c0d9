// How a run ends: a gone connection is one fault (the reads stop, no per-table line, the
// files the run staged are dropped), and a long list of ordinary problems starts with a
// count of problems and tables.
#include "generators/classmodule/class_module_run.h"
#include "generators/common/run_context.h"
#include "generators/common/type_tables.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

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
