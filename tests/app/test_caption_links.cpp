// The caption links: four elements of Etiquette6 run the handler of the picture button beside
// them; a click on any other caption does nothing.

#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/caption_links.h"
#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"
#include "support/find_control.h"
#include "support/page_controls.h"
#include "window_fixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace
{

using testsupport::click;

// What a handler may leave behind in the window.
QStringList outcome(WindowFixture& fixture)
{
    app::MainWindow& w = fixture.window();
    const testsupport::VbPageControls vb(&w);
    QStringList state = fixture.messages;
    state << QStringLiteral("dialog %1")
                 .arg(testsupport::page<generation_ui::SolutionPanel>(&w)->isHidden() ? 0 : 1)
          << QStringLiteral("progress %1").arg(vb.pb1->isHidden() ? 0 : 1)
          << testsupport::SolutionPanelControls(&w).sng->text() << vb.dbn->text();
    for (QPlainTextEdit* preview : w.findChildren<QPlainTextEdit*>())
        state << preview->objectName() + QLatin1Char('=') + preview->toPlainText();
    return state;
}

void prepare(WindowFixture& fixture)
{
    fixture.start();
    const testsupport::VbPageControls vb(&fixture.window());
    vb.dbn->setText(QStringLiteral("shop_"));
    vb.gn[1]->setChecked(true);
}

} // namespace

class CaptionLinksTest : public QObject
{
    Q_OBJECT
private slots:
    // A link does what its button does, in a window of its own.
    void linkRunsTheButtonsHandler_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("button");
        QTest::newRow("Generate VB.Net Files!") << "Etiquette6_13"
                                                << "Command11";
        QTest::newRow("VB6 Classes only!") << "Etiquette6_14"
                                           << "Command18";
        QTest::newRow("Generate ASPX!") << "Etiquette6_17"
                                        << "Command8";
        QTest::newRow("Generate Solution!") << "Etiquette6_22"
                                            << "Command19";
    }
    void linkRunsTheButtonsHandler()
    {
        QFETCH(QString, caption);
        QFETCH(QString, button);
        QStringList byButton, byCaption;
        {
            WindowFixture fixture;
            prepare(fixture);
            QWidget* target = fixture.find<QWidget>(button);
            QVERIFY(target);
            click(target);
            byButton = outcome(fixture);
        }
        {
            WindowFixture fixture;
            prepare(fixture);
            QWidget* target = fixture.find<QLabel>(caption);
            QVERIFY(target);
            click(target);
            byCaption = outcome(fixture);
        }
        QCOMPARE(byCaption, byButton);
    }

    // The run itself refuses an empty choice of tables: the link reached it.
    void vbNetLinkStartsTheRun()
    {
        WindowFixture fixture;
        prepare(fixture);
        click(fixture.find<QLabel>(QStringLiteral("Etiquette6_13")));
        QCOMPARE(fixture.messages, QStringList{QStringLiteral("Choose at least one table!")});
        QVERIFY(!testsupport::VbPageControls(&fixture.window()).pb1->isHidden());
    }

    void solutionLinkOpensTheDialog()
    {
        WindowFixture fixture;
        prepare(fixture);
        fixture.window().Command_Click(1);
        click(fixture.find<QLabel>(QStringLiteral("Etiquette6_22")));
        QVERIFY(testsupport::page<generation_ui::SolutionPanel>(&fixture.window())->isVisible());
        QCOMPARE(testsupport::SolutionPanelControls(&fixture.window()).sng->text(), QStringLiteral("shop_"));
    }

    // "Table", "Path", "VB Prefix" and the others are captions only.
    void otherCaptionsDoNothing()
    {
        WindowFixture fixture;
        prepare(fixture);
        const QStringList before = outcome(fixture);
        int captions = 0;
        for (QLabel* label : fixture.window().findChildren<QLabel*>()) {
            const QString name = label->objectName();
            if (!name.startsWith(QLatin1String("Etiquette6_")))
                continue;
            const int index = name.mid(11).toInt();
            if (generation_ui::captionLink(index))
                continue;
            ++captions;
            click(label);
            fixture.window().Etiquette6_Click(index);
            QCOMPARE(outcome(fixture), before);
        }
        QVERIFY(captions >= 10);
        for (int index : {-1, 0, 12, 15, 16, 18, 21, 23, 100})
            fixture.window().Etiquette6_Click(index);
        QCOMPARE(outcome(fixture), before);
    }
};

QTEST_MAIN(CaptionLinksTest)
#include "test_caption_links.moc"
