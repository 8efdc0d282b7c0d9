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

        // C has two keys to P2, named in a problem line; nothing else is a problem.
        const QString prefix = golden == "parents" ? "C: several foreign keys lead to P2 (a, c);" : "";
        QVERIFY2(run.problems.size() == (prefix.isEmpty() ? 0 : 1) &&
                     (prefix.isEmpty() || run.problems.first().startsWith(prefix)),
                 qPrintable(run.problems.join('\n')));
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

    // Relations whose generated code would go wrong without a word: the files are written
    // as always, and each case is named under "End of Generation".
    void relationProblems_data()
    {
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QString>("modules");
        QTest::addColumn<bool>("gcfk");
        QTest::addColumn<QStringList>("expected");
        const QString mutual = "%1: %2 is both its parent and its child; its data class declares the member "
                               "%2 twice and will not compile";
        const QString twoKeys =
            "film: several foreign keys lead to language (%1); its generated code treats "
            "them as one key, so its join to language requires all of these columns to "
            "match at once and its language property copies them into the same parent key";
        // The columns in the order the driver lists the keys: the last declared first.
        const QString filmKeys = "original_language_id, language_id";
        QTest::newRow("each other, both chosen")
            << QStringList{"store", "staff"} << "012" << true
            << QStringList{mutual.arg("store", "staff"), mutual.arg("staff", "store")};
        QTest::newRow("each other, one chosen")
            << QStringList{"staff"} << "2" << false << QStringList{mutual.arg("staff", "store")};
        QTest::newRow("each other, no data classes")
            << QStringList{"store", "staff"} << "01" << true << QStringList{};
        QTest::newRow("two keys, data classes")
            << QStringList{"film"} << "2" << false << QStringList{twoKeys.arg(filmKeys)};
        QTest::newRow("two keys, join readers")
            << QStringList{"film", "language"} << "0" << true << QStringList{twoKeys.arg(filmKeys)};
        QTest::newRow("two keys, no joins nor classes")
            << QStringList{"film"} << "01" << false << QStringList{};
        QTest::newRow("two keys, parent chosen only")
            << QStringList{"language"} << "012" << true << QStringList{};
        QTest::newRow("composite key is one key")
            << QStringList{"rental", "copy"} << "012" << true << QStringList{};
    }
    void relationProblems()
    {
        QFETCH(QStringList, tables);
        QFETCH(QString, modules);
        QFETCH(bool, gcfk);
        QFETCH(QStringList, expected);
        QTemporaryDir fixture;
        const QString cnx =
            testsupport::sqliteFixture("dataclasses/relation_cases_sqlite.sql", fixture.path());
        QVERIFY(!cnx.isEmpty());
        QTemporaryDir out;
        testsupport::FixtureCatalogue odbc(cnx);
        QVERIFY2(odbc.opened.ok, qPrintable(odbc.opened.message));
        ContGenRun run;
        run.in = shopInputs(out.path(), tables);
        for (int i = 0; i < 3; ++i)
            run.in.gn[std::size_t(i)] = modules.contains(QString::number(i));
        run.in.gcfk = gcfk;
        run.catalogue = &odbc.catalogue;
        run.run();

        QCOMPARE(run.problems, expected);
        QCOMPARE(run.host.messages, QStringList{generators::endOfGenerationText(expected)});
        // The code is written all the same: the duplicate member and the two-column join.
        if (modules.contains('2') && tables.contains("store"))
            QCOMPARE(run.classes().count("Public ReadOnly Property staff()"), 2);
        if (modules.contains('2') && tables.contains("film")) {
            QVERIFY(run.classes().contains("z_language.language_id = z_language_id"));
            QVERIFY(run.classes().contains("z_language.language_id = z_original_language_id"));
        }
    }
};

QTEST_GUILESS_MAIN(JoinsOdbcTest)
#include "test_joins_odbc.moc"
