// "Generate VB.Net Files!" through the real window, offscreen: Connect with a full
// connection string to the shop fixture, tables moved into the chosen list with the
// arrow, modules ticked, Generate (or its caption link) clicked; the files in the output
// folder are compared with the goldens. Clicks that arrive while the run yields are refused.

#include "app/main_window.h"
#include "app/program.h"
#include "connection/connection_page.h"
#include "generation_ui/vb_generator_page.h"
#include "platform/settings_store.h"
#include "support/find_control.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/temp_home.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using testsupport::child;

class VbnetEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { messages.clear(); }

    void generateThroughTheWindow_data()
    {
        QTest::addColumn<QString>("start");               // the control that starts the run
        QTest::addColumn<QString>("clickedDuringTheRun"); // a button clicked at the run's first yield
        QTest::addColumn<bool>("everything"); // the data classes module, the joins and Web.config too
        const QString generate = "Command11";
        QTest::newRow("no other click") << generate << "" << false;
        QTest::newRow("caption link") << "Etiquette6_13"
                                      << "" << false;
        QTest::newRow("Generate again") << generate << "Command11" << false;
        QTest::newRow("Connect") << generate << "Command13" << false;
        QTest::newRow("Close Connexion") << generate << "Command6" << false;
        QTest::newRow("arrow") << generate << "tadd_3" << false;
        QTest::newRow("look switch") << generate << "look_1" << false;
        QTest::newRow("Generate Solution!") << generate << "Command19" << true;
        QTest::newRow("three modules, joins and Web.config") << generate << "" << true;
    }
    void generateThroughTheWindow()
    {
        QFETCH(QString, start);
        QFETCH(QString, clickedDuringTheRun);
        QFETCH(bool, everything);
        testsupport::TempHome home;
        QVERIFY(home.isValid());
        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("vbnet/shop.sql"), dir.path());
        QVERIFY(!cnx.isEmpty());

        app::Program program;
        program.session().messages().setSink([this](const QString& text) { messages.append(text); });
        program.start();
        QPointer<app::MainWindow> window = program.window();
        QVERIFY(window);
        child<QComboBox>(window, "ocnx")->setEditText(cnx);
        child<QPushButton>(window, "Command13")->click();
        QVERIFY(messages.isEmpty());
        QVERIFY(window->connection().connected());

        // Choose the tables with the arrow button, one at a time.
        auto* tdn = child<QListWidget>(window, "tdn");
        auto* add = child<QPushButton>(window, "tadd_1");
        QVERIFY(tdn && add);
        for (const QString table : {"Orders", "Customers", "OrderLines"}) {
            const QList<QListWidgetItem*> found = tdn->findItems(table, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            tdn->setCurrentItem(found.first());
            add->click();
        }
        QCOMPARE(child<QListWidget>(window, "tdn1")->count(), 3);

        // The connection string written into generated code, as the user may edit it.
        child<QLineEdit>(window, "cnxstr")
            ->setText(QStringLiteral("DRIVER=SQLite3;Database=C:\\data\\shop.db"));
        child<QLineEdit>(window, "dbn")->setText("Shop_");
        child<QLineEdit>(window, "pn")->setText(dir.filePath("out/"));
        child<QCheckBox>(window, "gn_0")->setChecked(true);
        child<QCheckBox>(window, "gn_1")->setChecked(true);
        for (const QString name : {"gn_2", "gcfk", "gwcf"})
            child<QCheckBox>(window, name)->setChecked(everything);
        QVERIFY(!child<QCheckBox>(window, "ps")->isChecked());

        if (clickedDuringTheRun.startsWith("look_")) {
            // With no connection shown, the switch would save the look and rebuild the window
            // (not just refuse with a message); only the run's guard stands in its way.
            window->setStatusPanel(1, QString::fromLatin1(app::kNotConnected));
            QCOMPARE(window->form().look_style, 0);
        }
        QStringList saves;
        program.session().settings().setSaveObserver([&saves](const QString&, const QString& section,
                                                              const QString&,
                                                              const QString&) { saves.append(section); });
        if (!clickedDuringTheRun.isEmpty()) {
            QPushButton* other = child<QPushButton>(window, clickedDuringTheRun);
            QVERIFY(other);
            QTimer::singleShot(0, other, [other] { other->click(); });
        }
        if (auto* generate = qobject_cast<QPushButton*>(child<QWidget>(window, start))) {
            generate->click();
        } else {
            auto* caption = child<QLabel>(window, start);
            QVERIFY(caption);
            QTest::mouseClick(caption, Qt::LeftButton, {}, caption->rect().center());
        }
        program.session().settings().setSaveObserver({});

        // One run, one end message, the same window, the same files.
        QCOMPARE(messages, QStringList{"End of Generation"});
        QCOMPARE(program.window(), window.data());
        QVERIFY(window);
        QVERIFY2(!saves.contains("style"), qPrintable(saves.join(' ')));
        QCOMPARE(window->form().look_style, 0);
        if (everything) {
            for (const QString name : {"Shop_Access.vb", "Shop_Manager.vb", "Shop_Classes.vb", "Web.config"})
                QUILLMERE_COMPARE_GOLDEN("dataclasses/e2e_" + name,
                                         testsupport::readFileBytes(dir.filePath("out/" + name)));
        } else {
            QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Access.vb",
                                     testsupport::readFileBytes(dir.filePath("out/Shop_Access.vb")));
            QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Manager.vb",
                                     testsupport::readFileBytes(dir.filePath("out/Shop_Manager.vb")));
            QVERIFY(!QFile::exists(dir.filePath("out/Shop_Classes.vb")));
        }
        QVERIFY(child<QWidget>(window, "pb1")->isHidden());
        QVERIFY(!window->solutionDialogVisible());
        QCOMPARE(child<QListWidget>(window, "tdn1")->count(), 3);
        QVERIFY(window->connection().isOpen());
    }

private:
    QStringList messages;
};

QTEST_MAIN(VbnetEndToEndTest)
#include "test_vbnet_e2e.moc"
