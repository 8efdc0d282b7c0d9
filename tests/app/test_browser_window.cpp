// The Data Browser inside the running program: after Connect, its grid runs on the
// window's Data2, and keeps doing so when the window is unloaded and shown again; Close
// Connexion ends it until the next Connect.

#include "app/window_fixture.h"
#include "browser/data_browser_page.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"

#include <QComboBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

class BrowserWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void openAfterConnect()
    {
        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("shop_sqlite.sql"), dir.path());
        QVERIFY(!cnx.isEmpty());
        WindowFixture fixture;
        fixture.start();
        const auto connectAgain = [&] {
            fixture.find<QComboBox>(QStringLiteral("ocnx"))->setEditText(cnx);
            fixture.find<QPushButton>(QStringLiteral("Command13"))->click();
            QVERIFY(fixture.window().connection().connected());
        };
        // Opens Customers in the browser; the grid's column count.
        const auto browse = [&] {
            fixture.find<QPushButton>(QStringLiteral("Command_0"))->click();
            auto* page = fixture.find<browser::DataBrowserPage>(QStringLiteral("pt_0"));
            if (!page || !page->isVisible())
                return -1;
            const testsupport::BrowserPageControls ui(page);
            if (ui.t->findItems(QStringLiteral("Customers"), Qt::MatchExactly).isEmpty())
                ui.t->addItem(QStringLiteral("Customers")); // a reloaded window lists no tables
            ui.t->setCurrentItem(ui.t->findItems(QStringLiteral("Customers"), Qt::MatchExactly).first());
            QTest::mouseClick(ui.Command2, Qt::LeftButton);
            if (fixture.window().connection().browserData().recordSource() !=
                QLatin1String("SELECT * from Customers"))
                return -1;
            if (ui.ss2->model()->columnCount() > 0 && ui.nr->text() != QLatin1String("2"))
                return -1;
            return ui.ss2->model()->columnCount();
        };
        connectAgain();
        QCOMPARE(browse(), 6);

        // Close Connexion closes Data2's connection too, until the next Connect.
        fixture.find<QPushButton>(QStringLiteral("Command6"))->click();
        WindowFixture::flushDeletes();
        QCOMPARE(browse(), 0);
        connectAgain();
        QCOMPARE(browse(), 6);

        // The window unloaded and shown again keeps browsing on Data2.
        fixture.window().reloadWindow();
        WindowFixture::flushDeletes();
        QCOMPARE(browse(), 6);
        QVERIFY(fixture.messages.isEmpty());
    }

    // A sort or a filter the database refuses: the grid and the count are empty and the
    // status bar names the database's reason until the next query runs.
    void refusedQueryNamedInTheStatusBar()
    {
        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("shop_sqlite.sql"), dir.path());
        QVERIFY(!cnx.isEmpty());
        WindowFixture fixture;
        fixture.start();
        fixture.find<QComboBox>(QStringLiteral("ocnx"))->setEditText(cnx);
        fixture.find<QPushButton>(QStringLiteral("Command13"))->click();
        fixture.find<QPushButton>(QStringLiteral("Command_0"))->click();
        auto* page = fixture.find<browser::DataBrowserPage>(QStringLiteral("pt_0"));
        QVERIFY(page);
        const testsupport::BrowserPageControls ui(page);
        auto* bar = fixture.find<QStatusBar>(QStringLiteral("st1"));
        QVERIFY(bar);
        const auto open = [&] {
            ui.t->setCurrentItem(ui.t->findItems(QStringLiteral("Customers"), Qt::MatchExactly).first());
            QTest::mouseClick(ui.Command2, Qt::LeftButton);
            QCOMPARE(ui.nr->text(), QStringLiteral("2"));
            QVERIFY(bar->currentMessage().isEmpty());
        };
        for (QPushButton* action : {ui.c_srt[1], ui.Command7}) {
            open();
            ui.c->setText(QStringLiteral("Missing"));
            QTest::mouseClick(action, Qt::LeftButton);
            QCOMPARE(ui.ss2->model()->columnCount(), 0);
            QVERIFY(ui.nr->text().isEmpty());
            QVERIFY2(bar->currentMessage().contains(QStringLiteral("no such column: Missing")),
                     qPrintable(bar->currentMessage()));
        }
        open();
        QVERIFY(fixture.messages.isEmpty());
    }
};

QTEST_MAIN(BrowserWindowTest)
#include "test_browser_window.moc"
