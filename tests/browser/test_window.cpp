// The Data Browser inside the running program: after Connect, its grid runs on the
// window's Data2, and keeps doing so when the window is unloaded and shown again.

#include "app/window_fixture.h"
#include "browser/data_browser_page.h"
#include "support/fixture_db.h"

#include <QComboBox>
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
        fixture.find<QComboBox>(QStringLiteral("ocnx"))->setEditText(cnx);
        fixture.find<QPushButton>(QStringLiteral("Command13"))->click();
        QCOMPARE(fixture.window().form().connected, 1);

        for (int round = 0; round < 2; ++round) {
            if (round == 1) {
                fixture.window().reloadWindow();
                WindowFixture::flushDeletes();
            }
            fixture.find<QPushButton>(QStringLiteral("Command_0"))->click();
            auto* page = fixture.find<browser::DataBrowserPage>(QStringLiteral("pt_0"));
            QVERIFY(page && page->isVisible());
            if (page->t->count() == 0) // a reloaded window lists no tables until Connect
                page->t->addItem(QStringLiteral("Customers"));
            const QList<QListWidgetItem*> found =
                page->t->findItems(QStringLiteral("Customers"), Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            page->t->setCurrentItem(found.first());
            QTest::mouseClick(page->Command2, Qt::LeftButton);
            QCOMPARE(page->nr->text(), QStringLiteral("2"));
            QCOMPARE(page->ss2->model()->columnCount(), 6);
            QCOMPARE(fixture.window().form().Data2.recordSource(), QStringLiteral("SELECT * from Customers"));
        }
        QVERIFY(fixture.messages.isEmpty());
    }
};

QTEST_MAIN(BrowserWindowTest)
#include "test_window.moc"
