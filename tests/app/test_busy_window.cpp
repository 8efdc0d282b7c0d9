// The Data Browser inside the running program while its reads wait on the database: what
// the window offers meanwhile (Close Connexion, Connect, a sort) neither pulls the grid or
// its connection from under the read nor mixes one query's rows into another's; a link
// that drops ends the read or the export with its reason, and the next Open connects anew.

#include "app/window_fixture.h"
#include "browser/data_browser_page.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"
#include "support/pausable_pg.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace
{

// Runs a statement on a connection of its own.
bool exec(const QString& cnx, const QString& sql)
{
    platform::ado::Connection db;
    platform::ado::Recordset none;
    return db.open(cnx).ok && db.query(sql, &none).ok;
}

// Connects the window to `cnx` and opens `table` in the browser; the page's controls.
std::optional<testsupport::BrowserPageControls> openInBrowser(WindowFixture& fixture, const QString& cnx,
                                                              const QString& table)
{
    fixture.find<QComboBox>(QStringLiteral("ocnx"))->setEditText(cnx);
    fixture.find<QPushButton>(QStringLiteral("Command13"))->click();
    if (!fixture.window().connection().connected())
        return std::nullopt;
    fixture.find<QPushButton>(QStringLiteral("Command_0"))->click();
    auto* page = fixture.find<browser::DataBrowserPage>(QStringLiteral("pt_0"));
    if (!page)
        return std::nullopt;
    testsupport::BrowserPageControls ui(page);
    if (ui.t->findItems(table, Qt::MatchExactly).isEmpty())
        ui.t->addItem(table);
    ui.t->setCurrentItem(ui.t->findItems(table, Qt::MatchExactly).first());
    QTest::mouseClick(ui.Command2, Qt::LeftButton);
    return ui;
}

// Scrolls the grid to its end, which reads the next chunk of rows.
void scrollToEnd(const testsupport::BrowserPageControls& ui)
{
    const int before = ui.ss2->model()->rowCount();
    ui.ss2->scrollToBottom();
    if (ui.ss2->model()->rowCount() == before)
        ui.ss2->model()->fetchMore({});
}

} // namespace

class BusyBrowserTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::PausablePg> server_;
    QString pg_;
    QTemporaryDir dir_;
    QString slow_;

    // Ends the sessions of the test database (those `where` picks besides), the server's
    // side of a dropped link; true when one was ended.
    bool dropLinks(const QString& where = {})
    {
        platform::ado::Connection db;
        platform::ado::Recordset ended;
        return db.open(pg_).ok &&
               db.query(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE "
                                       "datname = current_database() AND pid <> pg_backend_pid()%1")
                            .arg(where),
                        &ended)
                   .ok &&
               !ended.eof();
    }

private slots:
    void initTestCase()
    {
        // A count that waits: every row of this view is computed as it is read.
        slow_ = testsupport::sqliteFixture(QStringLiteral("shop_sqlite.sql"), dir_.path());
        QVERIFY(!slow_.isEmpty());
        QVERIFY(exec(slow_, QStringLiteral("CREATE VIEW slow AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                                           "SELECT i + 1 FROM n WHERE i < 3000000) SELECT i FROM n")));
        server_ = std::make_unique<testsupport::PausablePg>();
        if (!server_->isRunning())
            return;
        pg_ = testsupport::pgFixture(QStringLiteral("shop_pg.sql"));
        QVERIFY(!pg_.isEmpty());
        QVERIFY(exec(pg_, QStringLiteral("CREATE TABLE numbers AS SELECT i FROM generate_series(1, 2000) i; "
                                         "CREATE TABLE many AS SELECT i, 'row ' || i AS label "
                                         "FROM generate_series(1, 200000) i")));
        // The rows of `many`, row 100,000 taking 2 s to compute: a read that reaches
        // it waits, and the window handles its events meanwhile.
        QVERIFY(exec(pg_, QStringLiteral("CREATE FUNCTION paced(n int) RETURNS int LANGUAGE plpgsql AS $$ "
                                         "BEGIN IF n = 100000 THEN PERFORM pg_sleep(2); END IF; RETURN n; "
                                         "END $$; "
                                         "CREATE VIEW paced_rows AS SELECT paced(i) AS i, label FROM many")));
    }
    void cleanupTestCase() { server_.reset(); }
    void cleanup()
    {
        if (server_)
            server_->resume();
    }

    // Close Connexion or Connect clicked while the grid waits for its next rows is
    // refused: the read ends into the same grid with the rows it asked for, and the
    // window then closes or connects as usual.
    void clickDuringARead_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Close Connexion") << "Command6";
        QTest::newRow("Connect") << "Command13";
    }
    void clickDuringARead()
    {
        QFETCH(QString, button);
        if (!server_->isRunning())
            QSKIP("no PostgreSQL server can be started here");
        WindowFixture fixture;
        fixture.start();
        const auto ui = openInBrowser(fixture, pg_, QStringLiteral("numbers"));
        QVERIFY(ui);
        QCOMPARE(ui->nr->text(), QStringLiteral("2000"));
        QCOMPARE(ui->ss2->model()->rowCount(), 500);
        const QPointer<app::MainWindow> window(&fixture.window());

        bool clickedInside = false;
        server_->pause();
        QTimer::singleShot(300ms, [&] {
            clickedInside = ui->ss2->model()->rowCount() == 500;
            // The read still waits below this call whatever the server does now; thawed
            // first, a click that wrongly went ahead fails the test instead of hanging it.
            server_->resume();
            window->findChild<QPushButton*>(button)->click();
        });
        scrollToEnd(*ui);
        QVERIFY(clickedInside);
        WindowFixture::flushDeletes();
        QVERIFY2(window, "the window was reloaded under the read");
        QCOMPARE(ui->ss2->model()->rowCount(), 1000);
        QCOMPARE(ui->ss2->model()->index(999, 0).data().toString(), QStringLiteral("1000"));
        QCOMPARE(ui->nr->text(), QStringLiteral("2000")); // a Connect would have emptied it
        QVERIFY(fixture.window().connection().connected());
        QVERIFY(fixture.messages.isEmpty());

        // Once the read is over, the same click does its work.
        window->findChild<QPushButton*>(button)->click();
        WindowFixture::flushDeletes();
        if (button == QLatin1String("Command6"))
            QVERIFY(!window);
        else
            QVERIFY(ui->nr->text().isEmpty());
    }

    // The same clicks while the record count waits.
    void clickDuringACount_data() { clickDuringARead_data(); }
    void clickDuringACount()
    {
        QFETCH(QString, button);
        WindowFixture fixture;
        fixture.start();
        const auto ui = openInBrowser(fixture, slow_, QStringLiteral("Customers"));
        QVERIFY(ui);
        const QPointer<app::MainWindow> window(&fixture.window());
        ui->t->addItem(QStringLiteral("slow"));
        ui->t->setCurrentItem(ui->t->findItems(QStringLiteral("slow"), Qt::MatchExactly).first());

        // The click lands once the rows are shown and the count is under way.
        bool clickedInside = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (clickedInside || !window || ui->ss2->model()->rowCount() == 0 || !ui->nr->text().isEmpty())
                return;
            clickedInside = true;
            window->findChild<QPushButton*>(button)->click();
        });
        poll.start(5);
        QTest::mouseClick(ui->Command2, Qt::LeftButton);
        poll.stop();
        QVERIFY(clickedInside);
        WindowFixture::flushDeletes();
        QVERIFY2(window, "the window was reloaded under the count");
        QCOMPARE(ui->nr->text(), QStringLiteral("3000000"));
        QCOMPARE(ui->ss2->model()->index(0, 0).data().toString(), QStringLiteral("1"));
        QVERIFY(fixture.window().connection().connected());
        QVERIFY(fixture.messages.isEmpty());
    }

    // A sort clicked while the grid waits for its next rows waits for that read; the grid
    // then shows the sorted rows, none of the unsorted ones.
    void sortDuringARead()
    {
        if (!server_->isRunning())
            QSKIP("no PostgreSQL server can be started here");
        WindowFixture fixture;
        fixture.start();
        const auto ui = openInBrowser(fixture, pg_, QStringLiteral("numbers"));
        QVERIFY(ui);
        ui->c->setText(QStringLiteral("i"));
        server_->pause();
        bool clickedInside = false;
        QTimer::singleShot(300ms, [&] {
            clickedInside = ui->ss2->model()->rowCount() == 500;
            server_->resume();
            QTest::mouseClick(ui->c_srt[1], Qt::LeftButton);
        });
        scrollToEnd(*ui);
        QVERIFY(clickedInside);
        QTRY_COMPARE(fixture.window().connection().browserData().recordSource(),
                     QStringLiteral("SELECT * from numbers order by i desc"));
        QTRY_VERIFY(!fixture.program().session().runGuard().busy());
        QAbstractItemModel* grid = ui->ss2->model();
        QCOMPARE(grid->rowCount(), 500);
        for (int row = 0; row < grid->rowCount(); ++row)
            QCOMPARE(grid->index(row, 0).data().toString(), QString::number(2000 - row));
        QCOMPARE(ui->nr->text(), QStringLiteral("2000"));
    }

    // The server ends the browser's session: the next read fails with the reason, and the
    // next Open connects again and shows the table.
    void lostLinkThenOpenAgain()
    {
        if (!server_->isRunning())
            QSKIP("no PostgreSQL server can be started here");
        WindowFixture fixture;
        fixture.start();
        const auto ui = openInBrowser(fixture, pg_, QStringLiteral("numbers"));
        QVERIFY(ui);
        QCOMPARE(ui->ss2->model()->rowCount(), 500);
        QVERIFY(dropLinks());
        scrollToEnd(*ui);
        QCOMPARE(ui->ss2->model()->rowCount(), 500);
        auto* bar = fixture.find<QStatusBar>(QStringLiteral("st1"));
        QVERIFY(!bar->currentMessage().isEmpty());
        QTest::mouseClick(ui->Command2, Qt::LeftButton);
        QCOMPARE(ui->ss2->model()->rowCount(), 500);
        QCOMPARE(ui->nr->text(), QStringLiteral("2000"));
        QVERIFY2(bar->currentMessage().isEmpty(), qPrintable(bar->currentMessage()));
    }

    // The export's link dropped while it reads: "Export failed" with the reason and the
    // rows written by then, no workbook kept or opened.
    void linkDroppedDuringAnExport()
    {
        if (!server_->isRunning())
            QSKIP("no PostgreSQL server can be started here");
        WindowFixture fixture;
        fixture.start();
        const auto ui = openInBrowser(fixture, pg_, QStringLiteral("paced_rows"));
        QVERIFY(ui);
        QCOMPARE(ui->ss2->model()->rowCount(), 500);
        auto* page = fixture.find<browser::DataBrowserPage>(QStringLiteral("pt_0"));
        QTemporaryDir exports;
        page->setExportFolder(exports.path());
        QStringList opened;
        page->setSpreadsheetOpener([&](const QString& path) {
            opened << path;
            return true;
        });

        // The export reads on a connection of its own, the one session that is new: it is
        // ended while its read waits for row 100,000.
        QStringList before;
        {
            platform::ado::Connection db;
            platform::ado::Recordset sessions;
            QVERIFY(db.open(pg_).ok);
            QVERIFY(db.query(QStringLiteral(
                                 "SELECT pid FROM pg_stat_activity WHERE datname = current_database()"),
                             &sessions)
                        .ok);
            for (sessions.moveFirst(); !sessions.eof(); sessions.moveNext())
                before << sessions.value(0);
        }
        bool dropped = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (!dropped)
                dropped = dropLinks(QStringLiteral(" AND query ILIKE 'fetch%' AND pid NOT IN (%1)")
                                        .arg(before.join(QLatin1Char(','))));
        });
        poll.start(20);
        QTest::mouseClick(ui->Command4, Qt::LeftButton);
        poll.stop();
        QVERIFY2(dropped, "the export ended before its link could be dropped");
        QCOMPARE(fixture.messages.size(), 1);
        const QStringList lines = fixture.messages.first().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("Export failed"));
        QVERIFY2(lines.size() == 3 && lines.at(2).contains(QStringLiteral("rows had been written")),
                 qPrintable(fixture.messages.first()));
        // The rows read before the drop, not the table's.
        const int written = lines.at(2).section(QLatin1Char(' '), 0, 0).toInt();
        QVERIFY2(written > 0 && written <= 100000, qPrintable(lines.at(2)));
        QVERIFY(opened.isEmpty());
        QVERIFY(QDir(exports.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(BusyBrowserTest)
#include "test_busy_window.moc"
