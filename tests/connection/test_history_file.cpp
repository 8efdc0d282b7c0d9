#include "connection/history_file.h"
#include "platform/text_file.h"
#include "platform/trim_spaces.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

using connection::HistoryLists;

Q_DECLARE_METATYPE(connection::HistoryLists)

namespace
{

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Limits the size of the files this process writes while it lives; a write past it fails
// (EFBIG) rather than raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

class HistoryFileTest : public QObject
{
    Q_OBJECT
private slots:
    // File contents -> the four lists -> the file written back at Exit.
    void readAndWriteBack_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<HistoryLists>("lists");
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("one entry per kind")
            << QByteArray("0ORCL\r\n1/data/shop.mdb\r\n2DSN=demo\r\n3shop\r\n")
            << HistoryLists{{"ORCL"}, {"/data/shop.mdb"}, {"DSN=demo"}, {"shop"}}
            << QByteArray("0ORCL\r\n1/data/shop.mdb\r\n2DSN=demo\r\n3shop\r\n");
        QTest::newRow("written back grouped by kind, in list order")
            << QByteArray("3b\r\n0x\r\n2c\r\n1a\r\n0y\r\n3a\r\n")
            << HistoryLists{{"x", "y"}, {"a"}, {"c"}, {"b", "a"}}
            << QByteArray("0x\r\n0y\r\n1a\r\n2c\r\n3b\r\n3a\r\n");
        QTest::newRow("identical lines give one entry")
            << QByteArray("0ORCL\r\n0ORCL\r\n0orcl\r\n") << HistoryLists{{"ORCL", "orcl"}, {}, {}, {}}
            << QByteArray("0ORCL\r\n0orcl\r\n");
        QTest::newRow("kind alone or with spaces: empty entry, not written back")
            << QByteArray("0\r\n1   \r\n") << HistoryLists{{""}, {""}, {}, {}} << QByteArray();
        QTest::newRow("trailing spaces: both taken, trimmed, written twice")
            << QByteArray("0ORCL\r\n0ORCL  \r\n") << HistoryLists{{"ORCL", "ORCL"}, {}, {}, {}}
            << QByteArray("0ORCL\r\n0ORCL\r\n");
        QTest::newRow("first character not a digit goes to db")
            << QByteArray("xhost\r\n") << HistoryLists{{"host"}, {}, {}, {}} << QByteArray("0host\r\n");
        QTest::newRow("kinds 4 to 9 add nothing")
            << QByteArray("4a\r\n9b\r\n") << HistoryLists{} << QByteArray();
        QTest::newRow("only the first character is the kind")
            << QByteArray("12024.mdb\r\n") << HistoryLists{{}, {"2024.mdb"}, {}, {}}
            << QByteArray("12024.mdb\r\n");
        QTest::newRow("LF line ends and empty lines")
            << QByteArray("0a\n\n0b\n") << HistoryLists{{"a", "b"}, {}, {}, {}} << QByteArray("0a\r\n0b\r\n");
        QTest::newRow("no final line end")
            << QByteArray("2DSN=x") << HistoryLists{{}, {}, {"DSN=x"}, {}} << QByteArray("2DSN=x\r\n");
        QTest::newRow("UTF-8 text") << QByteArray("1/données/été.mdb\r\n")
                                    << HistoryLists{{}, {QString::fromUtf8("/données/été.mdb")}, {}, {}}
                                    << QByteArray("1/données/été.mdb\r\n");
        QTest::newRow("empty file") << QByteArray() << HistoryLists{} << QByteArray();
        QTest::newRow("bytes that are not UTF-8 come back as they were")
            << QByteArray("1/home/jos\xE9/shop.mdb\r\n\xE9 x\r\n")
            << HistoryLists{{QString("x")}, {QString::fromUtf8("/home/jos\uFFFD/shop.mdb")}, {}, {}}
            << QByteArray("0x\r\n1/home/jos\xE9/shop.mdb\r\n");
    }
    void readAndWriteBack()
    {
        QFETCH(QByteArray, file);
        QFETCH(HistoryLists, lists);
        QFETCH(QByteArray, written);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        writeAll(path, file);
        const connection::HistoryRead read = connection::readHistoryFile(path);
        QVERIFY(read.readable);
        QCOMPARE(read.lists.db, lists.db);
        QCOMPARE(read.lists.adb, lists.adb);
        QCOMPARE(read.lists.ocnx, lists.ocnx);
        QCOMPARE(read.lists.sdb, lists.sdb);
        QVERIFY(connection::writeHistoryFile(path, read.lists, read.originals));
        QCOMPARE(readAll(path), written);
    }

    // The 1000 slots count distinct non-empty lines of every kind, ignored kinds too.
    void thousandSlots()
    {
        QStringList lines;
        for (int i = 0; i < 10; ++i)
            lines.append(QStringLiteral("9ignored%1").arg(i));
        lines.append(QString()); // takes no slot
        for (int i = 0; i < 995; ++i)
            lines.append(QStringLiteral("0s%1").arg(i));
        lines.append(QStringLiteral("0s0")); // a repeat takes no slot
        const HistoryLists lists = connection::parseHistoryLines(lines);
        QCOMPARE(lists.db.size(), 990);
        QCOMPARE(lists.db.last(), QString("s989"));
    }

    void missingFileIsCreatedEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        const connection::HistoryRead read = connection::readHistoryFile(path);
        QVERIFY(read.readable);
        QCOMPARE(read.lists, HistoryLists{});
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFile(path).size(), 0);
    }

    void writtenOwnerOnlyAndEmptyListsGiveZeroBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        writeAll(path, "0old\r\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QVERIFY(connection::writeHistoryFile(path, HistoryLists{}));
        QCOMPARE(QFile(path).size(), 0);
        const QFile::Permissions perms = QFile::permissions(path);
        QVERIFY(!(perms & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Quillmere.ini"});
    }

    // A write that cannot complete leaves the old file whole.
    void failedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        writeAll(path, "0ORCL\r\n");
        {
            // The temporary cannot take the new lines: files are limited to 4 bytes.
            const FileSizeLimit limit(4);
            QString reason;
            QVERIFY(!connection::writeHistoryFile(path, HistoryLists{{"other"}, {}, {}, {}}, {}, &reason));
            QVERIFY2(!reason.isEmpty(), "the failure says why");
        }
        QCOMPARE(readAll(path), QByteArray("0ORCL\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Quillmere.ini"});
    }

    // A file made read-only is kept as it is, by root too; a writable one is replaced.
    void replacedOnlyWhenWritable_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("0600") << 0600 << true;
        QTest::newRow("0444 read-only") << 0444 << false;
        QTest::newRow("0400 read-only") << 0400 << false;
    }
    void replacedOnlyWhenWritable()
    {
        QFETCH(int, mode);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        writeAll(path, "0ORCL\r\n");
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::chmod(name.constData(), mode_t(mode)), 0);
        QString reason;
        QCOMPARE(connection::writeHistoryFile(path, HistoryLists{{"other"}, {}, {}, {}}, {}, &reason),
                 replaced);
        QCOMPARE(reason, replaced ? QString() : QStringLiteral("Quillmere.ini is read-only"));
        QCOMPARE(readAll(path), replaced ? QByteArray("0other\r\n") : QByteArray("0ORCL\r\n"));
        struct stat info {
        };
        QCOMPARE(::stat(name.constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), replaced ? 0600 : mode);
    }

    void unreadableFileIsReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        QVERIFY(QDir(dir.path()).mkdir("Quillmere.ini")); // exists, cannot be read as a file
        const connection::HistoryRead read = connection::readHistoryFile(path);
        QVERIFY(!read.readable);
        QCOMPARE(read.lists, HistoryLists{});
    }

    // What may be planted in the program's folder: no link is followed, no FIFO waited on,
    // and a name that does not hold a regular file is never read nor replaced.
    void plantedFiles_data()
    {
        QTest::addColumn<QString>("planted"); // what stands at the history's name
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("link to another file") << "link" << false << false;
        QTest::newRow("dangling link") << "dangling" << false << false;
        QTest::newRow("FIFO") << "fifo" << false << false;
        QTest::newRow("link at the old temporary name") << "temporary link" << true << true;
    }
    void plantedFiles()
    {
        QFETCH(QString, planted);
        QFETCH(bool, readable);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        const QString target = dir.filePath("target");
        const QByteArray name = QFile::encodeName(path);
        if (planted != "dangling")
            writeAll(target, "0KEEP\r\n");
        if (planted == "fifo")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (planted == "temporary link")
            writeAll(path, "0ORCL\r\n");
        const QString linkName = planted == "temporary link" ? path + ".new" : path;
        if (planted != "fifo")
            QCOMPARE(
                ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(linkName).constData()), 0);

        const connection::HistoryRead read = connection::readHistoryFile(path);
        QCOMPARE(read.readable, readable);
        const HistoryLists expected = readable ? HistoryLists{{"ORCL"}, {}, {}, {}} : HistoryLists{};
        QCOMPARE(read.lists, expected);
        QCOMPARE(connection::writeHistoryFile(path, HistoryLists{{"other"}, {}, {}, {}}), replaced);
        if (planted != "dangling")
            QCOMPARE(readAll(target), QByteArray("0KEEP\r\n"));
        else
            QVERIFY(!QFileInfo::exists(target));
        if (replaced) {
            QCOMPARE(readAll(path), QByteArray("0other\r\n"));
            QVERIFY(!QFileInfo(path).isSymLink());
        } else {
            QCOMPARE(QFileInfo(path).isSymLink(), planted != "fifo");
        }
    }

    // A huge file is read as a stream: the memory taken is what the lists keep, not the file.
    void hugeFileReadAsAStream()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            // 100 MB of a few entries over and over, so every line must be read.
            QByteArray block;
            for (int i = 0; i < 1000; ++i)
                block +=
                    "2DSN=shop;UID=user" + QByteArray::number(i % 7) + ";" + QByteArray(80, 'x') + "\r\n";
            while (file.size() < 100 * 1024 * 1024)
                QVERIFY(file.write(block) == block.size());
        }
        rusage before{};
        ::getrusage(RUSAGE_SELF, &before);
        const connection::HistoryRead read = connection::readHistoryFile(path);
        rusage after{};
        ::getrusage(RUSAGE_SELF, &after);
        QVERIFY(read.readable);
        QCOMPARE(read.lists.ocnx.size(), 7);
        // Peak resident size, in kB: the whole file as text would take several hundred MB.
        QVERIFY2(after.ru_maxrss - before.ru_maxrss < 32 * 1024,
                 qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss)));
    }

    void trimSpacesOnlyBlanks()
    {
        QCOMPARE(platform::trimSpaces("  a b  "), QString("a b"));
        QCOMPARE(platform::trimSpaces("\ta\t"), QString("\ta\t"));
        QCOMPARE(platform::trimSpaces("   "), QString());
    }
};

QTEST_GUILESS_MAIN(HistoryFileTest)
#include "test_history_file.moc"
