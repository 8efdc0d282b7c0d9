// The range search against a server: integer, numeric, date and timestamp columns with
// the type codes the driver reports, bounds included at both ends.

#include "browser_fixture.h"

#include <QLocale>
#include <QSignalSpy>
#include <optional>

class DataBrowserPgTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (!testsupport::pgAvailable())
            QSKIP("no PostgreSQL test server");
        f.emplace(testsupport::pgFixture(QStringLiteral("shop_pg.sql")));
        QVERIFY(f->ready());
        platform::ado::Connection db;
        QVERIFY(db.open(f->connectionString()).ok);
        platform::ado::Recordset none;
        QVERIFY(db.query(QStringLiteral("INSERT INTO sales.orders VALUES (11, 2, 1, '2024-06-15 08:30:00'), "
                                        "(12, 1, 1, '2023-12-31 23:00:00')"),
                         &none)
                    .ok);
        QVERIFY(db.query(QStringLiteral("INSERT INTO sales.products VALUES ('P2', 'EU', 'Pad', 4.25), "
                                        "('P3', 'US', 'Ink', 12.00)"),
                         &none)
                    .ok);
        QVERIFY(db.query(QStringLiteral("CREATE TABLE sales.deliveries (order_id integer, due date); "
                                        "INSERT INTO sales.deliveries VALUES (10, '2024-05-02'), "
                                        "(11, '2024-12-31'), (12, '2024-05-01')"),
                         &none)
                    .ok);
        QVERIFY(db.query(QStringLiteral(
                             "CREATE TABLE sales.shifts (shift_id integer, starts time); "
                             "INSERT INTO sales.shifts VALUES (1, '06:00'), (2, '09:30'), (3, '22:15')"),
                         &none)
                    .ok);
        QVERIFY(
            db.query(QStringLiteral("CREATE SCHEMA \"Ledger\"; CREATE TABLE \"Ledger\".entries (id integer); "
                                    "INSERT INTO \"Ledger\".entries VALUES (1)"),
                     &none)
                .ok);
    }
    void init()
    {
        f->startPage();
        f->ui->t->addItems({"sales.orders", "sales.products", "sales.deliveries", "sales.shifts"});
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
        QTest::newRow("dates, both") << "sales.orders" << 3 << "135"
                                     << "2024-01-01"
                                     << "6/30/2024"
                                     << "01/01/2024"
                                     << "06/30/2024" << QStringList{"10", "11"};
        QTest::newRow("dates, only from") << "sales.orders" << 3 << "135"
                                          << "5/2/24"
                                          << ""
                                          << "05/02/2024"
                                          << "" << QStringList{"11"};
        QTest::newRow("dates, only to") << "sales.orders" << 3 << "135"
                                        << ""
                                        << "2024-01-01"
                                        << ""
                                        << "01/01/2024" << QStringList{"12"};
        QTest::newRow("date column, both ends") << "sales.deliveries" << 1 << "133"
                                                << "2024-05-02"
                                                << "12/31/2024"
                                                << "05/02/2024"
                                                << "12/31/2024" << QStringList{"10", "11"};
        QTest::newRow("time column, both ends") << "sales.shifts" << 1 << "134"
                                                << "9:30 AM"
                                                << "22:15"
                                                << "9:30 AM"
                                                << "22:15" << QStringList{"2", "3"};
        QTest::newRow("integers") << "sales.orders" << 0 << "3"
                                  << "11"
                                  << "12"
                                  << "11"
                                  << "12" << QStringList{"11", "12"};
        QTest::newRow("numbers, bounds included") << "sales.products" << 3 << "131"
                                                  << "4.25"
                                                  << "12"
                                                  << "4.25"
                                                  << "12" << QStringList{"P2", "P3"};
        QTest::newRow("numbers, only to") << "sales.products" << 3 << "131"
                                          << ""
                                          << "5"
                                          << ""
                                          << "5" << QStringList{"P2"};
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

    // Names the server would fold to lower case go into the queries quoted, part by
    // part; plain lower-case names keep the query text as written.
    void tableNames_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("count");
        QTest::newRow("mixed-case table in a schema") << "sales.Customers"
                                                      << "SELECT * from sales.\"Customers\""
                                                      << "2";
        QTest::newRow("lower case") << "sales.orders"
                                    << "SELECT * from sales.orders"
                                    << "3";
        QTest::newRow("mixed-case schema") << "Ledger.entries"
                                           << "SELECT * from \"Ledger\".entries"
                                           << "1";
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
        f->open(QStringLiteral("sales.orders"));
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
        QVERIFY(
            f->exec(QStringLiteral("CREATE TABLE sales.big AS SELECT i FROM generate_series(1, 3000) i")));
        f->checkQueryEnd(QStringLiteral("sales.big"), QStringLiteral("i"), 3000);
    }

    // Rows read from a place on are those the grid's cursor reads there: on a large table,
    // a scan that joined one under way would start in the middle of it.
    void scansStartAtTheStart()
    {
        platform::ado::Connection db;
        QVERIFY(db.open(f->connectionString(), platform::ado::ResultReading::OnDemand).ok);
        platform::ado::Recordset shown;
        QVERIFY(db.query(QStringLiteral("SHOW synchronize_seqscans"), &shown).ok);
        QCOMPARE(shown.value(0), QStringLiteral("off"));
    }

    // A table and columns named with SQL words: every statement of the browser reads them.
    void wordNames()
    {
        QVERIFY(f->exec(
            QStringLiteral("CREATE TABLE sales.\"order\" (\"from\" integer, \"select\" varchar(10))")));
        QVERIFY(f->exec(QStringLiteral("INSERT INTO sales.\"order\" VALUES (1, 'a'), (2, 'b'), (3, 'c')")));
        f->checkWordNames(QStringLiteral("sales.order"));
    }

private:
    std::optional<BrowserFixture> f;
};

QTEST_MAIN(DataBrowserPgTest)
#include "test_data_browser_pg.moc"
