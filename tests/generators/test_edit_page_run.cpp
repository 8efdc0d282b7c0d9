// The edit-page run on a scripted catalogue: the foreign-key scan's lists (cases no real
// database gives in that order), the empty table box, the step label and its yields, the
// end message, lookups on repeated or differently cased columns, and a file that cannot
// be opened.

#include "generators/web/edit_page_run.h"

#include "generators/web/edit_page_lists.h"
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

// "Child.column>Parent.column" to a foreign-key row.
ForeignKeyRow fkRow(const QString& text)
{
    const QStringList sides = text.split('>');
    ForeignKeyRow row;
    row.fkTable = sides.at(0).section('.', 0, 0);
    row.fkColumn = sides.at(0).section('.', 1);
    row.pkTable = sides.at(1).section('.', 0, 0);
    row.pkColumn = sides.at(1).section('.', 1);
    return row;
}

QList<platform::ado::Field> fields(const QStringList& names)
{
    QList<platform::ado::Field> list;
    for (const QString& name : names)
        list.append({name, platform::ado::adInteger});
    return list;
}

web::EditPageInputs pageFor(const QString& tableBox, const QString& folder)
{
    web::EditPageInputs page;
    page.tableBox = tableBox;
    page.pageFile = "edit_" + tableBox + ".aspx";
    page.codeFile = "edit_" + tableBox + ".aspx.vb";
    page.project = QStringLiteral("Web");
    page.folder = folder;
    return page;
}

QString readText(const QString& path)
{
    return QString::fromLatin1(testsupport::readFileBytes(path));
}

} // namespace

class EditPageRunTest : public QObject
{
    Q_OBJECT
private slots:
    void foreignKeyScan_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("foreignKeys"); // column>parent.column, in rowset order
        QTest::addColumn<QStringList>("parents");
        QTest::addColumn<QStringList>("children"); // child(key column,child column)

        QTest::newRow("neither references nor referenced")
            << "Notes" << QStringList{"Product.MainCat>Category.CatId"} << QStringList{} << QStringList{}
            << QStringList{};
        QTest::newRow("two foreign keys to one parent")
            << "Product"
            << QStringList{"Product.MainCat>Category.CatId", "Product.Maker>Supplier.SupId",
                           "Product.SubCat>Category.CatId"}
            << QStringList{"MainCat>Category.CatId", "Maker>Supplier.SupId", "SubCat>Category.CatId"}
            << QStringList{"Category", "Supplier"} << QStringList{};
        QTest::newRow("a child through two keys, another child's row between")
            << "Orders"
            << QStringList{"Invoice.FirstOrder>Orders.OrderNo", "OrderLine.OrderNo>Orders.OrderNo",
                           "Invoice.LastOrder>Orders.OrderNo"}
            << QStringList{} << QStringList{}
            << QStringList{"Invoice(OrderNo,FirstOrder)", "OrderLine(OrderNo,OrderNo)"};
        // Its lookup uses the table's own criteria object; its rows are in the table's grid.
        QTest::newRow("self reference is neither parent nor child")
            << "Employee" << QStringList{"Employee.Boss>Employee.EmpId", "Team.Lead>Employee.EmpId"}
            << QStringList{"Boss>Employee.EmpId"} << QStringList{} << QStringList{"Team(EmpId,Lead)"};
        QTest::newRow("other letter case matches nothing")
            << "product" << QStringList{"Product.MainCat>Category.CatId", "Category.X>Product.ProdId"}
            << QStringList{} << QStringList{} << QStringList{};
    }
    void foreignKeyScan()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, foreignKeys);
        QFETCH(QStringList, parents);
        QFETCH(QStringList, children);

        testsupport::ScriptedCatalogue catalogue;
        QList<ForeignKeyRow> scripted;
        for (const QString& row : rows)
            scripted.append(fkRow(row));
        catalogue.setForeignKeys(scripted);
        testsupport::RecordingHost host;
        RunContext ctx(RunInputs{}, catalogue, host);
        const web::EditPageLists lists = web::scanForeignKeys(ctx, table);

        QStringList gotKeys, gotChildren;
        for (const web::ForeignKeyEntry& entry : lists.foreignKeys)
            gotKeys.append(entry.column + '>' + entry.parentTable + '.' + entry.parentColumn);
        for (const web::ChildEntry& child : lists.children)
            gotChildren.append(child.table + '(' + child.keyColumn + ',' + child.fkColumn + ')');
        QCOMPARE(gotKeys, foreignKeys);
        QCOMPARE(lists.parentTables, parents);
        QCOMPARE(gotChildren, children);
    }

    // The pages of a solution share one index of the rowset: each table gets the lists a
    // walk over every row gives, whichever tables came before it, and a rowset read anew
    // (here with other rows) is indexed anew.
    void sharedIndexGivesEachTableItsRows()
    {
        const auto shown = [](const web::EditPageLists& lists) {
            QStringList keys, children;
            for (const web::ForeignKeyEntry& entry : lists.foreignKeys)
                keys.append(entry.column + '>' + entry.parentTable + '.' + entry.parentColumn);
            for (const web::ChildEntry& child : lists.children)
                children.append(child.table + '(' + child.keyColumn + ',' + child.fkColumn + ')');
            return keys.join(',') + '|' + lists.parentTables.join(',') + '|' + children.join(',');
        };
        QList<ForeignKeyRow> rows;
        for (const char* row : {"Product.MainCat>Category.CatId", "Employee.Boss>Employee.EmpId",
                                "Invoice.FirstOrder>Orders.OrderNo", "Product.Maker>Supplier.SupId",
                                "Team.Lead>Employee.EmpId", "OrderLine.OrderNo>Orders.OrderNo",
                                "Category.X>Product.ProdId", "Invoice.LastOrder>Orders.OrderNo"})
            rows.append(fkRow(QString::fromLatin1(row)));
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setForeignKeys(rows);
        testsupport::RecordingHost host;
        RunContext ctx(RunInputs{}, catalogue, host);
        web::ForeignKeyRowsByTable shared;
        const QList<std::pair<QString, QString>> expected = {
            {"Product", "MainCat>Category.CatId,Maker>Supplier.SupId|Category,Supplier|Category(ProdId,X)"},
            {"Category", "X>Product.ProdId|Product|Product(CatId,MainCat)"},
            {"Employee", "Boss>Employee.EmpId||Team(EmpId,Lead)"},
            {"Orders", "||Invoice(OrderNo,FirstOrder),OrderLine(OrderNo,OrderNo)"},
            {"Invoice", "FirstOrder>Orders.OrderNo,LastOrder>Orders.OrderNo|Orders|"},
            {"Notes", "||"},
            {"product", "||"},
            {"Product", "MainCat>Category.CatId,Maker>Supplier.SupId|Category,Supplier|Category(ProdId,X)"},
        };
        for (const auto& [table, lists] : expected)
            QCOMPARE(shown(web::scanForeignKeys(ctx, table, shared)), lists);

        catalogue.setForeignKeys({fkRow("Notes.Author>Employee.EmpId")});
        QCOMPARE(shown(web::scanForeignKeys(ctx, "Notes", shared)),
                 QString("Author>Employee.EmpId|Employee|"));
        QCOMPARE(shown(web::scanForeignKeys(ctx, "Product", shared)), QString("||"));
        QCOMPARE(shown(web::scanForeignKeys(ctx, "Employee", shared)), QString("||Notes(EmpId,Author)"));
    }

    // Rows past the hundredth are not recorded.
    void listsHoldAHundredEntries()
    {
        QList<ForeignKeyRow> rows;
        for (int i = 1; i <= 101; ++i) {
            rows.append(fkRow(QStringLiteral("Big.c%1>P%1.id").arg(i)));
            rows.append(fkRow(QStringLiteral("C%1.ref>Big.id").arg(i)));
        }
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setForeignKeys(rows);
        testsupport::RecordingHost host;
        RunContext ctx(RunInputs{}, catalogue, host);
        web::EditPageLists lists = web::scanForeignKeys(ctx, QStringLiteral("Big"));
        QCOMPARE(lists.foreignKeys.size(), 100);
        QCOMPARE(lists.foreignKeys.last().column, QStringLiteral("c100"));
        QCOMPARE(lists.parentTables.size(), 100);
        QCOMPARE(lists.children.size(), 100);
        QCOMPARE(lists.children.last().table, QStringLiteral("C100"));
        for (int i = 1; i <= 101; ++i)
            lists.addPrimaryKeyColumn(QString::number(i));
        QCOMPARE(lists.pkColumns.size(), 100);
    }

    // An empty table box: the folder is created, "Choose a Table!" is shown, and nothing
    // else happens.
    void chooseATable_data()
    {
        QTest::addColumn<QString>("tableBox");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
    }
    void chooseATable()
    {
        QFETCH(QString, tableBox);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        testsupport::RecordingHost host;
        host.previews[kPreviewAspx] = QStringLiteral("earlier page");
        RunContext ctx(RunInputs{}, catalogue, host);
        QStringList steps;
        const QString folder = dir.filePath("a/b/");
        web::runEditPage(ctx, pageFor(tableBox, folder), [&](const QString& text) { steps.append(text); });

        QVERIFY(QDir(folder).exists());
        QCOMPARE(host.messages, QStringList{"Choose a Table!"});
        QVERIFY(steps.isEmpty());
        QVERIFY(host.events.isEmpty());
        QCOMPARE(host.previews[kPreviewAspx], QStringLiteral("earlier page"));
        QVERIFY(catalogue.queries.isEmpty() && catalogue.keyRequests.isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{});
        QVERIFY(!host.busy);
    }

    // The step label's texts in order, one yield after each and none per line; the
    // column queries carry row_limit; the end message only while the solution dialog is
    // hidden.
    void stepsQueriesAndEnd_data()
    {
        QTest::addColumn<bool>("solutionVisible");
        QTest::newRow("from the ASPX page") << false;
        QTest::newRow("from the solution dialog") << true;
    }
    void stepsQueriesAndEnd()
    {
        QFETCH(bool, solutionVisible);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("T", fields({"Id", "Name"}));
        catalogue.setTableColumns("C1", fields({"Id", "TId"}));
        catalogue.setTableColumns("C2", fields({"Id", "TId"}));
        catalogue.setPrimaryKey("T", {"Id"});
        catalogue.setForeignKeys({fkRow("C1.TId>T.Id"), fkRow("C2.TId>T.Id")});
        testsupport::RecordingHost host;
        RunInputs in;
        in.row_limit = QStringLiteral(" where rownum<2");
        in.solutionVisible = solutionVisible;
        RunContext ctx(in, catalogue, host);
        web::runEditPage(ctx, pageFor("T", dir.path() + '/'), [&](const QString& text) {
            host.events.append(QStringLiteral("step '%1' after %2 yields").arg(text).arg(host.yields));
        });

        const QStringList expected{"clear 5",
                                   "clear 6",
                                   "step 'Search Foreign Keys' after 0 yields",
                                   "step 'Search Primary Key' after 1 yields",
                                   "step 'Search Columns' after 2 yields",
                                   "step 'Search Primary Key for Vb' after 3 yields",
                                   "step 'Generate Vb Code...' after 4 yields",
                                   "step '' after 5 yields"};
        QCOMPARE(host.events, expected);
        QCOMPARE(host.yields, 5);
        // The page table's names are checked before the page is written.
        QCOMPARE(catalogue.queries, (QStringList{"data3: SELECT * from T where rownum<2",
                                                 "data3: SELECT * from T where rownum<2",
                                                 "data4: SELECT * from C1 where rownum<2",
                                                 "data4: SELECT * from C2 where rownum<2"}));
        QCOMPARE(catalogue.keyRequests, (QStringList{".T", ".T"}));
        QCOMPARE(host.messages, solutionVisible ? QStringList{} : QStringList{"End of Generation"});
        QVERIFY(!host.busy);
        QVERIFY(QFile::exists(dir.filePath("edit_T.aspx")) && QFile::exists(dir.filePath("edit_T.aspx.vb")));
    }

    // Two foreign keys on one column give one lookup, bound to the first key's parent; a
    // foreign-key column named in other letter case than the field gives none, while its
    // parent still gets its criteria object.
    void lookups()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("T", fields({"Id", "Ref", "Other"}));
        catalogue.setPrimaryKey("T", {"Id"});
        catalogue.setForeignKeys({fkRow("T.Ref>P.PId"), fkRow("T.Ref>Q.QId"), fkRow("T.other>R.RId")});
        testsupport::RecordingHost host;
        RunContext ctx(RunInputs{}, catalogue, host);
        web::runEditPage(ctx, pageFor("T", dir.path() + '/'), [](const QString&) {});

        const QString markup = readText(dir.filePath("edit_T.aspx"));
        const QString code = readText(dir.filePath("edit_T.aspx.vb"));
        QCOMPARE(markup.count("<asp:dropdownlist id=\"Ddl_f_"), 1);
        QVERIFY(markup.contains("<asp:dropdownlist id=\"Ddl_f_Ref\""));
        QCOMPARE(code.count("Protected WithEvents Ddl_f_"), 1);
        for (const QString parent : {"P", "Q", "R"})
            QVERIFY(code.contains(QStringLiteral("\r\n    Dim z_%1 As New %1()\r\n").arg(parent)));
        QCOMPARE(code.count(".OrderClause = "), 3); // the key column, the lookup and the grid's selection
        QVERIFY(code.contains("    z_P.OrderClause = \"PId\"\r\n    Ddl_f_Ref.DataSource = ListP(z_P)\r\n"));
        QCOMPARE(code.count("Private Sub Ddl_f_Ref_SelectedIndexChanged"), 1);
        QCOMPARE(code.count("Private Sub TxtRef_PreRender"), 1);
        QCOMPARE(code.count("_PreRender("), 1);
    }

    // A file that cannot be opened receives nothing; its lines still reach the preview
    // and the end message names it.
    void fileThatCannotBeOpened()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("T", fields({"Id"}));
        testsupport::RecordingHost host;
        RunContext ctx(RunInputs{}, catalogue, host);
        web::EditPageInputs page = pageFor("T", dir.path() + '/');
        page.pageFile = QStringLiteral("missing/edit_T.aspx");
        web::runEditPage(ctx, page, [](const QString&) {});

        QVERIFY(!QFile::exists(dir.filePath("missing/edit_T.aspx")));
        QVERIFY(host.previews[kPreviewAspx].endsWith("\r\n</HTML>"));
        QVERIFY(QFile::exists(dir.filePath("edit_T.aspx.vb")));
        QCOMPARE(host.messages.size(), 1);
        QVERIFY(host.messages.first().startsWith("End of Generation\n"));
        QVERIFY(host.messages.first().contains("edit_T.aspx: cannot be opened"));
    }
};

QTEST_GUILESS_MAIN(EditPageRunTest)
#include "test_edit_page_run.moc"
