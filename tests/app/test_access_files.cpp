// Access files through the real window, offscreen: the Access box's Connect on a copy of each
// sample file (Jet 3, Jet 4, ACE), then every generator run; each file written is compared
// with its golden, which holds the file's keys, its relationships as joins and Jet's types.

#include "app/window_fixture.h"
#include "support/find_control.h"
#include "support/golden.h"
#include "support/page_controls.h"

#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// A copy of a sample file in `dir`: the driver writes lock files beside what it opens.
QString copiedFixture(const QString& name, const QString& dir)
{
    const QString copy = QDir(dir).filePath(name);
    QFile::remove(copy);
    if (!QFile::copy(QStringLiteral(QUILLMERE_FIXTURES_DIR "/access/") + name, copy))
        return {};
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

} // namespace

class AccessFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyGenerator_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("tables"); // as the table lists show them
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("provider");
        const QString jet = "Provider=Microsoft.Jet.OLEDB.4.0", ace = "Provider=Microsoft.ACE.OLEDB.12.0";
        const QStringList three{"Table1", "Table2", "Table3"};
        const QStringList four{"Table1", "Table2", "Table3", "Table4"};
        const auto written = [](const QString& prefix, const QStringList& tables) {
            QStringList files{prefix + "_Access.vb", prefix + "_Classes.vb", prefix + "_Manager.vb",
                              "Web.config",          "web/edit_Table1.aspx", "web/edit_Table1.aspx.vb"};
            for (const QString& table : tables)
                files.append(prefix + "_" + table + ".cls");
            files.sort();
            return files;
        };
        QTest::newRow("Jet 3") << "testV1997.mdb" << four << written("testV1997", four) << jet;
        QTest::newRow("Jet 4, relationships")
            << "indexTestV2003.mdb" << three << written("indexTestV2003", three) << jet;
        QTest::newRow("ACE 2010, relationships")
            << "indexTestV2010.accdb" << three << written("indexTestV2010", three) << ace;
        QTest::newRow("ACE 2007") << "testV2007.accdb" << four << written("testV2007", four) << ace;
    }
    void everyGenerator()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, tables);
        QFETCH(QStringList, written);
        QFETCH(QString, provider);
        QTemporaryDir dir;
        const QString path = copiedFixture(file, dir.path());
        QVERIFY(!path.isEmpty());
        WindowFixture fixture;
        fixture.start();
        app::MainWindow& w = fixture.window();
        const testsupport::VbPageControls page(&w);
        fixture.find<QComboBox>("adb")->setEditText(path);
        fixture.find<QPushButton>("Command12")->click();
        QCOMPARE(fixture.messages, QStringList{});
        QVERIFY(w.connection().connected());
        // The system tables stay out of the lists.
        QStringList listed;
        for (int i = 0; i < page.tdn->count(); ++i)
            listed.append(page.tdn->item(i)->text());
        QCOMPARE(listed, tables);
        // The string for generated code names the provider that reads the file's format; the
        // goldens hold it with the path the generated application would use.
        auto* cnxstr = fixture.find<QLineEdit>("cnxstr");
        QCOMPARE(cnxstr->text(), provider + ";Data Source=" + path);
        cnxstr->setText(provider + ";Data Source=C:\\data\\" + file);

        for (const QString& table : tables) {
            page.tdn->setCurrentItem(page.tdn->findItems(table, Qt::MatchExactly).first());
            page.tadd[1]->click();
        }
        const QString out = dir.filePath("out/");
        page.pn->setText(out);
        for (QCheckBox* box : {page.gn[0], page.gn[1], page.gn[2], page.gcfk, page.gwcf})
            box->setChecked(true);
        page.Command11->click();
        page.Command18->click();
        fixture.find<QLineEdit>("tb2_0")->setText("Table1");
        fixture.find<QLineEdit>("tb2_3")->setText("AccessWeb");
        fixture.find<QLineEdit>("pn2")->setText(out + "web/");
        fixture.find<QPushButton>("Command8")->click();

        QCOMPARE(fixture.messages, QStringList(3, QStringLiteral("End of Generation")));
        QCOMPARE(filesUnder(out), written);
        const QString base = QFileInfo(file).completeBaseName();
        for (const QString& name : written)
            QUILLMERE_COMPARE_GOLDEN("access/" + base + "/" + name, testsupport::readFileBytes(out + name));
    }

    // A file the library cannot read or that makes it crash or loop: the Connect says so
    // within 20 s, and the window connects to a sound file afterwards.
    void damagedFileOnConnect_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qsizetype>("length"); // of the sample kept
        QTest::newRow("empty") << "testV2007.accdb" << qsizetype(0);
        QTest::newRow("header only") << "testV2007.accdb" << qsizetype(4096);
        QTest::newRow("cut short, the library loops") << "testV1997.mdb" << qsizetype(98304);
    }
    void damagedFileOnConnect()
    {
        QFETCH(QString, file);
        QFETCH(qsizetype, length);
        QTemporaryDir dir;
        const QString path = copiedFixture(file, dir.path());
        QVERIFY(!path.isEmpty());
        QVERIFY(QFile::resize(path, length));
        WindowFixture fixture;
        fixture.start();
        QElapsedTimer clock;
        clock.start();
        fixture.find<QComboBox>("adb")->setEditText(path);
        fixture.find<QPushButton>("Command12")->click();
        QVERIFY(clock.elapsed() < 20000);
        QCOMPARE(fixture.messages.size(), 1);
        QVERIFY2(fixture.messages.first().startsWith("Connection not opened\n"),
                 qPrintable(fixture.messages.first()));
        QVERIFY2(fixture.messages.first().contains(path), qPrintable(fixture.messages.first()));
        QVERIFY(!fixture.window().connection().connected());

        fixture.messages.clear();
        fixture.find<QComboBox>("adb")->setEditText(copiedFixture("indexTestV2003.mdb", dir.path()));
        fixture.find<QPushButton>("Command12")->click();
        QCOMPARE(fixture.messages, QStringList{});
        QVERIFY(fixture.window().connection().connected());
    }

    // A primary key whose columns the library cannot read (its index names a column the table
    // lacks) is named in the run's end message; the other tables' keys are read as ever.
    void unreadableKey()
    {
        QTemporaryDir dir;
        const QString path = copiedFixture(QStringLiteral("testV2007.accdb"), dir.path());
        QVERIFY(!path.isEmpty());
        {
            // Table1's definition page (62 of 4096 bytes) lists its primary key on column 0,
            // ascending: that column number becomes one the table does not have.
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QByteArray bytes = f.readAll();
            const qsizetype page = 62 * 4096;
            const qsizetype at = bytes.mid(page, 4096).indexOf(QByteArray::fromHex("000001ffff"));
            QVERIFY(at > 0);
            bytes[page + at] = char(200);
            QVERIFY(f.seek(0) && f.write(bytes) == bytes.size());
        }
        WindowFixture fixture;
        fixture.start();
        const testsupport::VbPageControls page(&fixture.window());
        fixture.find<QComboBox>("adb")->setEditText(path);
        fixture.find<QPushButton>("Command12")->click();
        QCOMPARE(fixture.messages, QStringList{});
        for (const QString table : {"Table1", "Table2"}) {
            page.tdn->setCurrentItem(page.tdn->findItems(table, Qt::MatchExactly).first());
            page.tadd[1]->click();
        }
        page.pn->setText(dir.filePath("out/"));
        page.gn[0]->setChecked(true);
        page.Command11->click();
        QCOMPARE(fixture.messages.size(), 1);
        const QStringList lines = fixture.messages.first().split('\n');
        QCOMPARE(lines.first(), "End of Generation");
        QVERIFY2(lines.filter("Table1").filter("primary key").size() == 1,
                 qPrintable(fixture.messages.first()));
        QVERIFY2(lines.filter("Table2").isEmpty(), qPrintable(fixture.messages.first()));
    }

    // The solution of an .accdb file: its connection string names the provider that reads it.
    void solution()
    {
        QTemporaryDir dir;
        const QString path = copiedFixture(QStringLiteral("indexTestV2010.accdb"), dir.path());
        QVERIFY(!path.isEmpty());
        WindowFixture fixture;
        fixture.start();
        app::MainWindow& w = fixture.window();
        const testsupport::VbPageControls page(&w);
        fixture.find<QComboBox>("adb")->setEditText(path);
        fixture.find<QPushButton>("Command12")->click();
        for (const QString table : {"Table1", "Table2"}) {
            page.tdn->setCurrentItem(page.tdn->findItems(table, Qt::MatchExactly).first());
            page.tadd[1]->click();
        }
        fixture.find<QLineEdit>("cnxstr")->setText(
            "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=C:\\data\\shop.accdb");
        page.pn->setText(dir.filePath("out/"));
        page.gcfk->setChecked(true);
        page.Command19->click();
        const testsupport::SolutionPanelControls dialog(&w);
        QFile css(dir.filePath("look.css"));
        QVERIFY(css.open(QIODevice::WriteOnly));
        css.write("body { margin: 0 }\n");
        css.close();
        dialog.stcss->setText(css.fileName());
        dialog.Command21->click();

        QCOMPARE(fixture.messages, QStringList{"End of Generation"});
        const QString out = dir.filePath("out/");
        const QStringList files = filesUnder(out);
        QVERIFY(files.contains("indexTestV2010_Web/Web.config"));
        // What the catalogue decides (the data layer, the pages, the connection string); the
        // solution's own files carry new GUIDs and are the same for every database.
        for (const QString& name : files) {
            if (name.contains("/Data_Access/") || name.contains("/User_Interface/") ||
                name.endsWith("Web.config"))
                QUILLMERE_COMPARE_GOLDEN("access/solution/" + name, testsupport::readFileBytes(out + name));
        }
    }
};

QTEST_MAIN(AccessFilesTest)
#include "test_access_files.moc"
