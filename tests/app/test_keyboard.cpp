// The window under the keyboard: previews that take no typing and let Tab go on, the focus
// where the next step is after start-up and after a Connect, Enter in the Other Connections
// box, a focus mark on every Tab stop, and Enter and Escape in the solution dialog.
#include "app/main_window.h"
#include "app/screen_fit.h"
#include "kit/action_guard.h"
#include "support/fixture_db.h"
#include "support/focus_marks.h"
#include "support/page_controls.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class KeyboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;

    app::MainWindow& w() { return fixture->window(); }

private slots:
    void init()
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->start();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }
    void cleanup() { fixture.reset(); }

    void previewsRefuseTypingAndPassTabOn_data()
    {
        QTest::addColumn<QString>("preview");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("tab");
        for (int i = 0; i < 5; ++i)
            QTest::addRow("gnl_%d", i) << QStringLiteral("gnl_%1").arg(i) << 1 << i;
        for (int i = 0; i < 2; ++i)
            QTest::addRow("gasp_%d", i) << QStringLiteral("gasp_%1").arg(i) << 3 << -1;
    }
    void previewsRefuseTypingAndPassTabOn()
    {
        QFETCH(QString, preview);
        QFETCH(int, page);
        QFETCH(int, tab);
        w().Command_Click(page);
        if (tab >= 0)
            w().vvbg_Click(tab);
        auto* box = w().findChild<QPlainTextEdit*>(preview);
        QVERIFY(box);
        box->show();
        const QString generated = QStringLiteral("Public Class Customers\nEnd Class");
        box->setPlainText(generated);
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());

        QTest::keyClicks(box, QStringLiteral("typed"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->toPlainText(), generated);

        // Still selectable and copyable from the keyboard.
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), generated);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box->toPlainText(), generated);

        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
        QCOMPARE(box->toPlainText(), generated);
    }

    void startUpFocusesTheFirstConnectionBox()
    {
        const testsupport::ConnectionPageControls cp(&w());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(cp.db));
    }

    // After a Connect the next step is picking tables; after Close Connexion the window starts
    // again on the Connection page.
    void connectFocusesTheTableList()
    {
        QTemporaryDir dir;
        const QString shop = testsupport::sqliteFixture(QStringLiteral("shop_sqlite.sql"), dir.path());
        if (shop.isEmpty())
            QFAIL("fixture not built");
        const testsupport::ConnectionPageControls cp(&w());
        cp.ocnx->setEditText(shop);
        cp.Command13->click();
        const testsupport::VbPageControls vb(&w());
        QVERIFY(vb.tdn->count() > 0);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(vb.tdn));

        w().Command_Click(2);
        testsupport::ConnectionPageControls(&w()).Command6->click();
        WindowFixture::flushDeletes();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QTRY_COMPARE(QApplication::focusWidget(),
                     static_cast<QWidget*>(testsupport::ConnectionPageControls(&w()).db));
    }

    // Enter in the Other Connections box connects, as its Connect button does; an entry
    // that cannot be opened is reported the same way.
    void otherConnectionsBoxConnectsOnEnter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("good");
        QTest::newRow("Return, the shop") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter, the shop") << int(Qt::Key_Enter) << true;
        QTest::newRow("Return, no such driver") << int(Qt::Key_Return) << false;
    }
    void otherConnectionsBoxConnectsOnEnter()
    {
        QFETCH(int, key);
        QFETCH(bool, good);
        QTemporaryDir dir;
        const QString shop = testsupport::sqliteFixture(QStringLiteral("shop_sqlite.sql"), dir.path());
        if (shop.isEmpty())
            QFAIL("fixture not built");
        const QString entry = good ? shop : QStringLiteral("DRIVER=NoSuchDriver;Database=x;");
        const testsupport::ConnectionPageControls cp(&w());
        cp.ocnx->setFocus();
        QTRY_VERIFY(cp.ocnx->hasFocus());
        cp.ocnx->setEditText(entry);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        const testsupport::VbPageControls vb(&w());
        if (good) {
            QVERIFY(vb.tdn->count() > 0);
            QVERIFY(w().statusPanel(1) != QLatin1String(app::kNotConnected));
            QVERIFY(fixture->messages.isEmpty());
            return;
        }
        QCOMPARE(vb.tdn->count(), 0);
        QCOMPARE(w().statusPanel(1), QString::fromLatin1(app::kNotConnected));
        QCOMPARE(fixture->messages.size(), 1);
        QVERIFY2(fixture->messages.first().startsWith(QLatin1String("Connection not opened")),
                 qPrintable(fixture->messages.first()));
        // The button answers the same.
        const QStringList byKey = fixture->messages;
        fixture->messages.clear();
        cp.Command13->click();
        QCOMPARE(fixture->messages, byKey);
    }

    // Tab from the Connection String box reaches a control, not the page area around the
    // pages, and every stop of the chain on every page paints a focus mark: it looks other
    // with the focus than without.
    void everyTabStopShowsTheFocus_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("Connection") << 2;
        QTest::newRow("VB Generator") << 1;
        QTest::newRow("ASPX Generator") << 3;
        QTest::newRow("Data Browser") << 0;
    }
    void everyTabStopShowsTheFocus()
    {
        QFETCH(int, page);
        w().Command_Click(page);
        const testsupport::MainWindowControls mw(&w());
        QWidget* start = mw.Command[std::size_t(page)];
        if (page == 2) {
            start = testsupport::ConnectionPageControls(&w()).cnxstr;
            start->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(start->hasFocus());
            QTest::keyClick(start, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            QVERIFY(next && next != start);
            QVERIFY2(!qobject_cast<app::PageScroller*>(next), "Tab went to the page area");
        }
        start->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(start->hasFocus());
        // The Data Browser's grid is left to its own tests.
        const QStringList unmarked = testsupport::stopsWithoutFocusMark(
            start, [](QWidget* stop) { return stop->objectName() == QLatin1String("ss2"); });
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral(", "))));
    }

    void solutionDialogTakesEnterAndEscape_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << false;
        QTest::newRow("Return is Ok") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter is Ok") << int(Qt::Key_Enter) << true;
    }
    void solutionDialogTakesEnterAndEscape()
    {
        QFETCH(int, key);
        QFETCH(bool, ok);
        w().Command_Click(1);
        const testsupport::VbPageControls vb(&w());
        vb.Command19->click();
        const testsupport::SolutionPanelControls d(&w());
        QVERIFY(w().solutionDialogVisible());
        // The dialog starts on the one value to type.
        QTRY_VERIFY(d.sng->hasFocus());
        QSignalSpy oks(d.Command21, &QPushButton::clicked);
        QSignalSpy cancels(d.Command20, &QPushButton::clicked);
        // A run counts as under way, so Ok starts nothing here.
        kit::ActionGuard busy(w().session().runGuard());
        QTest::keyClick(d.sng, Qt::Key(key));
        QCOMPARE(oks.size(), ok ? 1 : 0);
        QCOMPARE(cancels.size(), ok ? 0 : 1);
        QCOMPARE(w().solutionDialogVisible(), ok);
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
