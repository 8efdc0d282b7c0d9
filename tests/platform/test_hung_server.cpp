// A server that stops answering in the middle of a call: the call gives up at its limit,
// the caller's events go on meanwhile, and other databases stay usable.
#include "platform/ado/ado.h"
#include "support/fixture_db.h"
#include "support/pausable_pg.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace platform::ado;
using namespace std::chrono_literals;

class HungServerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::PausablePg> server_;
    QString pg_;
    QTemporaryDir dir_;
    QString sqlite_;

private slots:
    void initTestCase()
    {
        server_ = std::make_unique<testsupport::PausablePg>();
        if (!server_->isRunning())
            QSKIP("no PostgreSQL server can be started here");
        pg_ = testsupport::pgFixture("shop_pg.sql");
        sqlite_ = testsupport::sqliteFixture("shop_sqlite.sql", dir_.path());
        QVERIFY(!pg_.isEmpty() && !sqlite_.isEmpty());
    }

    void cleanupTestCase() { server_.reset(); }

    void cleanup() { server_->resume(); }

    // Catalogue requests and column discovery give up at the limit; the connection is
    // then closed, and every later call on it fails at once.
    void limitedCallsGiveUp_data()
    {
        QTest::addColumn<bool>("discovery");
        QTest::newRow("catalogue request") << false;
        QTest::newRow("column discovery") << true;
    }
    void limitedCallsGiveUp()
    {
        QFETCH(bool, discovery);
        Connection connection;
        connection.setCatalogueTimeLimit(2s); // set before opening: an open keeps it
        QVERIFY(connection.open(pg_).ok);
        server_->pause();

        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(100);
        QElapsedTimer clock;
        clock.start();
        Recordset rows;
        const Status status = discovery ? connection.query("SELECT * FROM sales.orders", &rows, true)
                                        : connection.openSchema(adSchemaTables, {}, &rows);
        const qint64 waited = clock.elapsed();

        QVERIFY(!status.ok);
        QVERIFY(status.unanswered);
        QCOMPARE(status.message, QString("the server did not answer within 2 s"));
        QVERIFY2(waited >= 2000 && waited < 4000, qPrintable(QString::number(waited)));
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
        QCOMPARE(connection.state(), int(adStateClosed));

        // Another database is served at once while the abandoned call still waits.
        clock.restart();
        Connection other;
        QVERIFY(other.open(sqlite_).ok);
        QVERIFY(other.query("SELECT * FROM Customers", &rows).ok);
        QVERIFY(rows.recordCount() > 0);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    // A data control whose server stopped answering fails its next refreshes at once,
    // until its connection string is set again.
    void dataControlDoesNotWaitTwice()
    {
        DataControl data;
        data.setCatalogueTimeLimit(2s);
        data.setConnectionString(pg_);
        data.setRecordSource("SELECT * FROM sales.orders");
        QVERIFY(data.refresh(true).ok);
        server_->pause();
        QVERIFY(data.refresh(true).unanswered);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(data.refresh(true).unanswered);
        QVERIFY(clock.elapsed() < 500);

        server_->resume();
        data.setConnectionString(pg_);
        QVERIFY(data.refresh(true).ok);
    }

    // A query for rows has no limit: it waits for the server, events handled meanwhile.
    void rowQueryWaitsForTheServer()
    {
        Connection connection;
        QVERIFY(connection.open(pg_).ok);
        server_->pause();
        QTimer::singleShot(2500, [&] { server_->resume(); });
        QElapsedTimer clock;
        clock.start();
        Recordset rows;
        const Status status = connection.query("SELECT * FROM sales.orders", &rows);
        QVERIFY2(status.ok, qPrintable(status.message));
        QVERIFY(clock.elapsed() >= 2000);
    }
};

QTEST_GUILESS_MAIN(HungServerTest)
#include "test_hung_server.moc"
