// Join readers and managers through the real ODBC layer on SQLite: the same text as the
// scripted cases for the same schema, and the closing lines whatever the options.

#include "generators/common/ado_catalogue.h"
#include "support/fixture_catalogue.h"
#include "support/fixture_db.h"
#include "test_dataclasses_support.h"

#include <QTest>

using namespace generators;
using namespace dataclassestest;

namespace
{

} // namespace

class JoinsOdbcTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString connectionString_;

private slots:
    void initTestCase()
    {
        connectionString_ = testsupport::sqliteFixture("dataclasses/joins_sqlite.sql", dir_.path());
        QVERIFY(!connectionString_.isEmpty());
    }

    // The goldens are those of the scripted catalogue for the same tables and keys.
    void sameTextAsScripted_data()
    {
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QString>("modules");
        QTest::addColumn<QString>("golden");
        QTest::newRow("example reader") << QStringList{"T"} << "0"
                                        << "example";
        QTest::newRow("parents P2, P1, P2, P3") << QStringList{"C"} << "012"
                                                << "parents";
    }
    void sameTextAsScripted()
    {
        QFETCH(QStringList, tables);
        QFETCH(QString, modules);
        QFETCH(QString, golden);
        QTemporaryDir out;
        testsupport::FixtureCatalogue odbc(connectionString_);
        QVERIFY2(odbc.opened.ok, qPrintable(odbc.opened.message));
        ContGenRun run;
        run.in = shopInputs(out.path(), tables);
        for (int i = 0; i < 3; ++i)
            run.in.gn[std::size_t(i)] = modules.contains(QString::number(i));
        run.in.gcfk = true;
        run.catalogue = &odbc.catalogue;
        run.run();

        QVERIFY2(run.problems.isEmpty(), qPrintable(run.problems.join('\n')));
        QUILLMERE_COMPARE_GOLDEN("dataclasses/" + golden + "_access.vb", run.appended(run.in.gnn[0]));
        if (run.in.gn[1])
            QUILLMERE_COMPARE_GOLDEN("dataclasses/" + golden + "_manager.vb", run.appended(run.in.gnn[1]));
        if (run.in.gn[2])
            QUILLMERE_COMPARE_GOLDEN("dataclasses/" + golden + "_classes.vb", run.classes());
    }

    // Without the join option, or with a module unticked: exactly the closing lines, or
    // nothing; the bar moves only for the data classes.
    void closingLinesOnly_data()
    {
        QTest::addColumn<QString>("modules");
        QTest::addColumn<bool>("gcfk");
        QTest::addColumn<QByteArray>("access"); // appended
        QTest::addColumn<QByteArray>("manager");
        QTest::addColumn<double>("progress");
        const QByteArray accessEnd = "\r\nEnd Class\r\nEnd NameSpace\r\n";
        const QByteArray managerEnd = "End NameSpace\r\n";
        QTest::newRow("no joins") << "012" << false << accessEnd << managerEnd << 2.0;
        QTest::newRow("no joins, no classes") << "01" << false << accessEnd << managerEnd << 0.0;
        QTest::newRow("data access unticked") << "12" << true << QByteArray() << QByteArray("x") << 6.0;
        QTest::newRow("data manager unticked") << "02" << true << QByteArray("x") << QByteArray() << 6.0;
    }
    void closingLinesOnly()
    {
        QFETCH(QString, modules);
        QFETCH(bool, gcfk);
        QFETCH(QByteArray, access);
        QFETCH(QByteArray, manager);
        QFETCH(double, progress);
        QTemporaryDir out;
        testsupport::FixtureCatalogue odbc(connectionString_);
        ContGenRun run;
        run.in = shopInputs(out.path(), {"C", "T"});
        run.in.gcfk = gcfk;
        for (int i = 0; i < 3; ++i)
            run.in.gn[std::size_t(i)] = modules.contains(QString::number(i));
        for (const QString& name : {run.in.gnn[0], run.in.gnn[1]}) {
            QFile file(run.in.pn + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kRunWrote);
        }
        run.catalogue = &odbc.catalogue;
        run.run(/*seedModules=*/false);

        // "x": the joins are there; empty: the file is as the run left it.
        const auto check = [&](const QString& name, const QByteArray& expected) {
            if (expected.isEmpty())
                QCOMPARE(run.bytes(name), kRunWrote);
            else if (expected == "x")
                QVERIFY(run.appended(name).contains("'Foreign Keys - Join Classes"));
            else
                QCOMPARE(run.appended(name), expected);
        };
        check(run.in.gnn[0], access);
        check(run.in.gnn[1], manager);
        QCOMPARE(run.host.progress, progress);
    }
};

QTEST_GUILESS_MAIN(JoinsOdbcTest)
#include "test_joins_odbc.moc"
