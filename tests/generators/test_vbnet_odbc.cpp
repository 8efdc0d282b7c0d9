// The data access and data manager modules through the real database layer, on SQLite
// databases built from the fixture scripts (PostgreSQL where schemas matter), compared
// byte for byte with the goldens.

#include "generators/common/ado_catalogue.h"
#include "generators/shop_inputs.h"
#include "generators/vbnet/generation_run.h"
#include "support/fixture_catalogue.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/recording_host.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace generators;

namespace
{

// What Connect leaves for a full connection string (the "other" kind).
RunInputs otherKindInputs(const QString& folder, const QStringList& tables)
{
    return testsupport::shopInputs(folder + QLatin1Char('/'), tables);
}

} // namespace

class VbnetOdbcTest : public QObject
{
    Q_OBJECT
private slots:
    void goldens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<bool>("ps");
        QTest::addColumn<QStringList>("problemTables"); // the table of each problem in the end message

        QTest::newRow("one table") << "one_table" << QStringList{"Customers"} << false << QStringList{};
        QTest::newRow("several tables")
            << "several_tables" << QStringList{"Customers", "OrderLines", "Orders"} << false << QStringList{};
        QTest::newRow("composite key")
            << "composite_key" << QStringList{"OrderLines"} << false << QStringList{};
        QTest::newRow("no key") << "no_key" << QStringList{"Notes"} << false << QStringList{};
        QTest::newRow("failing view")
            << "failing_view" << QStringList{"Customers", "Lost", "Notes"} << false
            << QStringList(2, "Lost"); // its column query and its key rowset, once each
        // Written as it is, with a word that its code will not compile.
        QTest::newRow("odd name") << "odd_name" << QStringList{"Order Details"} << false
                                  << QStringList{"Order Details"};
        QTest::newRow("ps") << "ps" << QStringList{"Customers", "OrderLines"} << true << QStringList{};
    }
    void goldens()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, tables);
        QFETCH(bool, ps);
        QFETCH(QStringList, problemTables);

        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("vbnet/shop.sql"), dir.path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue database(cnx);
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));
        AdoCatalogue& catalogue = database.catalogue;

        RunInputs in = otherKindInputs(dir.path(), tables);
        if (ps) {
            // Stored-procedure mode as an Oracle connection leaves it, but for row_limit:
            // SQLite refuses "where rownum<2" (that word is covered with a scripted catalogue).
            in.ps = true;
            in.gn = {false, true, false};
            in.net_ns = QStringLiteral("OracleClient");
            in.net_prefix = QStringLiteral("Oracle");
            in.from_dual = QStringLiteral(" from dual");
        }
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx);

        if (!ps)
            QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_" + name + "_Access.vb",
                                     testsupport::readFileBytes(dir.filePath("Shop_Access.vb")));
        QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_" + name + "_Manager.vb",
                                 testsupport::readFileBytes(dir.filePath("Shop_Manager.vb")));
        // The previews echo the files: CR LF before each line.
        const QByteArray manager = testsupport::readFileBytes(dir.filePath("Shop_Manager.vb"));
        QCOMPARE(host.previews[kPreviewDataManager].toUtf8(), "\r\n" + manager.chopped(2));

        QCOMPARE(host.messages.size(), 1);
        QStringList lines = host.messages.first().split('\n');
        QCOMPARE(lines.takeFirst(), QStringLiteral("End of Generation"));
        QStringList named;
        for (const QString& line : lines)
            named.append(line.section(':', 0, 0));
        QVERIFY2(named == problemTables, qPrintable(host.messages.first()));
    }

    // A table whose query gives no column at all (PostgreSQL allows one) is named in the
    // run's end message; the other table is written as usual.
    void tableWithoutColumns()
    {
        if (!testsupport::pgAvailable())
            QSKIP("no PostgreSQL test server (run through scripts/run-tests.sh)");
        const QString pg = testsupport::pgFixture(QStringLiteral("vbnet/no_columns_pg.sql"));
        QVERIFY2(!pg.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue database(pg +
                                               QStringLiteral("ConnSettings=SET search_path TO vb_hollow;"));
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));
        QTemporaryDir dir;
        RunInputs in = otherKindInputs(dir.path(), {"hollow", "items"});
        in.schema_filter = QStringLiteral("vb_hollow");
        testsupport::RecordingHost recorder;
        RunContext ctx(in, database.catalogue, recorder);
        vbnet::runGeneration(ctx);
        QCOMPARE(
            recorder.messages,
            QStringList{"End of Generation\nhollow: column query \"SELECT * from hollow\" gives no columns"});
        const QString manager =
            QString::fromLatin1(testsupport::readFileBytes(dir.filePath("Shop_Manager.vb")));
        QVERIFY(manager.contains("Public Function Getitems(ByVal z_items as items) As items"));
    }

    // On a catalogue with several schemas, the key overload takes the key of the chosen
    // schema's table only.
    void keyOfTheChosenSchemaOnly()
    {
        if (!testsupport::pgAvailable())
            QSKIP("no PostgreSQL test server (run through scripts/run-tests.sh)");
        const QString pg = testsupport::pgFixture(QStringLiteral("vbnet/two_schemas.sql"));
        QVERIFY2(!pg.isEmpty(), "the fixture database could not be built");
        // The tables are listed by name alone, as an Oracle schema's are.
        const QString cnx = pg + QStringLiteral("ConnSettings=SET search_path TO vb_sales;");
        testsupport::FixtureCatalogue database(cnx);
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));
        AdoCatalogue& catalogue = database.catalogue;
        QTemporaryDir dir;
        RunInputs in = otherKindInputs(dir.path(), {"items"});
        in.gn = {false, true, false};
        in.schema_filter = QStringLiteral("vb_sales");
        testsupport::RecordingHost recorder;
        RunContext ctx(in, catalogue, recorder);
        vbnet::runGeneration(ctx);
        QCOMPARE(recorder.messages,
                 QStringList{"End of Generation\nitems: a table of this name is in the schemas "
                             "vb_archive, vb_sales; the run read the one in vb_sales"});

        const QString manager =
            QString::fromLatin1(testsupport::readFileBytes(dir.filePath("Shop_Manager.vb")));
        const QString overload = "    Public Sub Saveitems(ByVal update_items as items)\r\n"
                                 "        Dim y_items as items\r\n"
                                 "        y_items = New items\r\n"
                                 "        y_items.id = update_items.id\r\n"
                                 "        Saveitems (update_items, y_items)\r\n"
                                 "    End Sub\r\n";
        QVERIFY2(manager.contains(overload), qPrintable(manager));
    }
};

QTEST_GUILESS_MAIN(VbnetOdbcTest)
#include "test_vbnet_odbc.moc"
