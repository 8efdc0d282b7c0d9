// The generation runs over a stand-in window, on the shop fixture through the SQLite
// driver: each run takes the window's values once, as it starts, and writes its files from
// them whatever is typed while it yields; what it shows goes to the window's places for it.

#include "fake_run_window.h"
#include "generation_ui/edit_page_names.h"
#include "generation_ui/generator_steps.h"
#include "generators/shop_inputs.h"
#include "platform/text_file.h"
#include "support/fixture_db.h"
#include "support/golden.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

using generation_ui::RunWindow;
using testsupport::shopInputs;

namespace
{

const QStringList kShopTables = {"Customers", "OrderLines", "Orders"}; // list order

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QString asShown(const QByteArray& file)
{
    return QStringLiteral("\r\n") + platform::fromWindows1252(file.chopped(2));
}

using Run = void (*)(RunWindow&);
const Run kRuns[] = {generation_ui::generateVbNetFiles, generation_ui::generateClassModules,
                     generation_ui::generateEditPage, generation_ui::generateSolution};
const char* const kRunNames[] = {"VB.NET files", "class modules", "edit page", "solution"};

} // namespace

class RunsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        cnx = testsupport::sqliteFixture(QStringLiteral("vbnet/shop.sql"), dir->path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        window = std::make_unique<FakeRunWindow>();
        window->database.setString(cnx);
        const platform::ado::Status opened = window->database.open();
        QVERIFY2(opened.ok, qPrintable(opened.message));
        out = dir->filePath(QStringLiteral("out/"));
        QVERIFY(QDir().mkpath(out));
    }
    void cleanup()
    {
        window.reset();
        dir.reset();
    }

    void vbnetRunWritesItsSnapshot()
    {
        window->values.run = shopInputs(out, kShopTables);
        changeValuesAtFirstYield();

        generation_ui::generateVbNetFiles(*window);

        QVERIFY(changed);
        QCOMPARE(window->snapshotsTaken, 1);
        QCOMPARE(filesIn(out), (QStringList{"Shop_Access.vb", "Shop_Manager.vb"}));
        QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Access.vb",
                                 testsupport::readFileBytes(out + "Shop_Access.vb"));
        const QByteArray manager = testsupport::readFileBytes(out + "Shop_Manager.vb");
        QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Manager.vb", manager);
        QCOMPARE(window->previews[generators::kPreviewDataManager], asShown(manager));
        QCOMPARE(window->messages, QStringList{"End of Generation"});
    }

    // The page's names come from the snapshot as they stand, not renewed from its table.
    void editPageRunWritesItsSnapshot()
    {
        const QString pages = out + "pages/";
        window->values.run = shopInputs(out, {});
        window->values.editPage = generation_ui::editPageOf("Customers", "ShopWeb", pages);
        window->values.editPage.pageFile = QStringLiteral("mine.aspx");
        changeValuesAtFirstYield();

        generation_ui::generateEditPage(*window);

        QVERIFY(changed);
        QCOMPARE(window->snapshotsTaken, 1);
        QCOMPARE(filesIn(pages), (QStringList{"edit_Customers.aspx.vb", "mine.aspx"}));
        QCOMPARE(window->previews[generators::kPreviewAspx],
                 asShown(testsupport::readFileBytes(pages + "mine.aspx")));
        QCOMPARE(window->previews[generators::kPreviewAspxVb],
                 asShown(testsupport::readFileBytes(pages + "edit_Customers.aspx.vb")));
        QVERIFY(!window->pageSteps.isEmpty());
        QCOMPARE(window->messages, QStringList{"End of Generation"});
    }

    // The solution's Web.config is written although the snapshot's box is unticked, and its
    // pages go into the project it started with, whatever the dialog says meanwhile.
    void solutionRunWritesItsSnapshot()
    {
        const QString project = out + "Shop_Web/";
        const QString sheet = dir->filePath("look.css");
        QFile css(sheet);
        QVERIFY(css.open(QIODevice::WriteOnly));
        css.write("body { margin: 0 }\n");
        css.close();
        window->values.run = shopInputs(out, kShopTables);
        window->values.run.ppg = project;
        window->values.run.solutionVisible = true;
        window->values.solution.sng = QStringLiteral("Shop_");
        window->values.solution.spg = out;
        window->values.solution.png = QStringLiteral("Shop_Web");
        window->values.solution.ppg = project;
        window->values.solution.stcss = sheet;
        window->dialogVisible = true;
        changeValuesAtFirstYield();

        generation_ui::generateSolution(*window);

        QVERIFY(changed);
        QCOMPARE(window->snapshotsTaken, 1);
        QStringList shown = {"project Shop_Web", "data layer in " + project + "Data_Access/",
                             "step Generate Data Access Files", "pages in " + project + "User_Interface/"};
        QStringList pages;
        for (const QString& table : kShopTables) {
            shown << "page of " + table << "step Generate Aspx for " + table;
            pages << "edit_" + table + ".aspx"
                  << "edit_" + table + ".aspx.vb";
        }
        shown << "dialog hidden";
        QCOMPARE(window->shown, shown);
        QCOMPARE(window->messages, QStringList{"End of Generation"});

        QVERIFY(QFile::exists(out + "Shop.sln"));
        QCOMPARE(testsupport::readFileBytes(project + "Styles.css"), QByteArray("body { margin: 0 }\r\n"));
        QVERIFY(QFile::exists(project + "Web.config"));
        QCOMPARE(filesIn(project + "Data_Access"), (QStringList{"Shop_Access.vb", "Shop_Manager.vb"}));
        QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Access.vb",
                                 testsupport::readFileBytes(project + "Data_Access/Shop_Access.vb"));
        pages.sort();
        QCOMPARE(filesIn(project + "User_Interface"), pages);
        // The previews end with the last page's lines.
        QCOMPARE(window->previews[generators::kPreviewAspx],
                 asShown(testsupport::readFileBytes(project + "User_Interface/edit_Orders.aspx")));
        QVERIFY(!QFileInfo::exists(dir->filePath("elsewhere")));
    }

    // A connection whose link went since the Connect is opened again on the same string.
    void lostLinkOpenedAgain()
    {
        window->database.dropLostLink();
        window->values.run = shopInputs(out, {"Customers"});

        generation_ui::generateVbNetFiles(*window);

        QVERIFY(window->database.isOpen());
        QVERIFY(window->database.connected());
        QVERIFY(!window->notConnected);
        QCOMPARE(window->messages, QStringList{"End of Generation"});
        QCOMPARE(filesIn(out), (QStringList{"Shop_Access.vb", "Shop_Manager.vb"}));
    }

    // A run refused while another action holds the guard, or because the connection it lost
    // cannot be opened again, reads nothing and writes nothing.
    void refusedRuns_data()
    {
        QTest::addColumn<int>("run");
        QTest::addColumn<bool>("busy");
        for (int run = 0; run < int(std::size(kRuns)); ++run) {
            QTest::addRow("%s while busy", kRunNames[run]) << run << true;
            QTest::addRow("%s, connection not opened again", kRunNames[run]) << run << false;
        }
    }
    void refusedRuns()
    {
        QFETCH(int, run);
        QFETCH(bool, busy);
        window->values.run = shopInputs(out, kShopTables);
        window->values.editPage = generation_ui::editPageOf("Customers", "ShopWeb", out);
        window->values.solution.spg = out;
        window->values.solution.ppg = out + "Shop_Web/";
        window->dialogVisible = true;
        if (!busy) {
            window->database.setString(QStringLiteral("DSN=QmNoSuchSource;"));
            window->database.dropLostLink();
        }

        {
            std::optional<kit::ActionGuard> other;
            if (busy)
                other.emplace(window->guard);
            kRuns[run](*window);
        }

        QCOMPARE(window->snapshotsTaken, 0);
        QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(window->shown.isEmpty());
        if (busy) {
            QCOMPARE(window->messages, QStringList());
            QVERIFY(!window->notConnected);
            return;
        }
        QCOMPARE(window->messages.size(), 1);
        QVERIFY2(window->messages.first().startsWith(
                     "The connection to the database was lost and could not be opened again ("),
                 qPrintable(window->messages.first()));
        QVERIFY(window->messages.first().endsWith(").\nConnect again."));
        QVERIFY(window->notConnected);
        QVERIFY(!window->database.connected());
    }

private:
    // At the run's first yield the values change everywhere a run reads them.
    void changeValuesAtFirstYield()
    {
        changed = false;
        QTimer::singleShot(0, &window->object, [this] {
            generation_ui::RunSnapshot& values = window->values;
            values.run.dbn = QStringLiteral("Other_");
            values.run.gnn = {QStringLiteral("Other_Access.vb"), QStringLiteral("Other_Manager.vb"),
                              QStringLiteral("Other_Classes.vb")};
            values.run.tdn1 = QStringList{"Orders"};
            values.run.pn = dir->filePath("elsewhere/");
            values.run.ppg = dir->filePath("elsewhere/");
            values.editPage = generation_ui::editPageOf("Orders", "Other", dir->filePath("elsewhere/"));
            values.solution.ppg = dir->filePath("elsewhere/");
            values.solution.png = QStringLiteral("Other");
            changed = true;
        });
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakeRunWindow> window;
    QString cnx;
    QString out;
    bool changed = false;
};

QTEST_MAIN(RunsTest)
#include "test_runs.moc"
