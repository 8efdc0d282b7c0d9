// "Generate ASPX!" through the real window, offscreen: Connect to the fixture database,
// type the table into the ASPX page's table box, click Command8; the files are compared
// with the goldens and the previews with the files. A click on the button or its caption
// link while the run yields is refused; with the solution dialog shown there is no end
// message; an empty table box is refused after the folder is made.

#include "app/window_fixture.h"
#include "support/find_control.h"
#include "support/fixture_db.h"
#include "support/golden.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class EditPageWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void generate_data()
    {
        QTest::addColumn<QString>("clickedDuringTheRun"); // clicked at the run's first yield
        QTest::addColumn<bool>("solutionShown");
        QTest::newRow("from the page") << "" << false;
        QTest::newRow("Generate again") << "Command8" << false;
        QTest::newRow("caption link again") << "Etiquette6_17" << false;
        QTest::newRow("solution dialog shown") << "" << true;
    }
    void generate()
    {
        QFETCH(QString, clickedDuringTheRun);
        QFETCH(bool, solutionShown);
        WindowFixture fixture;
        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("web/edit_page.sql"), dir.path());
        QVERIFY(!cnx.isEmpty());
        fixture.start();
        fixture.find<QComboBox>("ocnx")->setEditText(cnx);
        fixture.find<QPushButton>("Command13")->click();
        QVERIFY(fixture.messages.isEmpty());
        if (solutionShown)
            fixture.find<QPushButton>("Command19")->click();

        fixture.find<QLineEdit>("tb2_0")->setText("Orders");
        fixture.find<QLineEdit>("tb2_3")->setText("ShopWeb");
        fixture.find<QLineEdit>("pn2")->setText(dir.filePath("out/web/"));
        auto* stasp = fixture.find<QLabel>("stasp");
        QString stepAtFirstYield;
        QTimer::singleShot(0, stasp, [&] {
            stepAtFirstYield = stasp->text();
            if (!clickedDuringTheRun.isEmpty())
                testsupport::click(fixture.find<QWidget>(clickedDuringTheRun));
        });
        fixture.find<QPushButton>("Command8")->click();

        QCOMPARE(stepAtFirstYield, QStringLiteral("Search Foreign Keys"));
        QCOMPARE(fixture.messages, solutionShown ? QStringList{} : QStringList{"End of Generation"});
        QCOMPARE(stasp->text(), QString());
        const QByteArray markup = testsupport::readFileBytes(dir.filePath("out/web/edit_Orders.aspx"));
        const QByteArray code = testsupport::readFileBytes(dir.filePath("out/web/edit_Orders.aspx.vb"));
        QUILLMERE_COMPARE_GOLDEN("web/edit_page_orders.aspx", markup);
        QUILLMERE_COMPARE_GOLDEN("web/edit_page_orders.aspx.vb", code);
        QCOMPARE(fixture.find<QPlainTextEdit>("gasp_0")->toPlainText(), testsupport::asPreview(markup));
        QCOMPARE(fixture.find<QPlainTextEdit>("gasp_1")->toPlainText(), testsupport::asPreview(code));
    }

    void chooseATable()
    {
        WindowFixture fixture;
        QTemporaryDir dir;
        fixture.start();
        fixture.find<QLineEdit>("tb2_0")->setText("  ");
        fixture.find<QLineEdit>("pn2")->setText(dir.filePath("made/here/"));
        fixture.find<QPushButton>("Command8")->click();
        QCOMPARE(fixture.messages, QStringList{"Choose a Table!"});
        QVERIFY(QDir(dir.filePath("made/here")).exists());
        QVERIFY(QDir(dir.filePath("made/here")).isEmpty());
    }
};

QTEST_MAIN(EditPageWindowTest)
#include "test_edit_page_window.moc"
