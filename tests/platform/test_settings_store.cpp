#include "platform/settings_store.h"
#include "support/temp_home.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace platform;

namespace {
constexpr QFile::Permissions kGroupOrOther = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
}

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "style" << "stcss" << "/home/me/Styles.css";
        QTest::newRow("slash in section") << "host/orcl" << "uid" << "scott";
        QTest::newRow("backslash in section") << "SERVER\\SQLEXPRESS" << "so" << "srv";
        QTest::newRow("percent in section") << "a%2Fb" << "pwd" << "x";
        QTest::newRow("value with separators") << "access" << "pn" << "/out/a;b=c\\d/";
        QTest::newRow("non-ascii") << "base-é" << "uid" << "Zoë";
        QTest::newRow("empty value") << "c1" << "c1" << "";
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
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "test_settings_store.moc"
