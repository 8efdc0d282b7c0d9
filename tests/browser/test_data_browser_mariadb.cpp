// The range search and table names against a MariaDB server: datetime, date, time, integer
// and decimal columns with the type codes its driver reports, bounds included at both ends,
// and names in the server's own quotes where they are no plain identifiers.

#include "browser_fixture.h"

#include <QLocale>
#include <QSignalSpy>
#include <optional>

class DataBrowserMariaDbTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (!testsupport::mariadbAvailable())
            QSKIP("no MariaDB test server");
        f.emplace(testsupport::mariadbFixture(QStringLiteral("shop_mariadb.sql")));
        QVERIFY(f->ready());
        for (const char* sql :
             {"INSERT INTO orders VALUES (11, 2, 1, '2024-06-15 08:30:00'), (12, 1, 1, '2023-12-31 "
              "23:00:00')",
              "INSERT INTO products VALUES ('P2', 'EU', 'Pad', 4.25), ('P3', 'US', 'Ink', 12.00)",
              "CREATE TABLE deliveries (order_id integer, due date)",
              "INSERT INTO deliveries VALUES (10, '2024-05-02'), (11, '2024-12-31'), (12, '2024-05-01')",
              "CREATE TABLE shifts (shift_id integer, starts time)",
              "INSERT INTO shifts VALUES (1, '06:00'), (2, '09:30'), (3, '22:15')",
              "CREATE TABLE `Order Notes` (id integer)", "INSERT INTO `Order Notes` VALUES (1), (2)"})
            QVERIFY2(f->exec(QString::fromLatin1(sql)), sql);
    }
    void init()
    {
        f->startPage();
        f->ui->t->addItems({"orders", "products", "deliveries", "shifts"});
    }
    void cleanup() { f->stopPage(); }

    void range_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("fromShown");
        QTest::addColumn<QString>("toShown");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("datetimes, both") << "orders" << 3 << "135"
                                         << "2024-01-01"
                                         << "6/30/2024"
                                         << "01/01/2024"
                                         << "06/30/2024" << QStringList{"10", "11"};
        QTest::newRow("datetimes, only to") << "orders" << 3 << "135"
                                            << ""
                                            << "2024-01-01"
                                            << ""
                                            << "01/01/2024" << QStringList{"12"};
        QTest::newRow("date column, both ends") << "deliveries" << 1 << "133"
                                                << "2024-05-02"
                                                << "12/31/2024"
                                                << "05/02/2024"
                                                << "12/31/2024" << QStringList{"10", "11"};
        QTest::newRow("time column, both ends") << "shifts" << 1 << "134"
                                                << "9:30 AM"
                                                << "22:15"
                                                << "9:30 AM"
                                                << "22:15" << QStringList{"2", "3"};
        QTest::newRow("integers") << "orders" << 0 << "3"
                                  << "11"
                                  << "12"
                                  << "11"
                                  << "12" << QStringList{"11", "12"};
        QTest::newRow("decimals, bounds included") << "products" << 3 << "131"
                                                   << "4.25"
                                                   << "12"
                                                   << "4.25"
                                                   << "12" << QStringList{"P2", "P3"};
    }
    void range()
    {
        QFETCH(QString, table);
        QFETCH(int, column);
        QFETCH(QString, type);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, fromShown);
        QFETCH(QString, toShown);
        QFETCH(QStringList, keys);
        const auto& ui = *f->ui;
        f->open(table);
        QHeaderView* header = ui.ss2->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        QCOMPARE(ui.tp->text(), type);
        ui.sfr->setText(from);
        ui.sto->setText(to);
        ui.c_srt[0]->click(); // rows in key order
        QTest::mouseClick(ui.Command10, Qt::LeftButton);
        QCOMPARE(ui.sfr->text(), fromShown);
        QCOMPARE(ui.sto->text(), toShown);
        QVERIFY2(!f->headers().isEmpty(), "the range search was refused");
        QStringList found = f->column(f->headers().first());
        found.sort();
        QCOMPARE(found, keys);
        QCOMPARE(ui.nr->text(), QString::number(keys.size()));
    }

    // The server keeps unquoted names as written: a mixed-case name goes in as it is, a
    // name with a blank in the server's quotes.
    void tableNames_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("count");
        QTest::newRow("mixed case") << "Customers"
                                    << "SELECT * from Customers"
                                    << "2";
        QTest::newRow("not an identifier") << "Order Notes"
                                           << "SELECT * from `Order Notes`"
                                           << "2";
    }
    void tableNames()
    {
        QFETCH(QString, table);
        QFETCH(QString, query);
        QFETCH(QString, count);
        auto& p = *f->page;
        const auto& ui = *f->ui;
        QSignalSpy failures(&p, &browser::DataBrowserPage::queryFailed);
        ui.t->addItem(table);
        f->open(table);
        QCOMPARE(f->data2->recordSource(), query);
        QVERIFY2(failures.isEmpty(),
                 failures.isEmpty() ? "" : qPrintable(failures.first().first().toString()));
        QCOMPARE(ui.nr->text(), count);
        QCOMPARE(f->grid()->rowCount(), count.toInt());
    }

    // A refused query leaves the grid and count empty; the connection goes on serving
    // the next one.
    void refusedQueryThenAnother()
    {
        auto& p = *f->page;
        const auto& ui = *f->ui;
        QSignalSpy failures(&p, &browser::DataBrowserPage::queryFailed);
        f->open(QStringLiteral("orders"));
        ui.c->setText(QStringLiteral("nope"));
        QTest::mouseClick(ui.c_srt[1], Qt::LeftButton);
        QCOMPARE(f->grid()->columnCount(), 0);
        QVERIFY(ui.nr->text().isEmpty());
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures.first().first().toString().contains(QStringLiteral("nope")),
                 qPrintable(failures.first().first().toString()));
        ui.c->setText(QStringLiteral("order_id"));
        QTest::mouseClick(ui.c_srt[1], Qt::LeftButton);
        QCOMPARE(f->column(QStringLiteral("order_id")), QStringList({"12", "11", "10"}));
        QCOMPARE(ui.nr->text(), QStringLiteral("3"));
    }

    // Ctrl+End reaches the last row of a sorted table of thousands, Ctrl+Home the first.
    void queryEndInReach()
    {
        QVERIFY(f->exec(QStringLiteral("CREATE TABLE digits (d integer)")));
        QVERIFY(f->exec(
            QStringLiteral("INSERT INTO digits VALUES (0), (1), (2), (3), (4), (5), (6), (7), (8), (9)")));
        QVERIFY(f->exec(
            QStringLiteral("CREATE TABLE big AS SELECT a.d * 1000 + b.d * 100 + c.d * 10 + e.d + 1 AS i "
                           "FROM digits a, digits b, digits c, digits e WHERE a.d < 3")));
        f->checkQueryEnd(QStringLiteral("big"), QStringLiteral("i"), 3000);
    }

    // A table and columns named with SQL words: every statement of the browser reads them.
    void wordNames()
    {
        QVERIFY(f->exec(QStringLiteral("CREATE TABLE `order` (`from` integer, `select` varchar(10))")));
        QVERIFY(f->exec(QStringLiteral("INSERT INTO `order` VALUES (1, 'a'), (2, 'b'), (3, 'c')")));
        f->checkWordNames(QStringLiteral("order"));
    }

private:
    std::optional<BrowserFixture> f;
};

QTEST_MAIN(DataBrowserMariaDbTest)
#include "test_data_browser_mariadb.moc"
