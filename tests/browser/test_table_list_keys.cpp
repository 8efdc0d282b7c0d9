// The table list from the keyboard and the mouse: Enter on a table, or a double-click on
// it, opens it as the "Open Table..." button does.
#include "browser_fixture.h"

#include <QTest>

class TableListKeysTest : public QObject
{
    Q_OBJECT

    BrowserFixture f;

private slots:
    void init()
    {
        if (!f.ready())
            QFAIL("fixture not built");
        f.startPage();
    }
    void cleanup() { f.stopPage(); }

    void enterOrDoubleClickOpensTheTable_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Return") << "Return";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("double-click") << "double-click";
    }
    void enterOrDoubleClickOpensTheTable()
    {
        QFETCH(QString, how);
        // Another table shows first, so that the grid has to change.
        f.open(QStringLiteral("Customers"));
        QCOMPARE(f.ui->nr->text(), QStringLiteral("3"));
        f.select(QStringLiteral("Orders"));
        QVERIFY(f.ui->nr->text().isEmpty());
        QCOMPARE(f.column("Name").size(), 3);

        QListWidget* list = f.ui->t;
        list->setFocus();
        if (how == QLatin1String("double-click"))
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->currentItem()).center());
        else
            QTest::keyClick(list, how == QLatin1String("Enter") ? Qt::Key_Enter : Qt::Key_Return);

        QCOMPARE(f.headers(), QStringList({"OrderId", "CustomerId", "SoldBy", "OrderDate"}));
        QCOMPARE(f.ui->nr->text(), QStringLiteral("1"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Orders"));
        QVERIFY(f.messages.isEmpty());
    }
};

QTEST_MAIN(TableListKeysTest)
#include "test_table_list_keys.moc"
