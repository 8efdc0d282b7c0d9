// The data control given a new connection string, or closed, while one of its calls waits
// on the database: the call returns into a live connection, keeps nothing of the
// connection let go of, and the control serves the next call on a new one.
#include "platform/ado/ado.h"
#include "platform/ado/row_cursor.h"
#include "support/fixture_db.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace platform::ado;
using namespace std::chrono_literals;

class DataControlCallsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString cnx_;

private slots:
    void initTestCase()
    {
        cnx_ = testsupport::sqliteFixture(QStringLiteral("shop_sqlite.sql"), dir_.path());
        QVERIFY(!cnx_.isEmpty());
        Connection db;
        Recordset none;
        QVERIFY(db.open(cnx_).ok);
        // Every row of the view is computed as it is read: a count of it waits.
        QVERIFY(db.query(QStringLiteral("CREATE VIEW slow AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                                        "SELECT i + 1 FROM n WHERE i < 2000000) SELECT i FROM n"),
                         &none)
                    .ok);
    }

    void replacedDuringACall_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("close");
        QTest::newRow("count, new string") << "count" << false;
        QTest::newRow("count, closed") << "count" << true;
        QTest::newRow("query, new string") << "query" << false;
        QTest::newRow("query, closed") << "query" << true;
    }
    void replacedDuringACall()
    {
        QFETCH(QString, call);
        QFETCH(bool, close);
        DataControl data;
        data.setConnectionString(cnx_);
        data.setRecordSource(QStringLiteral("SELECT count(*) FROM slow"));
        bool landed = false;
        QTimer::singleShot(50ms, [&] {
            landed = true;
            if (close)
                data.closeConnection();
            else
                data.setConnectionString(cnx_);
        });
        Status status;
        qint64 count = -1;
        if (call == QLatin1String("count"))
            status = data.countRows(QStringLiteral("SELECT * FROM slow"), &count);
        else
            status = data.refresh();
        QVERIFY(landed);
        QVERIFY(!status.ok);
        QVERIFY2(status.message.contains(QStringLiteral("closed")), qPrintable(status.message));
        QVERIFY(data.fields().isEmpty());
        QVERIFY(count <= 0);

        // The next call runs on a connection of its own, or is refused while closed.
        data.setRecordSource(QStringLiteral("SELECT * FROM Customers"));
        if (!close) {
            QVERIFY(data.refreshCursor().ok);
            QVERIFY(data.cursor());
        } else {
            QVERIFY(!data.refreshCursor().ok);
        }
    }
};

QTEST_MAIN(DataControlCallsTest)
#include "test_data_control_calls.moc"
