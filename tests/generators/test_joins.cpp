// Join classes, join readers and join managers: the text of each pass byte for byte, the
// column queries each pass makes, its progress steps, and the closing lines written
// whatever the join option holds.

#include "test_dataclasses_support.h"

#include <QTest>

using namespace generators;
using namespace dataclassestest;
using namespace platform::ado;

namespace
{

const QStringList kShopTables{"CUSTOMERS", "EMPLOYEES", "ORDERS", "ORDER_LINES", "SHIPMENTS"};

// Seeds both modules the run would have written, ticked or not, so that an unticked
// module can be seen untouched.
void seedBoth(const RunInputs& in)
{
    for (int i = 0; i < 2; ++i) {
        QFile file(in.pn + in.gnn[std::size_t(i)]);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kRunWrote);
    }
}

QList<QByteArray> linesContaining(const QByteArray& bytes, const QByteArray& part)
{
    QList<QByteArray> found;
    for (const QByteArray& line : byteLines(bytes))
        if (line.contains(part))
            found.append(line);
    return found;
}

} // namespace

class JoinsTest : public QObject
{
    Q_OBJECT
private slots:
    // The shop schema with every module and the join option: a key between two chosen
    // tables (doubled join terms), a composite key, a self-reference (left out of the
    // joins) and a parent that is not chosen.
    void shopMatchesGoldens()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptShop(catalogue);
        ContGenRun run;
        run.in = shopInputs(dir.path(), kShopTables);
        run.in.gcfk = true;
        run.catalogue = &catalogue;
        run.run();

        QVERIFY2(run.problems.isEmpty(), qPrintable(run.problems.join('\n')));
        QUILLMERE_COMPARE_GOLDEN("dataclasses/shop_joins_classes.vb", run.classes());
        QUILLMERE_COMPARE_GOLDEN("dataclasses/shop_joins_access.vb", run.appended(run.in.gnn[0]));
        QUILLMERE_COMPARE_GOLDEN("dataclasses/shop_joins_manager.vb", run.appended(run.in.gnn[1]));
        QCOMPARE(run.host.shownPreviews,
                 (QList<int>{kPreviewDataClasses, kPreviewDataAccess, kPreviewDataManager}));
        QVERIFY(!run.classes().contains("EMPLOYEES_EMPLOYEES"));
        QVERIFY(!run.access().contains("EMPLOYEES_EMPLOYEES"));
        QVERIFY(!run.manager().contains("EMPLOYEES_EMPLOYEES"));
        // The key between two chosen tables stands twice in the work list: two join terms.
        QCOMPARE(linesContaining(run.access(), "ORDERS.CUSTOMER_ID=CUSTOMERS.ID").size(), 2);
    }

    // The example of a child T (c1, c2) whose c2 references p1 of P.
    void exampleReader()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("T", {{"c1", 200}, {"c2", 3}});
        catalogue.setTableColumns("P", {{"p1", 3}});
        catalogue.setForeignKeys({fk("P", "p1", "T", "c2")});
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"T"});
        run.in.gn = {true, false, false};
        run.in.gcfk = true;
        run.catalogue = &catalogue;
        run.run();

        QUILLMERE_COMPARE_GOLDEN("dataclasses/example_access.vb", run.appended(run.in.gnn[0]));
        QCOMPARE(run.host.progress, 1.0);
    }

    // Entries naming the parents P2, P1, P2 and P3: three readers and three managers in
    // that order under one header; P2's two keys give its reader two join terms. The
    // child's query fails, so the first parent term has no separator.
    void parentsInFirstSeenOrder_data()
    {
        QTest::addColumn<bool>("childFails");
        QTest::addColumn<QString>("golden");
        QTest::newRow("child with columns") << false << "parents";
        QTest::newRow("child without columns") << true << "no_child_columns";
    }
    void parentsInFirstSeenOrder()
    {
        QFETCH(bool, childFails);
        QFETCH(QString, golden);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("C",
                                  {{"id", adInteger}, {"a", adInteger}, {"b", adInteger}, {"c", adInteger}});
        if (childFails)
            catalogue.failQuery("SELECT * from C");
        for (const char* parent : {"P1", "P2", "P3"})
            catalogue.setTableColumns(parent, {{"id", adInteger}, {"label", adVarWChar}});
        catalogue.setForeignKeys({fk("P2", "id", "C", "a"), fk("P1", "id", "C", "b"),
                                  fk("P2", "label", "C", "c"), fk("P3", "id", "C", "c")});
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"C"});
        run.in.gn = {true, true, true};
        run.in.gcfk = true;
        run.catalogue = &catalogue;
        run.run();

        QUILLMERE_COMPARE_GOLDEN("dataclasses/" + golden + "_classes.vb", run.classes());
        QUILLMERE_COMPARE_GOLDEN("dataclasses/" + golden + "_access.vb", run.appended(run.in.gnn[0]));
        QUILLMERE_COMPARE_GOLDEN("dataclasses/" + golden + "_manager.vb", run.appended(run.in.gnn[1]));
        for (const QByteArray& file : {run.classes(), run.access(), run.manager()}) {
            QCOMPARE(linesContaining(file, "'Foreign Keys - Join Classes").size(), 1);
            const QByteArray text = file;
            const qsizetype p2 = text.indexOf("C_P2"), p1 = text.indexOf("C_P1"), p3 = text.indexOf("C_P3");
            QVERIFY(p2 >= 0 && p2 < p1 && p1 < p3);
        }
        // Data classes pass, one query; join classes, one pair per parent; join readers, one pair;
        // join managers, two pairs.
        QCOMPARE(catalogue.queries.size(), 1 + 3 * 2 + 3 * 2 + 3 * 4);
        // P2's two keys are named first; every one of those queries fails alike when the
        // child's does: one problem line more.
        QCOMPARE(run.problems.size(), childFails ? 2 : 1);
        QVERIFY2(run.problems.first().startsWith("C: several foreign keys lead to P2 (a, c);"),
                 qPrintable(run.problems.first()));
    }

    // The column queries of each pass, with the row limit an Oracle connect leaves.
    void queriesOfEachPass_data()
    {
        QTest::addColumn<QString>("modules");
        QTest::addColumn<QStringList>("queries");
        const QString limit = " where rownum<2";
        QTest::newRow("data classes and join classes: no row limit")
            << "2"
            << QStringList{"data3: SELECT * from ORDERS", "data3: SELECT * from ORDERS",
                           "data4: SELECT * from CUSTOMERS"};
        QTest::newRow("join readers: row limit")
            << "0"
            << QStringList{"data3: SELECT * from ORDERS" + limit, "data4: SELECT * from CUSTOMERS" + limit};
        QTest::newRow("join managers: row limit, queried twice")
            << "1"
            << QStringList{"data3: SELECT * from ORDERS" + limit, "data4: SELECT * from CUSTOMERS" + limit,
                           "data3: SELECT * from ORDERS" + limit, "data4: SELECT * from CUSTOMERS" + limit};
    }
    void queriesOfEachPass()
    {
        QFETCH(QString, modules);
        QFETCH(QStringList, queries);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptShop(catalogue);
        catalogue.setForeignKeys({fk("CUSTOMERS", "ID", "ORDERS", "CUSTOMER_ID")});
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"ORDERS"});
        for (int i = 0; i < 3; ++i)
            run.in.gn[std::size_t(i)] = modules.contains(QString::number(i));
        run.in.gcfk = true;
        run.in.row_limit = " where rownum<2";
        run.catalogue = &catalogue;
        run.run();
        QCOMPARE(catalogue.queries, queries);
    }

    // Which passes run, what they append, and how far the bar moves, by module and join
    // option; the modules the run wrote get their closing lines either way.
    void passesByOption_data()
    {
        QTest::addColumn<QString>("modules");
        QTest::addColumn<bool>("gcfk");
        QTest::addColumn<QList<int>>("previews");
        QTest::addColumn<double>("progress"); // two chosen tables

        const QList<int> all{kPreviewDataClasses, kPreviewDataAccess, kPreviewDataManager};
        QTest::newRow("all, joins") << "012" << true << all << 8.0;
        QTest::newRow("all, no joins") << "012" << false << all << 2.0;
        QTest::newRow("access, no joins") << "0" << false << QList<int>{kPreviewDataAccess} << 0.0;
        QTest::newRow("manager, no joins") << "1" << false << QList<int>{kPreviewDataManager} << 0.0;
        QTest::newRow("access and manager, joins")
            << "01" << true << QList<int>{kPreviewDataAccess, kPreviewDataManager} << 4.0;
        QTest::newRow("classes, joins") << "2" << true << QList<int>{kPreviewDataClasses} << 4.0;
        QTest::newRow("classes and manager, joins: access untouched")
            << "12" << true << QList<int>{kPreviewDataClasses, kPreviewDataManager} << 6.0;
        QTest::newRow("classes and access, joins: manager untouched")
            << "02" << true << QList<int>{kPreviewDataClasses, kPreviewDataAccess} << 6.0;
    }
    void passesByOption()
    {
        QFETCH(QString, modules);
        QFETCH(bool, gcfk);
        QFETCH(QList<int>, previews);
        QFETCH(double, progress);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptShop(catalogue);
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"CUSTOMERS", "ORDERS"});
        for (int i = 0; i < 3; ++i)
            run.in.gn[std::size_t(i)] = modules.contains(QString::number(i));
        run.in.gcfk = gcfk;
        run.catalogue = &catalogue;
        seedBoth(run.in);
        run.run(/*seedModules=*/false);

        QCOMPARE(run.host.shownPreviews, previews);
        QCOMPARE(run.host.progress, progress);
        const QByteArray accessEnd = "\r\nEnd Class\r\nEnd NameSpace\r\n";
        const QByteArray managerEnd = "End NameSpace\r\n";
        const QByteArray access = run.appended(run.in.gnn[0]);
        const QByteArray manager = run.appended(run.in.gnn[1]);
        if (!run.in.gn[0])
            QCOMPARE(run.access(), kRunWrote);
        else if (!gcfk)
            QCOMPARE(access, accessEnd);
        else
            QVERIFY(access.startsWith("\r\n    'Foreign Keys - Join Classes\r\n") &&
                    access.endsWith(accessEnd));
        if (!run.in.gn[1])
            QCOMPARE(run.manager(), kRunWrote);
        else if (!gcfk)
            QCOMPARE(manager, managerEnd);
        else
            QVERIFY(manager.startsWith("\r\n    'Foreign Keys - Join Classes\r\n") &&
                    manager.endsWith(managerEnd));
        if (run.in.gn[2]) {
            QCOMPARE(run.classes().contains("Public Class ORDERS_CUSTOMERS\r\n"), gcfk);
            QVERIFY(run.classes().endsWith("End Class\r\n\r\nEnd NameSpace\r\n") != gcfk);
            QCOMPARE(run.classes().count("End NameSpace"), 1);
        } else {
            QVERIFY(!QFile::exists(run.in.pn + run.in.gnn[2]));
        }
    }
};

QTEST_GUILESS_MAIN(JoinsTest)
#include "test_joins.moc"
