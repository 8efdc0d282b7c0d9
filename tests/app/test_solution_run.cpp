// The solution dialog's Ok through the real window, offscreen: Connect to the shop fixture,
// choose tables with the arrow, open the dialog with "Generate Solution!", click Ok. One
// VB.NET run writes into the project's Data_Access folder, one page run per table into its
// User_Interface folder, and one "End of Generation" ends it all.

#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/page_controls.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace
{

const QStringList kShopTables = {"Customers", "OrderLines", "Orders"}; // list order

// The RelPath values of a project file, in order.
QStringList relPaths(const QByteArray& project)
{
    QStringList paths;
    for (const QByteArray& line : project.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith("RelPath = \""))
            paths.append(QString::fromLatin1(trimmed.mid(11).chopped(1)));
    }
    return paths;
}

} // namespace

class SolutionRunTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->start();
        tempDir = std::make_unique<QTemporaryDir>();
        QVERIFY(tempDir->isValid());
    }
    void cleanup()
    {
        fixture.reset();
        tempDir.reset();
    }

    void wholeSolution_data()
    {
        QTest::addColumn<QStringList>("tables");          // moved into the chosen list
        QTest::addColumn<QList<bool>>("modules");         // gn(0..2)
        QTest::addColumn<QString>("clickedDuringTheRun"); // at the run's first yield
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("three tables, two modules")
            << kShopTables << QList<bool>{true, true, false} << "" << QStringList{"End of Generation"};
        QTest::newRow("Ok again during the run") << kShopTables << QList<bool>{true, true, false}
                                                 << "Command21" << QStringList{"End of Generation"};
        QTest::newRow("Generate VB.Net Files! during the run")
            << kShopTables << QList<bool>{true, true, false} << "Command11"
            << QStringList{"End of Generation"};
        QTest::newRow("Generate ASPX! during the run") << kShopTables << QList<bool>{true, true, false}
                                                       << "Command8" << QStringList{"End of Generation"};
        // Cancel hides the dialog at once, here during the data-layer run: that run and each
        // page run show their own message, and its Web.config goes to the output folder.
        QTest::newRow("Cancel during the run")
            << kShopTables << QList<bool>{true, true, false} << "Command20"
            << QStringList{"End of Generation", "End of Generation", "End of Generation", "End of Generation",
                           "End of Generation"};
        QTest::newRow("no module: pages all the same")
            << kShopTables << QList<bool>{false, false, false} << ""
            << QStringList{"Choose at least one option!", "End of Generation"};
        QTest::newRow("no table: solution files only")
            << QStringList{} << QList<bool>{true, true, false} << ""
            << QStringList{"Choose at least one table!", "End of Generation"};
    }
    void wholeSolution()
    {
        QFETCH(QStringList, tables);
        QFETCH(QList<bool>, modules);
        QFETCH(QString, clickedDuringTheRun);
        QFETCH(QStringList, messages);
        app::MainWindow& w = fixture->window();
        const testsupport::VbPageControls page(&w);
        const testsupport::AspxPageControls aspx(&w);
        const testsupport::SolutionPanelControls dialog(&w);
        connectAndChoose(tables);
        for (std::size_t i = 0; i < 3; ++i)
            page.gn[i]->setChecked(modules[qsizetype(i)]);
        page.gcfk->setChecked(false);
        page.gwcf->setChecked(false);
        const QString sheet = dir().filePath("look.css");
        QFile css(sheet);
        QVERIFY(css.open(QIODevice::WriteOnly));
        css.write("body { margin: 0 }\n");
        css.close();
        dialog.stcss->setText(sheet);
        page.Command19->click();
        QCOMPARE(dialog.ppg->text(), dir().filePath("out/Shop_Web/"));

        // Each page run finds its table in the box; the progress value is read as it starts.
        QStringList pageTables;
        QList<int> progress;
        int progressBefore = -1;
        connect(aspx.pn2, &QLineEdit::textChanged, this, [&] {
            if (aspx.pn2->text().endsWith("User_Interface/"))
                progressBefore = page.pb1->value();
        });
        connect(aspx.tb2[0], &QLineEdit::textChanged, this, [&] {
            pageTables.append(aspx.tb2[0]->text());
            progress.append(page.pb1->value());
            QCOMPARE(aspx.tb2[1]->text(), "edit_" + aspx.tb2[0]->text() + ".aspx");
        });
        if (!clickedDuringTheRun.isEmpty()) {
            auto* other = w.findChild<QPushButton*>(clickedDuringTheRun);
            QVERIFY(other);
            QTimer::singleShot(0, other, [other] { other->click(); });
        }
        dialog.Command21->click();

        QCOMPARE(fixture->messages, messages);
        QVERIFY(testsupport::page<generation_ui::SolutionPanel>(&w)->isHidden());
        const QString project = dir().filePath("out/Shop_Web/");
        QCOMPARE(page.pn->text(), project + "User_Interface/");
        QCOMPARE(aspx.pn2->text(), project + "User_Interface/");
        QCOMPARE(aspx.tb2[3]->text(), QStringLiteral("Shop_Web"));
        QVERIFY(page.gwcf->isChecked());
        QCOMPARE(page.dbn->text(), QStringLiteral("Shop_"));

        // The solution's own files, the style sheet among them.
        QVERIFY(QFile::exists(dir().filePath("out/Shop.sln")));
        for (const QString name : {"AssemblyInfo.vb", "Global.asax", "Global.asax.resx", "Global.asax.vb"})
            QVERIFY2(QFile::exists(project + name), qPrintable(name));
        QCOMPARE(testsupport::readFileBytes(project + "Styles.css"), QByteArray("body { margin: 0 }\r\n"));
        QStringList listed = {"AssemblyInfo.vb",
                              "Global.asax",
                              "Global.asax.vb",
                              "Global.asax.resx",
                              "Styles.css",
                              "Web.config",
                              "Data_Access\\Shop_Access.vb",
                              "Data_Access\\Shop_Manager.vb",
                              "Data_Access\\"};
        if (!modules[0])
            listed.replace(6, "Data_Access\\");
        if (!modules[1])
            listed.replace(7, "Data_Access\\");
        for (const QString& table : tables)
            listed << "User_Interface\\edit_" + table + ".aspx"
                   << "User_Interface\\edit_" + table + ".aspx.vb";
        const QByteArray projectFile = testsupport::readFileBytes(project + "Shop_Web.vbproj");
        QCOMPARE(relPaths(projectFile), listed);
        // ps is disabled after this kind of Connect: no Oracle reference.
        QVERIFY(!page.ps->isEnabled());
        QVERIFY(!projectFile.contains("System.Data.OracleClient"));

        // The data layer: the same modules as a plain run of the same choice, and Web.config in
        // the project folder; after Cancel, in the folder of the modules.
        const bool vbnetRan = modules.contains(true) && !tables.isEmpty();
        const bool cancelled = clickedDuringTheRun == QLatin1String("Command20");
        QCOMPARE(QFile::exists(project + "Web.config"), vbnetRan && !cancelled);
        QCOMPARE(QFile::exists(project + "Data_Access/Web.config"), vbnetRan && cancelled);
        if (vbnetRan) {
            QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Access.vb",
                                     testsupport::readFileBytes(project + "Data_Access/Shop_Access.vb"));
            QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Manager.vb",
                                     testsupport::readFileBytes(project + "Data_Access/Shop_Manager.vb"));
        }
        QVERIFY(!QFile::exists(project + "Data_Access/Shop_Classes.vb"));

        // One page run per table, in list order, each into User_Interface.
        QCOMPARE(pageTables, tables);
        QStringList pages;
        for (const QString& table : tables)
            pages << "edit_" + table + ".aspx"
                  << "edit_" + table + ".aspx.vb";
        pages.sort();
        QCOMPARE(QDir(project + "User_Interface").entryList(QDir::Files, QDir::Name), pages);
        if (!tables.isEmpty()) {
            QCOMPARE(dialog.avasn->text(), "Generate Aspx for " + tables.last());
            // pb1 goes one step further per table, up to its maximum.
            QVERIFY(progressBefore >= 0);
            QList<int> expected;
            for (int k = 1; k <= tables.size(); ++k)
                expected.append(qMin(progressBefore + k, page.pb1->maximum()));
            QCOMPARE(progress, expected);
            // The page previews end with the last page's lines, each page's alone.
            const QString last = project + "User_Interface/edit_" + tables.last() + ".aspx";
            QCOMPARE(w.findChild<QPlainTextEdit*>("gasp_0")->toPlainText(),
                     testsupport::asPreview(testsupport::readFileBytes(last)));
            QCOMPARE(w.findChild<QPlainTextEdit*>("gasp_1")->toPlainText(),
                     testsupport::asPreview(testsupport::readFileBytes(last + ".vb")));
        }
    }

    // A solution file, a data-layer module and a page file that cannot be written (a folder
    // stands in their place), and no style sheet named for the Styles.css the project lists: all
    // are told under the one end message, and the rest is written.
    void problemsUnderTheOneEndMessage()
    {
        app::MainWindow& w = fixture->window();
        const testsupport::VbPageControls vb(&w);
        connectAndChoose({"Customers"});
        vb.gn[2]->setChecked(false);
        vb.Command19->click();
        const QString project = dir().filePath("out/Shop_Web/");
        QVERIFY(QDir().mkpath(project + "AssemblyInfo.vb"));
        QVERIFY(QDir().mkpath(project + "Data_Access/Shop_Manager.vb"));
        QVERIFY(QDir().mkpath(project + "User_Interface/edit_Customers.aspx.vb"));

        testsupport::SolutionPanelControls(&w).Command21->click();

        QCOMPARE(fixture->messages.size(), 1);
        const QStringList lines = fixture->messages.first().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QStringLiteral("End of Generation"));
        QVERIFY2(lines[1].startsWith(project + "AssemblyInfo.vb: "), qPrintable(lines[1]));
        QCOMPARE(lines[2], project + "Styles.css: not written, no style sheet is named");
        QVERIFY2(lines[3].startsWith(project + "Data_Access/Shop_Manager.vb: "), qPrintable(lines[3]));
        QVERIFY2(lines[4].startsWith(project + "User_Interface/edit_Customers.aspx.vb: "),
                 qPrintable(lines[4]));
        QVERIFY(QFile::exists(project + "Global.asax"));
        QVERIFY(QFile::exists(project + "Data_Access/Shop_Access.vb"));
        QVERIFY(QFile::exists(project + "User_Interface/edit_Customers.aspx"));
        QVERIFY(testsupport::page<generation_ui::SolutionPanel>(&w)->isHidden());
    }

    // The output folder is a file, or lies under one: each run says so once, before it
    // writes anything, with no line per file.
    void unwritableFolderStopsTheRun_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("under");
        for (const char* button : {"Command11", "Command18", "Command19"}) {
            QTest::addRow("%s, a file", button) << button << "";
            QTest::addRow("%s, under a file", button) << button << "deeper/";
        }
    }
    void unwritableFolderStopsTheRun()
    {
        QFETCH(QString, button);
        QFETCH(QString, under);
        app::MainWindow& w = fixture->window();
        connectAndChoose({"Customers", "Orders"});
        QFile blocker(dir().filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = dir().filePath("blocked/") + under;
        testsupport::VbPageControls(&w).pn->setText(folder);
        w.findChild<QPushButton*>(button)->click();
        if (button == "Command19")
            testsupport::SolutionPanelControls(&w).Command21->click();

        QCOMPARE(fixture->messages.size(), 1);
        QVERIFY2(
            fixture->messages[0].startsWith("Generation stopped: the output folder " +
                                            dir().filePath("blocked")) &&
                fixture->messages[0].contains(" cannot be written (Not a directory).\nNo file was written."),
            qPrintable(fixture->messages[0]));
        QCOMPARE(fixture->messages[0].count('\n'), 1);
        QCOMPARE(QFileInfo(dir().filePath("blocked")).size(), 0);
    }

    // The table box already names the table, and its file names were edited: the run still
    // writes the page under the names the project lists.
    void pageNamesRenewedForTheSameTable()
    {
        app::MainWindow& w = fixture->window();
        const testsupport::AspxPageControls aspx(&w);
        connectAndChoose({"Customers"});
        aspx.tb2[0]->setText(QStringLiteral("Customers"));
        aspx.tb2[1]->setText(QStringLiteral("mine.aspx"));
        testsupport::VbPageControls(&w).Command19->click();
        testsupport::SolutionPanelControls(&w).Command21->click();

        const QString pages = dir().filePath("out/Shop_Web/User_Interface/");
        QVERIFY(QFile::exists(pages + "edit_Customers.aspx"));
        QVERIFY(!QFile::exists(pages + "mine.aspx"));
    }

private:
    void connectAndChoose(const QStringList& tables)
    {
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("vbnet/shop.sql"), dir().path());
        QVERIFY(!cnx.isEmpty());
        app::MainWindow& w = fixture->window();
        const testsupport::VbPageControls vb(&w);
        w.findChild<QComboBox*>("ocnx")->setEditText(cnx);
        w.findChild<QPushButton*>("Command13")->click();
        QVERIFY(fixture->messages.isEmpty());
        QVERIFY(w.connection().connected());
        auto* tdn = w.findChild<QListWidget*>("tdn");
        for (const QString& table : tables) {
            const QList<QListWidgetItem*> found = tdn->findItems(table, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            tdn->setCurrentItem(found.first());
            w.findChild<QPushButton*>("tadd_1")->click();
        }
        QCOMPARE(w.findChild<QListWidget*>("tdn1")->count(), tables.size());
        w.findChild<QLineEdit*>("cnxstr")->setText(
            QStringLiteral("DRIVER=SQLite3;Database=C:\\data\\shop.db"));
        vb.dbn->setText(QStringLiteral("Shop_"));
        vb.pn->setText(dir().filePath("out/"));
    }

    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<QTemporaryDir> tempDir;
    QTemporaryDir& dir() { return *tempDir; }
};

QTEST_MAIN(SolutionRunTest)
#include "test_solution_run.moc"
