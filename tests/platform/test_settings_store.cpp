#include "platform/settings_store.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace
{
// Holds what the dropped-status log says while it lives; other messages go on as before.
class DroppedLog
{
public:
    DroppedLog() : previous_(qInstallMessageHandler(&DroppedLog::handle)) { current_ = this; }
    ~DroppedLog()
    {
        qInstallMessageHandler(previous_);
        current_ = nullptr;
    }
    QByteArray text;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (qstrcmp(context.category, "quillmere.dropped") == 0)
            current_->text += message.toUtf8() + '\n';
        else
            current_->previous_(type, context, message);
    }
    static inline DroppedLog* current_ = nullptr;
    QtMessageHandler previous_;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

constexpr QFile::Permissions kGroupOrOther = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                             QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
} // namespace

class SettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "style"
                               << "stcss"
                               << "/home/me/Styles.css";
        QTest::newRow("slash in section") << "host/orcl"
                                          << "uid"
                                          << "scott";
        QTest::newRow("backslash in section") << "SERVER\\SQLEXPRESS"
                                              << "so"
                                              << "srv";
        QTest::newRow("percent in section") << "a%2Fb"
                                            << "pwd"
                                            << "x";
        QTest::newRow("value with separators") << "access"
                                               << "pn"
                                               << "/out/a;b=c\\d/";
        QTest::newRow("non-ascii") << "base-é"
                                   << "uid"
                                   << "Zoë";
        QTest::newRow("empty value") << "c1"
                                     << "c1"
                                     << "";
    }
    void roundTrip()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        testsupport::TempHome home;
        settings::save("kvl_net", section, key, value);
        QCOMPARE(settings::get("kvl_net", section, key, "default"), value);
    }

    // A section named with '/' stays one section: it neither reads as nor overwrites
    // a nested group.
    void slashSectionIsOneSection()
    {
        testsupport::TempHome home;
        settings::save("kvl_net", "host/orcl", "uid", "one");
        settings::save("kvl_net", "host", "orcl/uid", "two");
        QCOMPARE(settings::get("kvl_net", "host/orcl", "uid"), QString("one"));
        QCOMPARE(settings::get("kvl_net", "host", "orcl/uid"), QString("two"));
        QCOMPARE(settings::get("kvl_net", "host\\orcl", "uid", "none"), QString("none"));
    }

    void missingEntryGivesDefault()
    {
        testsupport::TempHome home;
        QCOMPARE(settings::get("kvl_net", "style", "s", "0"), QString("0"));
        settings::save("kvl_net", "style", "s", "1");
        QCOMPARE(settings::get("kvl_net", "style", "other", "d"), QString("d"));
        QCOMPARE(settings::get("kvl_nets", "style", "s", "d"), QString("d"));
    }

    void oneFilePerApplicationOwnerOnly()
    {
        testsupport::TempHome home;
        settings::save("kvl_net", "orcl", "pwd", "secret");
        settings::save("kvl_nets", "shop", "pwd", "secret2");
        for (const char* application : {"kvl_net", "kvl_nets"}) {
            const QString path = home.settingsFile(application);
            QCOMPARE(settings::filePath(application), path);
            QVERIFY(QFileInfo::exists(path));
            const QFile::Permissions perms = QFile::permissions(path);
            QVERIFY(perms.testFlag(QFile::ReadOwner) && perms.testFlag(QFile::WriteOwner));
            QCOMPARE(perms & kGroupOrOther, QFile::Permissions());
        }
        QVERIFY(!QFile(home.settingsFile("kvl_net")).readAll().contains("secret2"));
    }

    // Every save is on disk at once: another reader sees it without any flush.
    void savedAtOnce()
    {
        testsupport::TempHome home;
        settings::save("kvl_net", "access", "pn", "/out/");
        QFile file(home.settingsFile("kvl_net"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("pn=/out/"));
    }

    // What lies where the settings file goes: the mode of anything but our own regular
    // file is left as it is, and a save that fails says so in the dropped-status log.
    void whatLiesInPlaceOfTheFile_data()
    {
        QTest::addColumn<QString>("existing"); // "", "file", "folder", "link", "fifo" or "garbage"
        QTest::addColumn<int>("modeBefore");
        QTest::addColumn<int>("modeAfter");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nothing: created owner-only") << "" << 0 << 0600 << true;
        QTest::newRow("own file readable by others: narrowed") << "file" << 0644 << 0600 << true;
        QTest::newRow("folder: mode kept, failure reported") << "folder" << 0755 << 0755 << false;
        QTest::newRow("link: target kept, failure reported") << "link" << 0644 << 0644 << false;
        QTest::newRow("FIFO: not waited on, failure reported") << "fifo" << 0600 << 0600 << false;
        QTest::newRow("garbage: replaced, nothing reported") << "garbage" << 0600 << 0600 << true;
    }
    void whatLiesInPlaceOfTheFile()
    {
        QFETCH(QString, existing);
        QFETCH(int, modeBefore);
        QFETCH(int, modeAfter);
        QFETCH(bool, saved);
        testsupport::TempHome home;
        const QString path = home.settingsFile("kvl_net");
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        const QByteArray name = QFile::encodeName(path);
        if (existing == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (existing == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (existing == "link") {
            QFile target(home.path() + "/target");
            QVERIFY(target.open(QIODevice::WriteOnly));
            target.write("[access]\npn=/kept/\n");
            target.close();
            QCOMPARE(::symlink(QFile::encodeName(target.fileName()).constData(), name.constData()), 0);
        } else if (existing == "fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (existing == "garbage") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\x00\xff[[[\n=\n[unclosed\n\x01=\x02\n", 20));
        }
        if (!existing.isEmpty())
            QCOMPARE(::chmod(name.constData(), mode_t(modeBefore)), 0);

        QByteArray reported;
        {
            DroppedLog log;
            settings::save("kvl_net", "access", "pn", "/out/");
            reported = log.text;
        }

        struct stat info {
        };
        QCOMPARE(::stat(name.constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), modeAfter);
        QCOMPARE(settings::get("kvl_net", "access", "pn") == "/out/", saved);
        QCOMPARE(reported.isEmpty(), saved);
        if (!saved)
            QVERIFY2(reported.contains(name), reported.constData());
        if (existing == "link") {
            QVERIFY(QFileInfo(path).isSymLink());
            QCOMPARE(readFile(home.path() + "/target"), QByteArray("[access]\npn=/kept/\n"));
            QVERIFY2(reported.contains("kvl_net.ini is not a regular file"), reported.constData());
        }
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "test_settings_store.moc"
