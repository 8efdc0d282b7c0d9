// The foreign-key work list, the parents and children it gives a table, the data classes
// module byte for byte, and the end of the run.

#include "generators/dataclasses/fk_work_list.h"
#include "test_dataclasses_support.h"

#include <QTest>

using namespace generators;
using namespace dataclassestest;
using generators::dataclasses::relationsOf;

Q_DECLARE_METATYPE(QList<generators::ForeignKeyRow>)

namespace
{

ForeignKeyRow inSchemas(ForeignKeyRow row, const QString& pkSchema, const QString& fkSchema)
{
    row.pkSchema = pkSchema;
    row.fkSchema = fkSchema;
    return row;
}

// The preview text of a file: CR LF before every line.
QByteArray previewBytes(const QByteArray& file)
{
    QByteArray preview;
    for (const QByteArray& line : byteLines(file))
        preview += "\r\n" + line;
    return preview;
}

} // namespace

class DataClassesTest : public QObject
{
    Q_OBJECT
private slots:
    void foreignKeyScan_data()
    {
        QTest::addColumn<QList<ForeignKeyRow>>("rows");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("problems");

        const ForeignKeyRow orders = fk("CUSTOMERS", "ID", "ORDERS", "CUSTOMER_ID");
        const QString ordersEntry = "CUSTOMERS.ID<ORDERS.CUSTOMER_ID";
        const QList<ForeignKeyRow> composite{fk("L", "ORDER_NO", "S", "ORDER_NO", 1),
                                             fk("L", "LINE_NO", "S", "LINE_NO", 2)};
        ForeignKeyRow noParentColumn = fk("L", "", "S", "LINE_NO", 2);
        ForeignKeyRow noOrdinal = fk("L", "", "S", "LINE_NO", 0);
        ForeignKeyRow noChildTable = fk("L", "ORDER_NO", "", "ORDER_NO");

        QTest::newRow("no keys") << QList<ForeignKeyRow>{} << QStringList{"ORDERS"} << "" << QStringList{}
                                 << 0;
        QTest::newRow("both tables chosen: two adjacent copies")
            << QList{orders, fk("X", "a", "Y", "b")} << QStringList{"CUSTOMERS", "ORDERS", "Y"} << ""
            << QStringList{ordersEntry, ordersEntry, "X.a<Y.b"} << 0;
        QTest::newRow("only the parent chosen")
            << QList{orders} << QStringList{"CUSTOMERS"} << "" << QStringList{ordersEntry} << 0;
        QTest::newRow("only the child chosen")
            << QList{orders} << QStringList{"ORDERS"} << "" << QStringList{ordersEntry} << 0;
        QTest::newRow("neither chosen") << QList{orders} << QStringList{"DEPTS"} << "" << QStringList{} << 0;
        QTest::newRow("letter case counts")
            << QList{orders} << QStringList{"orders"} << "" << QStringList{} << 0;
        QTest::newRow("self-reference: two copies")
            << QList{fk("EMP", "ID", "EMP", "BOSS_ID")} << QStringList{"EMP"} << ""
            << QStringList{"EMP.ID<EMP.BOSS_ID", "EMP.ID<EMP.BOSS_ID"} << 0;
        QTest::newRow("composite key: one entry per column pair")
            << composite << QStringList{"L", "S"} << ""
            << QStringList{"L.ORDER_NO<S.ORDER_NO", "L.ORDER_NO<S.ORDER_NO", "L.LINE_NO<S.LINE_NO",
                           "L.LINE_NO<S.LINE_NO"}
            << 0;
        QTest::newRow("filter passes both schemas")
            << QList{inSchemas(orders, "APP", "APP")} << QStringList{"ORDERS"} << "APP"
            << QStringList{ordersEntry} << 0;
        QTest::newRow("filter: parent in another schema")
            << QList{inSchemas(orders, "HR", "APP")} << QStringList{"ORDERS"} << "APP" << QStringList{} << 0;
        QTest::newRow("filter: child in another schema")
            << QList{inSchemas(orders, "APP", "HR")} << QStringList{"ORDERS"} << "APP" << QStringList{} << 0;
        QTest::newRow("filter is exact")
            << QList{inSchemas(orders, "app", "app")} << QStringList{"ORDERS"} << "APP" << QStringList{} << 0;
        QTest::newRow("no filter: every schema")
            << QList{inSchemas(orders, "HR", "APP")} << QStringList{"ORDERS"} << ""
            << QStringList{ordersEntry} << 0;
        QTest::newRow("missing parent column taken from the key at its position")
            << QList{noParentColumn} << QStringList{"S"} << "" << QStringList{"L.LINE_NO<S.LINE_NO"} << 0;
        QTest::newRow("missing parent column, position unknown: left out")
            << QList{noOrdinal, orders} << QStringList{"S", "ORDERS"} << "" << QStringList{ordersEntry} << 1;
        QTest::newRow("missing parent column, parent without key: left out")
            << QList{fk("NOKEY", "", "S", "X", 1)} << QStringList{"S"} << "" << QStringList{} << 1;
        QTest::newRow("missing child table: left out")
            << QList{noChildTable} << QStringList{"L"} << "" << QStringList{} << 1;
        QTest::newRow("incomplete row of unchosen tables: silent")
            << QList{noOrdinal} << QStringList{"ORDERS"} << "" << QStringList{} << 0;
    }
    void foreignKeyScan()
    {
        QFETCH(QList<ForeignKeyRow>, rows);
        QFETCH(QStringList, chosen);
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QFETCH(int, problems);

        testsupport::ScriptedCatalogue catalogue;
        catalogue.setForeignKeys(rows);
        catalogue.setPrimaryKey("L", {"ORDER_NO", "LINE_NO"});
        testsupport::RecordingHost host;
        RunInputs in;
        in.tdn1 = chosen;
        in.schema_filter = filter;
        RunContext ctx(in, catalogue, host);
        ctx.nbmax = int(chosen.size()) - 1;
        dataclasses::scanForeignKeys(ctx);
        QCOMPARE(workList(ctx.fk_rows), expected);
        QCOMPARE(ctx.problems.size(), problems);
        QCOMPARE(ctx.fk_rows.pk_col.size(), ctx.fk_rows.count()); // the four lists stay in step
        QCOMPARE(ctx.fk_rows.pf_col.size(), ctx.fk_rows.count());
    }

    void relations_data()
    {
        QTest::addColumn<QStringList>("entries"); // "parent<child"
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("parents");
        QTest::addColumn<QStringList>("children");
        QTest::addColumn<bool>("linked");

        QTest::newRow("distinct parents, first seen")
            << QStringList{"P2<C", "P1<C", "P2<C", "P3<C", "C<K"} << "C" << QStringList{"P2", "P1", "P3"}
            << QStringList{"K"} << true;
        QTest::newRow("adjacent copies change nothing")
            << QStringList{"P<C", "P<C"} << "P" << QStringList{} << QStringList{"C"} << true;
        QTest::newRow("no entry") << QStringList{"P<C"} << "X" << QStringList{} << QStringList{} << false;
        QTest::newRow("letter case counts")
            << QStringList{"P<C"} << "c" << QStringList{} << QStringList{} << false;
        QTest::newRow("self-reference left out, other relations kept")
            << QStringList{"E<E", "E<E", "D<E", "E<X"} << "E" << QStringList{"D"} << QStringList{"X"} << true;
        QTest::newRow("only a self-reference: no relation at all")
            << QStringList{"E<E", "E<E"} << "E" << QStringList{} << QStringList{} << false;
    }
    void relations()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, table);
        QFETCH(QStringList, parents);
        QFETCH(QStringList, children);
        QFETCH(bool, linked);
        FkWorkList rows;
        for (const QString& entry : entries)
            rows.append(entry.section('<', 0, 0), "id", entry.section('<', 1, 1), "ref");

        const dataclasses::Relations withChildren = relationsOf(rows, table, true);
        QCOMPARE(withChildren.parents, parents);
        QCOMPARE(withChildren.children, children);
        QCOMPARE(withChildren.linked, linked);
        // The join passes ask for parents only.
        const dataclasses::Relations parentsOnly = relationsOf(rows, table, false);
        QCOMPARE(parentsOnly.parents, parents);
        QVERIFY(parentsOnly.children.isEmpty());
        QCOMPARE(parentsOnly.linked, !parents.isEmpty());
    }

    void atMostHundredRelations()
    {
        FkWorkList rows;
        for (int k = 1; k <= 101; ++k) {
            rows.append(QStringLiteral("P%1").arg(k), "id", "C", "ref");
            rows.append("C", "id", QStringLiteral("K%1").arg(k), "ref");
        }
        const dataclasses::Relations relations = relationsOf(rows, "C", true);
        QCOMPARE(relations.parents.size(), 100);
        QCOMPARE(relations.parents.last(), QStringLiteral("P100"));
        QCOMPARE(relations.children.size(), 100);
        QCOMPARE(relations.children.last(), QStringLiteral("K100"));
    }

    // The module through the scripted shop schema, byte for byte, with and without
    // stored procedures.
    void moduleMatchesGolden_data()
    {
        QTest::addColumn<bool>("ps");
        QTest::addColumn<QString>("golden");
        QTest::newRow("plain") << false << "dataclasses/shop_classes.vb";
        QTest::newRow("stored procedures") << true << "dataclasses/shop_classes_ps.vb";
    }
    void moduleMatchesGolden()
    {
        QFETCH(bool, ps);
        QFETCH(QString, golden);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptShop(catalogue);
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"CUSTOMERS", "EMPLOYEES", "ORDERS", "ORDER_LINES", "SHIPMENTS"});
        run.in.gn = {false, false, true};
        run.in.ps = ps;
        run.in.row_limit = ps ? QStringLiteral(" where rownum<2") : QString();
        run.catalogue = &catalogue;
        run.run();

        QVERIFY2(run.problems.isEmpty(), qPrintable(run.problems.join('\n')));
        QUILLMERE_COMPARE_GOLDEN(golden, run.classes());
        QCOMPARE(run.host.previews[kPreviewDataClasses].toLatin1(), previewBytes(run.classes()));
        QCOMPARE(run.host.shownPreviews, QList<int>{kPreviewDataClasses});
        // One unranked query per class, none with the row limit.
        QCOMPARE(catalogue.queries,
                 (QStringList{"data3: SELECT * from CUSTOMERS", "data3: SELECT * from EMPLOYEES",
                              "data3: SELECT * from ORDERS", "data3: SELECT * from ORDER_LINES",
                              "data3: SELECT * from SHIPMENTS"}));
        QCOMPARE(run.host.progress, 5.0);
        // The region name is written in the code page of the generated files.
        QVERIFY(run.classes().contains("#Region \"Propri\xe9t\xe9s\"\r\n"));
    }

    // A column query that fails between two good tables: that class has no columns, its
    // Init still has a head, the next class has its own columns, and the run says so.
    void failingColumnQuery()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptShop(catalogue);
        catalogue.failQuery("SELECT * from BROKEN_VIEW");
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"BROKEN_VIEW", "CUSTOMERS", "DEPTS"});
        run.in.tdn1 = {"CUSTOMERS", "BROKEN_VIEW", "DEPTS"};
        run.in.gn = {false, false, true};
        run.catalogue = &catalogue;
        run.run();

        QUILLMERE_COMPARE_GOLDEN("dataclasses/failing_query_classes.vb", run.classes());
        QCOMPARE(run.problems.size(), 1);
        QVERIFY(run.problems.first().contains("BROKEN_VIEW"));
        QCOMPARE(run.host.messages, QStringList{"End of Generation\n" + run.problems.first()});
    }

    void endOfRun_data()
    {
        QTest::addColumn<bool>("solution");
        QTest::addColumn<bool>("keysFail");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("ordinary run") << false << false << QStringList{"End of Generation"};
        QTest::newRow("solution run: no message") << true << false << QStringList{};
        QTest::newRow("foreign keys unreadable: reported, run goes on")
            << false << true
            << QStringList{"End of Generation\nThe foreign keys could not be read (scripted failure)"};
    }
    void endOfRun()
    {
        QFETCH(bool, solution);
        QFETCH(bool, keysFail);
        QFETCH(QStringList, messages);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptShop(catalogue);
        catalogue.foreignKeysFail = keysFail;
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"ORDERS"});
        run.in.solutionVisible = solution;
        run.in.ppg = dir.path() + "/project/";
        run.catalogue = &catalogue;
        run.run();

        QCOMPARE(run.host.messages, messages);
        QVERIFY(!run.host.busy);
        QVERIFY(!run.host.progressVisible);
        QVERIFY(run.classes().endsWith("End Class\r\n\r\nEnd NameSpace\r\n"));
        QCOMPARE(run.fk_rows.count(), keysFail ? 0 : 2); // ORDERS is a child and a parent
    }
};

QTEST_GUILESS_MAIN(DataClassesTest)
#include "test_dataclasses.moc"
