// "VB6 Classes only!" through the real window, offscreen: Connect with a full connection
// string to the class-module fixture, tables moved into the chosen list with the arrow,
// prefix and folder typed, the button clicked. The files are the goldens of the ODBC
// test; the "VB6 Classes" preview shows them; a click during the run is refused.

#include "app/main_window.h"
#include "app/program.h"
#include "support/find_control.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/temp_home.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using testsupport::child;

class ClassModuleWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { messages.clear(); }

    void generateThroughTheWindow_data()
    {
        QTest::addColumn<QString>("start");               // the button or caption link clicked
        QTest::addColumn<QString>("clickedDuringTheRun"); // a button clicked at the run's first yield
        QTest::newRow("button") << "Command18"
                                << "";
        QTest::newRow("caption link") << "Etiquette6_14"
                                      << "";
        QTest::newRow("button clicked again") << "Command18"
                                              << "Command18";
        QTest::newRow("VB.Net run clicked") << "Command18"
                                            << "Command11";
    }
    void generateThroughTheWindow()
    {
        QFETCH(QString, start);
        QFETCH(QString, clickedDuringTheRun);
        testsupport::TempHome home;
        QVERIFY(home.isValid());
        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("classmodule/shop.sql"), dir.path());
        QVERIFY(!cnx.isEmpty());

        app::Program program;
        program.session().messages().setSink([this](const QString& text) { messages.append(text); });
        program.start();
        QPointer<app::MainWindow> window = program.window();
        QVERIFY(window);
        child<QComboBox>(window, "ocnx")->setEditText(cnx);
        child<QPushButton>(window, "Command13")->click();
        QVERIFY(messages.isEmpty());

        auto* tdn = child<QListWidget>(window, "tdn");
        auto* add = child<QPushButton>(window, "tadd_1");
        QVERIFY(tdn && add);
        for (const QString table : {"Orders", "Notes"}) {
            const QList<QListWidgetItem*> found = tdn->findItems(table, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            tdn->setCurrentItem(found.first());
            add->click();
        }
        child<QLineEdit>(window, "dbn")->setText("shop_");
        const QString folder = dir.filePath("out/");
        child<QLineEdit>(window, "pn")->setText(folder);
        child<QPlainTextEdit>(window, "gnl_4")->setPlainText("earlier run");

        if (!clickedDuringTheRun.isEmpty()) {
            QPushButton* other = child<QPushButton>(window, clickedDuringTheRun);
            QVERIFY(other);
            QTimer::singleShot(0, other, [other] { other->click(); });
        }
        QWidget* trigger = child<QWidget>(window, start);
        QVERIFY(trigger);
        testsupport::click(trigger);

        QCOMPARE(messages, QStringList{"End of Generation"});
        QString expectedPreview;
        for (const QString table : {"Notes", "Orders"}) {
            const QString path = folder + "shop_" + table + ".cls";
            const QByteArray bytes = testsupport::readFileBytes(path);
            QUILLMERE_COMPARE_GOLDEN("classmodule/odbc_" + table + ".cls", bytes);
            expectedPreview +=
                "\n******* " + path + "\n" + QString::fromLatin1(bytes.chopped(2)).replace("\r\n", "\n");
        }
        auto* preview = child<QPlainTextEdit>(window, "gnl_4");
        QCOMPARE(preview->toPlainText(), expectedPreview);
        QVERIFY(preview->isVisible());
        QVERIFY(child<QWidget>(window, "pb1")->isHidden());
        QVERIFY(!QFile::exists(folder + "shop_Access.vb")); // the VB.Net run did not start
    }

    // An empty choice is refused with the run's message.
    void emptyChoice()
    {
        testsupport::TempHome home;
        QVERIFY(home.isValid());
        app::Program program;
        program.session().messages().setSink([this](const QString& text) { messages.append(text); });
        program.start();
        QPointer<app::MainWindow> window = program.window();
        QVERIFY(window);
        child<QPushButton>(window, "Command18")->click();
        QCOMPARE(messages, QStringList{"Choose at least one table!"});
    }

private:
    QStringList messages;
};

QTEST_MAIN(ClassModuleWindowTest)
#include "test_classmodule_window.moc"
