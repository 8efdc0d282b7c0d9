#include "platform/colours.h"
#include "platform/folders.h"
#include "platform/guid.h"
#include "platform/screen_units.h"
#include "platform/static_edge.h"
#include "platform/text_file.h"
#include "platform/user_feedback.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

class HelpersTest : public QObject
{
    Q_OBJECT
private slots:
    void newGuid()
    {
        const QRegularExpression form(
            QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
        const QString first = new_guid();
        const QString second = new_guid();
        QCOMPARE(first.size(), 38);
        QVERIFY2(form.match(first).hasMatch(), qPrintable(first));
        QVERIFY2(form.match(second).hasMatch(), qPrintable(second));
        QVERIFY(first != second);
    }

    // Paths are relative to a temporary root standing in for a drive; "R" is the root.
    void smkdir_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("created");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("two levels with trailing separator")
            << "R/out/gen/" << QStringList{} << QStringList{"out", "out/gen"} << QStringList{};
        QTest::newRow("called again changes nothing") << "R/out/gen/" << QStringList{"out", "out/gen"}
                                                      << QStringList{"out", "out/gen"} << QStringList{};
        QTest::newRow("no trailing separator: last level not created")
            << "R/out/gen" << QStringList{} << QStringList{"out"} << QStringList{"out/gen"};
        QTest::newRow("root only") << "R/" << QStringList{} << QStringList{} << QStringList{"out"};
        QTest::newRow("no separator") << "out" << QStringList{} << QStringList{} << QStringList{"out"};
        QTest::newRow("relative path: only the longer level is tried")
            << "rel/gen/" << QStringList{} << QStringList{} << QStringList{"rel", "rel/gen"};
        QTest::newRow("relative path whose first level exists")
            << "rel/gen/" << QStringList{"rel"} << QStringList{"rel/gen"} << QStringList{};
        QTest::newRow("a level that is a file is passed over")
            << "R/file/sub/" << QStringList{} << QStringList{} << QStringList{"file/sub"};
    }
    void smkdir()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, existing);
        QFETCH(QStringList, created);
        QFETCH(QStringList, absent);
        QTemporaryDir root;
        for (const QString& folder : existing)
            QVERIFY(QDir(root.path()).mkpath(folder));
        QFile file(root.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(root.path());
        platform::smkdir(QString(path).replace(QStringLiteral("R/"), root.path() + '/'));
        QDir::setCurrent(previous);
        for (const QString& folder : created)
            QVERIFY2(QFileInfo(root.filePath(folder)).isDir(), qPrintable(folder));
        for (const QString& folder : absent)
            QVERIFY2(!QFileInfo(root.filePath(folder)).isDir(), qPrintable(folder));
    }

    void programFolderOverride()
    {
        QTemporaryDir dir;
        qputenv("QUILLMERE_HOME", QFile::encodeName(dir.path() + "/home/"));
        QCOMPARE(programFolder(), dir.path() + "/home");
        QVERIFY(QFileInfo(dir.path() + "/home").isDir());
        qunsetenv("QUILLMERE_HOME");
        QCOMPARE(programFolder(), QCoreApplication::applicationDirPath());
        QCOMPARE(withTrailingSeparator("/"), QString("/"));
        QCOMPARE(withTrailingSeparator("/out"), QString("/out/"));
    }

    void twips()
    {
        QCOMPARE(twipsToPixels(1400), 93);
        QCOMPARE(twipsToPixels(7700), 513);
        QCOMPARE(pixelsToTwips(100), 1500);
    }

    void colours_data()
    {
        QTest::addColumn<quint32>("bgr");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("cyan is blue+green") << quint32(0xFFFF00) << QColor(0, 255, 255);
        QTest::newRow("light yellow") << quint32(0xC0FFFF) << QColor(255, 255, 192);
        QTest::newRow("pale cyan") << quint32(0xFDFEDA) << QColor(218, 254, 253);
        QTest::newRow("dark red") << quint32(0x80) << QColor(128, 0, 0);
        QTest::newRow("button face") << kButtonFace << QApplication::palette().color(QPalette::Button);
        QTest::newRow("window text") << kWindowText << QApplication::palette().color(QPalette::WindowText);
    }
    void colours()
    {
        QFETCH(quint32, bgr);
        QFETCH(QColor, colour);
        QCOMPARE(colourFromBgr(bgr), colour);
        if (!(bgr & kSystemColourFlag))
            QCOMPARE(bgrFromColour(colour), bgr);
        QLabel label;
        setBackColor(&label, bgr);
        QCOMPARE(backColor(&label), colour);
        QCOMPARE(backStyle(&label), 1);
        QPushButton button;
        setBackColor(&button, bgr);
        QCOMPARE(backColor(&button), colour);
    }

    void borderAndTag()
    {
        QLabel label;
        QVERIFY(setBorderStyle(&label, 1));
        QCOMPARE(borderStyle(&label), 1);
        QVERIFY(setBorderStyle(&label, 0));
        QCOMPARE(borderStyle(&label), 0);
        QWidget plain;
        QVERIFY(!setBorderStyle(&plain, 1));
        QCOMPARE(tag(&label), QString());
        setTag(&label, "Access");
        QCOMPARE(tag(&label), QString("Access"));
    }

    void staticEdgeFollowsTheButton()
    {
        QPushButton button("Ok");
        button.resize(80, 30);
        QVERIFY(!hasStaticEdge(&button));
        static_edge(&button);
        static_edge(&button);
        QVERIFY(hasStaticEdge(&button));
        QCOMPARE(button.findChildren<QFrame*>().size(), 1);
        button.resize(120, 40);
        button.show();
        QCOMPARE(button.findChild<QFrame*>()->geometry(), QRect(0, 0, 120, 40));
        // The frame takes no clicks away from the button.
        QSignalSpy clicks(&button, &QPushButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
    }

    void waitCursorIsOneState()
    {
        setWaitCursor(true);
        setWaitCursor(true);
        QVERIFY(waitCursorShown());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        setWaitCursor(false);
        QVERIFY(!waitCursorShown());
        QVERIFY(!QApplication::overrideCursor());
    }

    void messagesGoToTheSink()
    {
        QStringList seen;
        Messages messages;
        messages.setSink([&](const QString& text) { seen.append(text); });
        messages.show("End of Generation", nullptr);
        QCOMPARE(seen, QStringList{"End of Generation"});
    }

    // A long list of problems keeps the box on the screen: its first lines, a count of the
    // rest, and the whole text behind "Show Details...".
    void longMessagesAreShortened_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("lastShown"); // the box text's last line
        QTest::addColumn<bool>("details");
        QTest::newRow("one line") << 1 << "line 1" << false;
        QTest::newRow("as many as shown") << kShownMessageLines << "line 20" << false;
        QTest::newRow("one more") << kShownMessageLines + 1 << "\u2026 and 1 more" << true;
        QTest::newRow("thousands") << 3000 << "\u2026 and 2980 more" << true;
    }
    void longMessagesAreShortened()
    {
        QFETCH(int, lines);
        QFETCH(QString, lastShown);
        QFETCH(bool, details);
        QStringList all;
        for (int i = 1; i <= lines; ++i)
            all.append(QStringLiteral("line %1").arg(i));
        const QString text = all.join('\n');
        const MessageBoxTexts texts = messageBoxTexts(text);
        const QStringList shown = texts.text.split('\n');
        QCOMPARE(shown.last(), lastShown);
        QCOMPARE(shown.size(), qMin(lines, kShownMessageLines + 1));
        QCOMPARE(shown.mid(0, kShownMessageLines), all.mid(0, kShownMessageLines));
        QCOMPARE(texts.detailedText, details ? text : QString());
    }

    // What stands at a generated file's name: a regular file, or a link to one, is written;
    // a FIFO (read by nobody or by someone), a folder or a device is refused at once with
    // the reason a caller reports like any other that keeps the file from being written.
    void writerOpensOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<int>("mode");         // OpenMode
        QTest::addColumn<QByteArray>("after"); // what the regular file holds afterwards
        QTest::addColumn<QString>("refusal");
        const QString notRegular = "gen.vb is not a regular file";
        QTest::newRow("nothing") << "" << int(OpenMode::Output) << QByteArray("new\r\n") << "";
        QTest::newRow("old file replaced") << "file" << int(OpenMode::Output) << QByteArray("new\r\n") << "";
        QTest::newRow("old file appended to")
            << "file" << int(OpenMode::Append) << QByteArray("old\r\nnew\r\n") << "";
        QTest::newRow("link to a file, followed")
            << "link" << int(OpenMode::Output) << QByteArray("new\r\n") << "";
        QTest::newRow("FIFO") << "fifo" << int(OpenMode::Output) << QByteArray() << notRegular;
        QTest::newRow("FIFO, appending") << "fifo" << int(OpenMode::Append) << QByteArray() << notRegular;
        QTest::newRow("FIFO with a reader")
            << "read fifo" << int(OpenMode::Output) << QByteArray() << notRegular;
        QTest::newRow("link to a FIFO")
            << "link to fifo" << int(OpenMode::Output) << QByteArray() << notRegular;
        QTest::newRow("folder") << "folder" << int(OpenMode::Output) << QByteArray() << notRegular;
        QTest::newRow("link to a device") << "device" << int(OpenMode::Output) << QByteArray() << notRegular;
    }
    void writerOpensOnlyRegularFiles()
    {
        QFETCH(QString, planted);
        QFETCH(int, mode);
        QFETCH(QByteArray, after);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath("gen.vb");
        const QString target = dir.filePath("target");
        const QByteArray name = QFile::encodeName(path);
        const QString regular = planted == "link" ? target : path;
        if (planted == "file" || planted == "link") {
            QFile file(regular);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old\r\n");
        }
        if (planted.contains("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(planted == "link to fifo" ? target : path).constData(), 0600),
                     0);
        if (planted.startsWith("link"))
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), name.constData()), 0);
        if (planted == "folder")
            QVERIFY(QDir().mkdir(path));
        if (planted == "device")
            QCOMPARE(::symlink("/dev/null", name.constData()), 0);
        // A reader holding the FIFO open: a blocking open for writing would then succeed.
        int reader = -1;
        if (planted == "read fifo")
            QVERIFY((reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK)) >= 0);

        TextFileWriter writer;
        const bool opened = writer.open(path, OpenMode(mode), TextEncoding::Windows1252);
        if (reader >= 0)
            ::close(reader);
        QCOMPARE(opened, refusal.isEmpty());
        QCOMPARE(writer.errorString(), refusal);
        if (!opened)
            return;
        QVERIFY(writer.writeLine("new"));
        QVERIFY(writer.close());
        QFile file(regular);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), after);
        QCOMPARE(QFileInfo(path).isSymLink(), planted == "link");
    }

    // A file that can take no more (here a file-size limit, which fails like a full disk:
    // a short write, then an error) is reported with the system's reason, not "Unknown error";
    // lines still held in the writer's buffer fail when it closes.
    void writeFailureGivesTheSystemsReason_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("many pieces") << 10000;
        QTest::newRow("less than a piece") << 500; // about 13 KB
    }
    void writeFailureGivesTheSystemsReason()
    {
        QFETCH(int, lines);
        QTemporaryDir dir;
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 10000;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        TextFileWriter writer;
        QVERIFY(writer.open(dir.filePath("big.vb"), OpenMode::Output, TextEncoding::Windows1252));
        bool written = true;
        for (int i = 0; i < lines && written; ++i)
            written = writer.writeLine(QStringLiteral("    Dim value%1 As String").arg(i));
        const bool closed = writer.close();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!written || !closed);
        QVERIFY(!closed);
        QCOMPARE(writer.errorString(), QString::fromLocal8Bit(std::strerror(EFBIG)));
    }
};

QTEST_MAIN(HelpersTest)
#include "test_helpers.moc"
