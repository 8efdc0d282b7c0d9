// The solution dialog: its fill from the prefix and the output folder, the solution name that
// keeps the prefix and the project in step, Cancel, and the style-sheet path kept per keystroke.

#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"
#include "platform/colours.h"
#include "platform/settings_store.h"
#include "support/page_controls.h"
#include "window_fixture.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace
{

struct Save {
    QString application, section, key, value;
    bool operator==(const Save&) const = default;
};

QStringList values(const QSignalSpy& spy)
{
    QStringList out;
    for (const QList<QVariant>& call : spy)
        out.append(call.at(0).toString());
    return out;
}

} // namespace

class SolutionDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->start();
    }
    void cleanup() { fixture.reset(); }

    void fill_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("solutionFolder");
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("projectFolder");
        QTest::newRow("folder without trailing slash") << "shop_"
                                                       << "/out"
                                                       << "/out/"
                                                       << "shop_Web"
                                                       << "/out/shop_Web/";
        QTest::newRow("folder with trailing slash") << "shop_"
                                                    << "/out/"
                                                    << "/out/"
                                                    << "shop_Web"
                                                    << "/out/shop_Web/";
        QTest::newRow("empty folder") << "shop_"
                                      << ""
                                      << "/"
                                      << "shop_Web"
                                      << "/shop_Web/";
        QTest::newRow("empty prefix") << ""
                                      << "/out/"
                                      << "/out/"
                                      << "Web"
                                      << "/out/Web/";
    }
    void fill()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, folder);
        QFETCH(QString, solutionFolder);
        QFETCH(QString, project);
        QFETCH(QString, projectFolder);
        app::MainWindow& w = fixture->window();
        const testsupport::VbPageControls vb(&w);
        vb.dbn->setText(prefix);
        vb.pn->setText(folder);

        vb.Command19->click();

        const testsupport::SolutionPanelControls d(&w);
        QVERIFY(!testsupport::page<generation_ui::SolutionPanel>(&w)->isHidden());
        QCOMPARE(d.sng->text(), prefix);
        QCOMPARE(d.spg->text(), solutionFolder);
        QCOMPARE(d.png->text(), project);
        QCOMPARE(d.ppg->text(), projectFolder);
        QCOMPARE(vb.pn->text(), folder);
        QCOMPARE(vb.dbn->text(), prefix);
        // Only the solution name and the style-sheet path can be edited.
        QVERIFY(!d.sng->isReadOnly() && !d.stcss->isReadOnly());
        QVERIFY(d.spg->isReadOnly() && d.png->isReadOnly() && d.ppg->isReadOnly());
        // ... and only they look like boxes to type in.
        QVERIFY(d.sng->hasFrame() && d.stcss->hasFrame());
        for (const QLineEdit* value : {d.spg, d.png, d.ppg}) {
            QVERIFY(!value->hasFrame());
            QVERIFY(platform::backColor(value) != platform::backColor(d.sng));
        }
    }

    void opensCentredOverThePages()
    {
        app::MainWindow& w = fixture->window();
        testsupport::VbPageControls(&w).Command19->click();
        const QWidget& d = *testsupport::page<generation_ui::SolutionPanel>(&w);
        const QPoint centre = d.geometry().center();
        const QPoint areaCentre = d.parentWidget()->rect().center();
        QVERIFY2(qAbs(centre.x() - areaCentre.x()) <= 1 && qAbs(centre.y() - areaCentre.y()) <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
        QVERIFY(d.isVisible());
    }

    void typingANameKeepsPrefixAndProjectInStep()
    {
        app::MainWindow& w = fixture->window();
        const testsupport::VbPageControls vb(&w);
        vb.dbn->setText(QStringLiteral("shop_"));
        vb.pn->setText(QStringLiteral("/out"));
        vb.Command19->click();
        const testsupport::SolutionPanelControls d(&w);

        d.sng->selectAll();
        QTest::keyClicks(d.sng, QStringLiteral("crm"));

        QCOMPARE(d.sng->text(), QStringLiteral("crm"));
        QCOMPARE(vb.dbn->text(), QStringLiteral("crm"));
        QCOMPARE(vb.gnn[0]->text(), QStringLiteral("crmAccess.vb"));
        QCOMPARE(vb.gnn[2]->text(), QStringLiteral("crmClasses.vb"));
        QCOMPARE(d.png->text(), QStringLiteral("crmWeb"));
        QCOMPARE(d.ppg->text(), QStringLiteral("/out/crmWeb/"));
        QCOMPARE(d.spg->text(), QStringLiteral("/out/"));

        // Cancel only hides: the prefix keeps the solution name.
        d.Command20->click();
        QVERIFY(testsupport::page<generation_ui::SolutionPanel>(&w)->isHidden());
        QCOMPARE(vb.dbn->text(), QStringLiteral("crm"));
        QCOMPARE(vb.gnn[1]->text(), QStringLiteral("crmManager.vb"));
        QCOMPARE(vb.pn->text(), QStringLiteral("/out"));
    }

    // The name is written before the folder: its change renews the project from the folder shown
    // so far, then the dialog sets the folder and the project again.
    void reopeningTakesTheNewFolder()
    {
        app::MainWindow& w = fixture->window();
        const testsupport::VbPageControls vb(&w);
        const testsupport::SolutionPanelControls d(&w);
        vb.dbn->setText(QStringLiteral("x"));
        vb.pn->setText(QStringLiteral("/a/"));
        vb.Command19->click();
        d.Command20->click();

        vb.dbn->setText(QStringLiteral("y"));
        vb.pn->setText(QStringLiteral("/b/"));
        QSignalSpy projectFolders(d.ppg, &QLineEdit::textChanged);
        QSignalSpy prefixes(vb.dbn, &QLineEdit::textChanged);
        vb.Command19->click();

        QCOMPARE(values(projectFolders),
                 (QStringList{QStringLiteral("/a/yWeb/"), QStringLiteral("/b/yWeb/")}));
        QVERIFY(prefixes.isEmpty());
        QCOMPARE(d.sng->text(), QStringLiteral("y"));
        QCOMPARE(d.spg->text(), QStringLiteral("/b/"));

        // Same prefix again: the name does not change, the folders still follow pn.
        d.Command20->click();
        vb.pn->setText(QStringLiteral("/c"));
        vb.Command19->click();
        QCOMPARE(d.spg->text(), QStringLiteral("/c/"));
        QCOMPARE(d.png->text(), QStringLiteral("yWeb"));
        QCOMPARE(d.ppg->text(), QStringLiteral("/c/yWeb/"));
    }

    void styleSheetPathSavedPerKeystroke()
    {
        app::MainWindow& w = fixture->window();
        QList<Save> saves;
        fixture->program().session().settings().setSaveObserver([&saves](auto a, auto s, auto k, auto v) {
            saves.append({a, s, k, v});
        });

        QTest::keyClicks(testsupport::SolutionPanelControls(&w).stcss, QStringLiteral("/css/b.cs"));
        QTest::keyClick(testsupport::SolutionPanelControls(&w).stcss, Qt::Key_Backspace);
        QTest::keyClicks(testsupport::SolutionPanelControls(&w).stcss, QStringLiteral("ss"));

        const QString typed = QStringLiteral("/css/b.cs");
        QList<Save> expected;
        for (int n = 1; n <= typed.size(); ++n)
            expected.append(
                {QStringLiteral("kvl_net"), QStringLiteral("style"), QStringLiteral("stcss"), typed.left(n)});
        expected.append(
            {QStringLiteral("kvl_net"), QStringLiteral("style"), QStringLiteral("stcss"), typed.chopped(1)});
        expected.append({QStringLiteral("kvl_net"), QStringLiteral("style"), QStringLiteral("stcss"),
                         QStringLiteral("/css/b.cs")});
        expected.append({QStringLiteral("kvl_net"), QStringLiteral("style"), QStringLiteral("stcss"),
                         QStringLiteral("/css/b.css")});
        QCOMPARE(saves, expected);

        // A rebuilt window reads it back.
        fixture->program().reloadMainWindow();
        QCOMPARE(testsupport::SolutionPanelControls(&fixture->window()).stcss->text(),
                 QStringLiteral("/css/b.css"));
    }

private:
    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(SolutionDialogTest)
#include "test_solution_dialog.moc"
