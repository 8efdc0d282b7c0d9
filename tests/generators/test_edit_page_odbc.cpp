// The edit page and its code-behind through the real database layer, on a SQLite
// database built from the fixture script, compared byte for byte with the goldens.

#include "generators/common/ado_catalogue.h"
#include "generators/web/edit_page_run.h"
#include "platform/text_file.h"
#include "support/fixture_catalogue.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/recording_host.h"

#include <QTemporaryDir>
#include <QTest>

using namespace generators;

class EditPageOdbcTest : public QObject
{
    Q_OBJECT
private slots:
    void goldens_data()
    {
        QTest::addColumn<QString>("name");     // golden files edit_page_<name>.aspx and .aspx.vb
        QTest::addColumn<QString>("tableBox"); // the table box as the user left it
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("fixture");

        const struct {
            const char* row;
            const char* name;
            const char* tableBox;
            const char* project;
            const char* fixture;
        } cases[] = {
            {"no foreign key, no key, no project", "notes", "Notes", "", "web/edit_page.sql"},
            {"two foreign keys to one parent, a child", "product", "Product", "ShopWeb", "web/edit_page.sql"},
            {"children, two-column key", "orders", "Orders", "ShopWeb", "web/edit_page.sql"},
            {"self reference", "employee", "Employee", "ShopWeb", "web/edit_page.sql"},
            {"blanks around the name", "category_blanks", " Category ", "ShopWeb", "web/edit_page.sql"},
            // The driver leaves the parent column of "REFERENCES Product" empty.
            {"foreign key naming no parent column", "review", "Review", "ShopWeb", "web/edit_page.sql"},
            // The grid's selection reads the list in the grid's order, by the last key column.
            {"emp_orders: a parent and a child", "eo_orders", "Orders", "ShopWeb", "emp_orders.sql"},
            {"emp_orders: without the project", "eo_orders_no_project", "Orders", "", "emp_orders.sql"},
            {"emp_orders: two-column key", "eo_line", "Line", "ShopWeb", "emp_orders.sql"},
            {"emp_orders: no key", "eo_note", "Note", "ShopWeb", "emp_orders.sql"},
            {"emp_orders: self reference", "eo_emp", "Emp", "ShopWeb", "emp_orders.sql"},
        };
        for (const auto& c : cases)
            QTest::newRow(c.row) << QString(c.name) << QString(c.tableBox) << QString(c.project)
                                 << QString(c.fixture);
    }
    void goldens()
    {
        QFETCH(QString, name);
        QFETCH(QString, tableBox);
        QFETCH(QString, project);
        QFETCH(QString, fixture);

        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(fixture, dir.path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue database(cnx);
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));
        AdoCatalogue& catalogue = database.catalogue;

        // The file names as the table box's change handler sets them, blanks included.
        web::EditPageInputs page;
        page.tableBox = tableBox;
        page.pageFile = "edit_" + tableBox + ".aspx";
        page.codeFile = "edit_" + tableBox + ".aspx.vb";
        page.project = project;
        page.folder = dir.filePath("out/pages/");
        testsupport::RecordingHost host;
        RunContext ctx(RunInputs{}, catalogue, host);
        web::runEditPage(ctx, page, [](const QString&) {});

        QCOMPARE(host.messages, QStringList{"End of Generation"});
        const QByteArray markup = testsupport::readFileBytes(page.folder + page.pageFile);
        const QByteArray code = testsupport::readFileBytes(page.folder + page.codeFile);
        QUILLMERE_COMPARE_GOLDEN("web/edit_page_" + name + ".aspx", markup);
        QUILLMERE_COMPARE_GOLDEN("web/edit_page_" + name + ".aspx.vb", code);
        // The previews echo the files, CR LF before each line.
        QCOMPARE(host.previews[kPreviewAspx], "\r\n" + platform::fromWindows1252(markup.chopped(2)));
        QCOMPARE(host.previews[kPreviewAspxVb], "\r\n" + platform::fromWindows1252(code.chopped(2)));
    }
};

QTEST_GUILESS_MAIN(EditPageOdbcTest)
#include "test_edit_page_odbc.moc"
