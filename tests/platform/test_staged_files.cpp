// A run's files written beside their final names and put in place at the end: what stands
// at a final name before the run (nothing, a file, a planted link or pipe) and what the
// run does (puts its files in place, or stops) decide what is there afterwards.
#include "platform/staged_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Writes `lines` through the staging, each line with CR LF.
bool writeStaged(platform::StagedFiles& staged, const QString& path, platform::OpenMode mode,
                 const QStringList& lines)
{
    platform::TextFileWriter writer;
    if (!staged.open(writer, path, mode, platform::TextEncoding::Windows1252))
        return false;
    for (const QString& line : lines)
        writer.writeLine(line);
    return writer.close();
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class StagedFilesTest : public QObject
{
    Q_OBJECT

private slots:
    // What stands at the final name: "none", "file", "link" (to a file outside the folder,
    // which must stay untouched) or "fifo". The run writes, appends, then places or stops.
    void finalName_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QByteArray>("expected"); // at the final name afterwards
        QTest::newRow("new file, placed") << "none" << true << QByteArray("A\r\nB\r\n");
        QTest::newRow("new file, run stopped") << "none" << false << QByteArray();
        QTest::newRow("earlier file, placed") << "file" << true << QByteArray("A\r\nB\r\n");
        QTest::newRow("earlier file, run stopped") << "file" << false << QByteArray("earlier\r\n");
        QTest::newRow("planted link, placed") << "link" << true << QByteArray("A\r\nB\r\n");
        QTest::newRow("planted pipe, placed") << "fifo" << true << QByteArray("A\r\nB\r\n");
    }
    void finalName()
    {
        QFETCH(QString, before);
        QFETCH(bool, placed);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString folder = dir.filePath("out");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/Shop_Access.vb";
        const QString victim = elsewhere.filePath("victim.txt");
        writeBytes(victim, "victim\r\n");
        if (before == "file")
            writeBytes(path, "earlier\r\n");
        else if (before == "link")
            QVERIFY(QFile::link(victim, path));
        else if (before == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

        {
            platform::StagedFiles staged;
            QVERIFY(writeStaged(staged, path, platform::OpenMode::Output, {"A"}));
            // The join pass appends to the file the run wrote, not to the one in place.
            QVERIFY(writeStaged(staged, path, platform::OpenMode::Append, {"B"}));
            // Nothing at the final name changed while the run wrote.
            if (before == "file")
                QCOMPARE(bytesOf(path), QByteArray("earlier\r\n"));
            QCOMPARE(entriesOf(folder).size(), before == "none" ? 1 : 2);
            if (placed)
                QCOMPARE(staged.place(), QStringList());
        }
        const QFileInfo info(path);
        if (expected.isEmpty() && before == "none") {
            QVERIFY(!info.exists());
        } else {
            QVERIFY(info.isFile() && !info.isSymLink());
            QCOMPARE(bytesOf(path), expected);
        }
        QCOMPARE(bytesOf(victim), QByteArray("victim\r\n"));
        // No temporary file is left beside the final one.
        QCOMPARE(entriesOf(folder),
                 before == "none" && !placed ? QStringList() : QStringList{"Shop_Access.vb"});
    }

    // Appending to a name the run has not written starts from a copy of the earlier file;
    // a name written afresh drops what the run wrote there before.
    void appendAndRewrite_data()
    {
        QTest::addColumn<QStringList>("steps"); // "o:<line>" output, "a:<line>" append
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("append to the earlier file")
            << QStringList{"a:new"} << QByteArray("earlier\r\nnew\r\n");
        QTest::newRow("written twice") << QStringList{"o:one", "o:two"} << QByteArray("two\r\n");
        QTest::newRow("written, appended twice")
            << QStringList{"o:one", "a:two", "a:three"} << QByteArray("one\r\ntwo\r\nthree\r\n");
    }
    void appendAndRewrite()
    {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("Shop_Manager.vb");
        writeBytes(path, "earlier\r\n");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        platform::StagedFiles staged;
        for (const QString& step : steps) {
            const auto mode = step.startsWith("a:") ? platform::OpenMode::Append : platform::OpenMode::Output;
            QVERIFY(writeStaged(staged, path, mode, {step.mid(2)}));
        }
        QCOMPARE(bytesOf(path), QByteArray("earlier\r\n"));
        QCOMPARE(staged.place(), QStringList());
        QCOMPARE(bytesOf(path), expected);
        // The file keeps the permissions of the one it replaced.
        QCOMPARE(QFileInfo(path).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ReadGroup | QFile::ReadUser |
                                                             QFile::WriteUser);
        QCOMPARE(entriesOf(dir.path()), QStringList{"Shop_Manager.vb"});
    }

    // A folder that cannot be written, and a directory at the final name: the open or the
    // placing fails with the system's reason and leaves no temporary file.
    void failures()
    {
        QTemporaryDir dir;
        platform::StagedFiles staged;
        QString error;
        QCOMPARE(staged.open(dir.filePath("missing/x.vb"), platform::OpenMode::Output, &error), -1);
        QVERIFY2(error.contains("No such file"), qPrintable(error));

        // A folder at the final name is refused when the file is opened.
        const QString taken = dir.filePath("taken.vb");
        QVERIFY(QDir().mkpath(taken + "/inside"));
        QCOMPARE(staged.open(taken, platform::OpenMode::Output, &error), -1);
        QVERIFY2(error.contains("directory"), qPrintable(error));

        // One that appears while the run writes is told when the files are put in place.
        const QString late = dir.filePath("late.vb");
        QVERIFY(writeStaged(staged, late, platform::OpenMode::Output, {"x"}));
        QVERIFY(QDir().mkpath(late + "/inside"));
        const QStringList problems = staged.place();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(late + ": cannot be put in place ("), qPrintable(problems[0]));
        QCOMPARE(entriesOf(dir.path()), (QStringList{"late.vb", "taken.vb"}));
    }
};

QTEST_GUILESS_MAIN(StagedFilesTest)
#include "test_staged_files.moc"
