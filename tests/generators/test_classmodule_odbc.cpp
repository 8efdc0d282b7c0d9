// Class modules through the real database layer on a SQLite fixture: column types from
// the driver (apostrophe, '#' and bare literals), a two-column first index followed by a
// one-column index, a table without any index, and a table whose name and column hold
// a blank. Files and preview are compared byte for byte with the goldens. On PostgreSQL,
// a table name found in two schemas takes the indexes of the chosen schema only.

#include "generators/classmodule/class_module_run.h"
#include "generators/common/ado_catalogue.h"
#include "support/fixture_catalogue.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/recording_host.h"

#include <QTemporaryDir>
#include <QTest>

using namespace generators;

class ClassModuleOdbcTest : public QObject
{
    Q_OBJECT
private slots:
    void threeTables()
    {
        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("classmodule/shop.sql"), dir.path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue database(cnx);
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));
        AdoCatalogue& catalogue = database.catalogue;

        RunInputs in;
        in.pn = dir.filePath("out/");
        in.dbn = QStringLiteral("shop_");
        in.tdn1 = QStringList{"Notes", "Order Notes", "Orders"};
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());
        QCOMPARE(host.messages,
                 QStringList{"End of Generation\nOrder Notes: the table's name holds a blank and the column "
                             "\"Note Text\" holds a blank, so the generated VB code will not compile as it "
                             "stands; rename them, or correct the names in the generated files."});

        QString expectedPreview;
        const QList<std::pair<QString, QString>> files{{"Notes", "odbc_Notes.cls"},
                                                       {"Order Notes", "odbc_Order_Notes.cls"},
                                                       {"Orders", "odbc_Orders.cls"}};
        for (const auto& [table, golden] : files) {
            const QString path = in.pn + "shop_" + table + ".cls";
            const QByteArray bytes = testsupport::readFileBytes(path);
            QUILLMERE_COMPARE_GOLDEN("classmodule/" + golden, bytes);
            expectedPreview += "\r\n******* " + path + "\r\n" + QString::fromLatin1(bytes.chopped(2));
        }
        QCOMPARE(host.previews[kPreviewVb6], expectedPreview);
    }

    // Employees, orders, lines and notes: a self-reference, a two-column key, a table
    // without a key, and two further indexes. Each module's update selects its row by
    // the primary key as the driver gives it. PostgreSQL gives its keys and indexes in
    // the same order, so its modules differ only where it folds unquoted names to lower
    // case. MariaDB keeps an index of its own for the self-reference, so Emp has a
    // module of its own there.
    void empOrdersModules_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QStringList>("ownGoldens"); // tables whose module is the backend's own
        QTest::newRow("SQLite") << "sqlite" << QStringList{};
        QTest::newRow("PostgreSQL") << "pg" << QStringList{};
        QTest::newRow("MariaDB") << "mariadb" << QStringList{"Emp"};
    }
    void empOrdersModules()
    {
        QFETCH(QString, backend);
        QFETCH(QStringList, ownGoldens);
        const bool postgres = backend == "pg";
        QTemporaryDir dir;
        QString cnx;
        if (postgres) {
            if (!testsupport::pgAvailable())
                QSKIP("no PostgreSQL test server (run through scripts/run-tests.sh)");
            cnx = testsupport::pgFixture(QStringLiteral("emp_orders.sql"));
        } else if (backend == "mariadb") {
            if (!testsupport::mariadbAvailable())
                QSKIP("no MariaDB test server (run through scripts/run-tests.sh)");
            cnx = testsupport::mariadbFixture(QStringLiteral("emp_orders_mariadb.sql"));
        } else {
            cnx = testsupport::sqliteFixture(QStringLiteral("emp_orders.sql"), dir.path());
        }
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue database(cnx);
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));

        const QStringList tables{"Emp", "Line", "Note", "Orders"};
        RunInputs in;
        in.pn = dir.filePath("out/");
        for (const QString& table : tables)
            in.tdn1.append(postgres ? table.toLower() : table);
        testsupport::RecordingHost host;
        RunContext ctx(in, database.catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());
        QCOMPARE(host.messages, QStringList{"End of Generation"});
        for (qsizetype i = 0; i < tables.size(); ++i) {
            const QString golden = "classmodule/emp_orders_" +
                                   (ownGoldens.contains(tables[i]) ? backend + '_' : QString()) + tables[i] +
                                   ".cls";
            const QByteArray bytes = testsupport::readFileBytes(in.pn + in.tdn1[i] + ".cls");
            if (postgres)
                QCOMPARE(
                    bytes.toLower(),
                    testsupport::readFileBytes(QStringLiteral(QUILLMERE_GOLDEN_DIR "/") + golden).toLower());
            else
                QUILLMERE_COMPARE_GOLDEN(golden, bytes);
        }
    }

    void indexesOfTheChosenSchema_data()
    {
        QTest::addColumn<QString>("schemaFilter");
        QTest::addColumn<QStringList>("orderLines");
        QTest::addColumn<QStringList>("keyLines");
        const QString byId = R"(    if num_index = %1 then my_order = " order by id")";
        const QString byCode = R"(    if num_index = %1 then my_order = " order by code, rev")";
        const QString idKey = R"(        If not isnull(dbl("id")) then If zi_id <> dbl("id") Then ind = 0)";
        QTest::newRow("chosen schema") << "cm_sales" << QStringList{byId.arg(1)} << QStringList{idKey};
        QTest::newRow("other schema")
            << "cm_archive" << QStringList{byCode.arg(1)}
            << QStringList{
                   R"(        If not isnull(dbl("code")) then If zi_code <> dbl("code") Then ind = 0)",
                   R"(        If not isnull(dbl("rev")) then If zi_rev <> dbl("rev") Then ind = 0)"};
    }
    void indexesOfTheChosenSchema()
    {
        QFETCH(QString, schemaFilter);
        QFETCH(QStringList, orderLines);
        QFETCH(QStringList, keyLines);
        if (!testsupport::pgAvailable())
            QSKIP("no PostgreSQL test server (run through scripts/run-tests.sh)");
        const QString pg = testsupport::pgFixture(QStringLiteral("classmodule/two_schemas_pg.sql"));
        QVERIFY2(!pg.isEmpty(), "the fixture database could not be built");
        // The table is listed by name alone, as an Oracle schema's tables are.
        const QString cnx = pg + QStringLiteral("ConnSettings=SET search_path TO %1;").arg(schemaFilter);
        testsupport::FixtureCatalogue database(cnx);
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));
        AdoCatalogue& catalogue = database.catalogue;

        QTemporaryDir dir;
        RunInputs in;
        in.pn = dir.filePath("out/");
        in.tdn1 = QStringList{"items"};
        in.schema_filter = schemaFilter;
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());
        // The table the bare name reaches is the one of the search path.
        QCOMPARE(host.messages,
                 QStringList{"End of Generation\nitems: a table of this name is in the schemas "
                             "cm_archive, cm_sales; the run read the one in " +
                             schemaFilter});

        const QStringList lines = QString::fromLatin1(testsupport::readFileBytes(in.pn + "items.cls"))
                                      .split(QStringLiteral("\r\n"));
        const auto linesBetween = [&lines](const QString& first, const QString& last) {
            const qsizetype from = lines.indexOf(first);
            const qsizetype to = lines.indexOf(last, from);
            return from < 0 || to < 0 ? QStringList{} : lines.mid(from + 1, to - from - 1);
        };
        QCOMPARE(linesBetween(R"(    my_order="")", "End Function"), orderLines);
        QCOMPARE(linesBetween("        ind = 1",
                              "        If ind = 0 then If not dbl.eof then dbl.movenext else exit do"),
                 keyLines);
    }
};

QTEST_GUILESS_MAIN(ClassModuleOdbcTest)
#include "test_classmodule_odbc.moc"
