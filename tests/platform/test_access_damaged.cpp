// Access files the library cannot read: empty, cut short, scrambled or with bytes flipped,
// each made here from a sample. The open says why within the connect's limit, the program's
// memory stays small, the library's warnings are counted into one log line, and the program
// lives on. Also a primary key whose columns cannot be read.

#include "platform/ado/access_catalogue.h"
#include "platform/ado/access_helper.h"
#include "platform/ado/row_cursor.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using namespace platform::ado;

namespace
{

QByteArray sample(const QString& file)
{
    QFile f(QStringLiteral(QUILLMERE_FIXTURES_DIR "/access/") + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString connectionString(const QString& path)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path;
}

// The largest the process has been, in MB.
long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

QStringList droppedLines;
QtMessageHandler previousHandler = nullptr;
void keepDropped(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (context.category && QByteArray(context.category) == "quillmere.dropped")
        droppedLines.append(text);
    else
        previousHandler(type, context, text);
}

// Opens the file, then reads every table's rows as the browser would; the failure met, if any.
Status openAndRead(const QString& path)
{
    Connection db;
    Status status = db.open(connectionString(path));
    if (!status.ok)
        return status;
    Recordset tables;
    status = db.openSchema(adSchemaTables, {}, &tables);
    for (tables.moveFirst(); status.ok && !tables.eof(); tables.moveNext()) {
        std::unique_ptr<RowCursor> cursor;
        status =
            db.openCursor("SELECT * from [" + tables.value(tables.fieldIndex("TABLE_NAME")) + "]", &cursor);
        QList<QStringList> rows;
        while (status.ok && cursor && !cursor->atEnd())
            status = cursor->fetch(500, &rows);
    }
    return status;
}

} // namespace

class AccessDamagedTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(keepDropped); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void init() { droppedLines.clear(); }

    // Files that are no Access file the library can read: the open fails with the reason.
    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jet4 = sample("indexTestV2003.mdb"), ace = sample("testV2007.accdb");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header page only, Jet 4") << jet4.left(4096);
        QTest::newRow("header page only, ACE") << ace.left(4096);
        QByteArray scrambled = ace;
        QRandomGenerator random(7);
        for (qsizetype i = 4096; i < scrambled.size(); ++i)
            scrambled[i] = char(random.bounded(256));
        QTest::newRow("scrambled after the header") << scrambled;
        QTest::newRow("a text file") << QByteArray("id,name\n1,x\n").repeated(400);
    }
    void unreadable()
    {
        QFETCH(QByteArray, bytes);
        const QString path = write("unreadable.mdb", bytes);
        Connection db;
        const Status opened = db.open(connectionString(path));
        QVERIFY(!opened.ok);
        QVERIFY2(opened.message.contains(path), qPrintable(opened.message));
    }

    // Cut short and with bytes flipped: every open and read ends, in time, with rows or a
    // reason; the library's floods of warnings stay off the terminal.
    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("mustFail");
        for (const char* file : {"testV1997.mdb", "indexTestV2003.mdb", "testV2007.accdb"}) {
            const QByteArray whole = sample(file);
            for (qsizetype length : {8192, 20480, 49152, 65536, 98304, 131072, 300000}) {
                if (length < whole.size())
                    QTest::addRow("%s cut at %lld", file, qlonglong(length)) << whole.left(length) << false;
            }
            QByteArray flipped = whole.left(98304);
            flipped[flipped.size() / 2] = char(~flipped[flipped.size() / 2]);
            QTest::addRow("%s cut, a byte flipped", file) << flipped << false;
        }
        // This one makes the library loop for ever, writing warnings as it goes.
        QTest::newRow("the library's endless loop") << sample("testV1997.mdb").left(98304) << true;
    }
    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, mustFail);
        const QString path = write("damaged.mdb", bytes);
        QElapsedTimer clock;
        clock.start();
        const Status status = openAndRead(path);
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(peakMegabytes() < 600);
        if (!status.ok)
            QVERIFY2(status.message.contains(path), qPrintable(status.message));
        if (mustFail) {
            QVERIFY(!status.ok);
            QCOMPARE(droppedLines.size(), 1);
            QVERIFY2(droppedLines.first().contains("warning lines"), qPrintable(droppedLines.first()));
        }
    }

    // Mutated files, a few bytes each, for a few seconds: whatever the library does, every
    // open comes back.
    void fuzzed()
    {
        const QByteArray whole = sample("indexTestV2003.mdb");
        QRandomGenerator random(2024);
        QElapsedTimer clock;
        clock.start();
        int tried = 0;
        while (clock.elapsed() < 5000) {
            QByteArray bytes = whole;
            for (int flips = 1 + int(random.bounded(8)); flips > 0; --flips)
                bytes[random.bounded(bytes.size())] = char(random.bounded(256));
            const QString path = write("fuzzed.mdb", bytes);
            QElapsedTimer one;
            one.start();
            const Status status = openAndRead(path);
            QVERIFY2(one.elapsed() < 20000, qPrintable(status.message));
            ++tried;
        }
        // A file that sets the library looping costs the helper's whole limit: the count
        // tried depends on the machine, the files (from a fixed seed) do not.
        QVERIFY(tried > 0);
        QVERIFY(peakMegabytes() < 600);
    }

    // A primary key the file holds but whose columns the library cannot read is a failure
    // naming the table, not a table without a key.
    void unreadableKey()
    {
        auto catalogue = std::make_shared<AccessCatalogue>();
        AccessTable table{"Orders", false, {{"id", adInteger}}, {}};
        table.indexes.append({"PrimaryKey", true, true, {}, true});
        catalogue->tables.append(table);
        catalogue->tables.append(
            {"Customers", false, {{"id", adInteger}}, {{"PrimaryKey", true, true, {"id"}}}});
        AccessRows rows(catalogue);
        RawRows out;
        const Status unreadable = rows.tableRows(TableRowset::primaryKey, {{}, {}, "Orders", "TABLE"}, &out);
        QVERIFY(!unreadable.ok);
        QVERIFY2(unreadable.message.contains("Orders"), qPrintable(unreadable.message));
        QVERIFY(rows.tableRows(TableRowset::primaryKey, {{}, {}, "Customers", "TABLE"}, &out).ok);
        QCOMPARE(out.rows.size(), 1);
    }

private:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir dir;
};

QTEST_MAIN(AccessDamagedTest)
#include "test_access_damaged.moc"
