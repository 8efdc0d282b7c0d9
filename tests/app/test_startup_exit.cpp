#include "app/main_window.h"
#include "app/program.h"
#include "connection/connection_page.h"
#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"
#include "platform/settings_store.h"
#include "platform/user_feedback.h"
#include "platform/yielding_call.h"
#include "support/page_controls.h"
#include "support/temp_home.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

using app::MainWindow;
using app::Program;
namespace settings = platform::settings;

namespace
{

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A program whose Exit does not end the test process; its messages are kept.
struct TestProgram {
    Program program;
    int ended = 0;
    QStringList messages;
    TestProgram()
    {
        program.session().messages().setSink([this](const QString& text) { messages.append(text); });
        program.setEndStep([this] { ++ended; });
        program.start();
    }
    MainWindow& window() { return *program.window(); }
};

// Set for the child process of exitEndsTheProcessInsideALongAction: the file that the
// child writes if its long action went on after Exit.
constexpr char kWentOnVariable[] = "QUILLMERE_TEST_WENT_ON_FILE";

// The child: the real end step, Exit clicked while an action yields to the event loop.
int exitDuringLongAction(int argc, char** argv)
{
    QApplication application(argc, argv);
    Program program;
    program.start();
    MainWindow& w = *program.window();
    testsupport::ConnectionPageControls(&w).db->addItem("ORCL");
    QPushButton* exit = testsupport::MainWindowControls(&w).fin_0;
    QTimer::singleShot(0, exit, [exit] { exit->click(); });
    for (int i = 0; i < 200; ++i)
        platform::yield();
    QFile wentOn(qEnvironmentVariable(kWentOnVariable));
    if (wentOn.open(QIODevice::WriteOnly))
        wentOn.write("the action went on after Exit\n");
    return 3;
}

} // namespace

class StartupExitTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartDefaults()
    {
        testsupport::TempHome home;
        TestProgram p;
        MainWindow& w = p.window();
        const testsupport::AspxPageControls aspxPage(&w);
        const testsupport::VbPageControls vb(&w);
        const testsupport::ConnectionPageControls cp(&w);
        QCOMPARE(w.form().look_style, 0);
        QCOMPARE(testsupport::SolutionPanelControls(&w).stcss->text(), QString());
        QCOMPARE(aspxPage.tb2[3]->text(), QString());
        QVERIFY(!cp.c1->isChecked());
        QVERIFY(!cp.sc1->isChecked());
        QCOMPARE(cp.spro->text(), QString("SQLOLEDB.1"));
        QCOMPARE(vb.pn->text(), home.programFolder() + '/');
        QCOMPARE(aspxPage.pn2->text(), home.programFolder() + '/');
        QCOMPARE(w.statusPanel(3), home.programFolder() + '/');
        QCOMPARE(w.statusPanel(1), QString("Not connected"));
        QVERIFY(QRegularExpression("^\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d$")
                    .match(w.statusPanel(2))
                    .hasMatch());
        QVERIFY(QFileInfo::exists(home.historyFile()));
        QCOMPARE(QFileInfo(home.historyFile()).size(), 0);
        for (const QComboBox* list :
             {(QComboBox*)cp.db, (QComboBox*)cp.adb, (QComboBox*)cp.ocnx, (QComboBox*)cp.sdb})
            QCOMPARE(list->count(), 0);
        QVERIFY(!testsupport::page<connection::ConnectionPage>(&w)->isHidden());
        QVERIFY(testsupport::page<generation_ui::VbGeneratorPage>(&w)->isHidden() &&
                testsupport::page<generation_ui::AspxGeneratorPage>(&w)->isHidden() &&
                testsupport::MainWindowControls(&w).pt[0]->isHidden());
        QVERIFY(!vb.gnl[0]->isHidden());
        QCOMPARE(QDir::currentPath(), home.programFolder());
        QVERIFY(testsupport::MainWindowControls(&w).Timer2->isActive());
        QCOMPARE(testsupport::MainWindowControls(&w).Timer2->interval(), 500);
        QVERIFY(QRegularExpression("^Quillmere \\d+\\.\\d+\\.\\d+$").match(w.windowTitle()).hasMatch());
        QCOMPARE(w.windowTitle(), QString("Quillmere " QUILLMERE_VERSION));
        QVERIFY(p.messages.isEmpty());
        // Nothing is saved by a start-up that found no settings.
        QVERIFY(!QFileInfo::exists(home.settingsFile("kvl_net")));
    }

    void restoresSavedSettings()
    {
        testsupport::TempHome home;
        settings::save("kvl_net", "style", "s", "1");
        settings::save("kvl_net", "style", "stcss", "/css/Styles.css");
        settings::save("kvl_net", "sn", "s", "ShopWeb");
        settings::save("kvl_net", "c1", "c1", "1");
        settings::save("kvl_net", "sc1", "sc1", "0");
        settings::save("kvl_net", "access", "spro", "SQLNCLI");
        settings::save("kvl_net", "access", "pn", "/out/gen/");
        QFile history(home.historyFile());
        QVERIFY(history.open(QIODevice::WriteOnly));
        history.write("0ORCL\r\n3shop\r\n2DSN=demo\r\n");
        history.close();

        TestProgram p;
        MainWindow& w = p.window();
        const testsupport::AspxPageControls aspxPage(&w);
        const testsupport::ConnectionPageControls cp(&w);
        QCOMPARE(w.form().look_style, 1);
        QCOMPARE(testsupport::SolutionPanelControls(&w).stcss->text(), QString("/css/Styles.css"));
        QCOMPARE(aspxPage.tb2[3]->text(), QString("ShopWeb"));
        QVERIFY(cp.c1->isChecked());
        QVERIFY(!cp.sc1->isChecked());
        QCOMPARE(cp.spro->text(), QString("SQLNCLI"));
        QCOMPARE(testsupport::VbPageControls(&w).pn->text(), QString("/out/gen/"));
        QCOMPARE(aspxPage.pn2->text(), QString("/out/gen/"));
        QCOMPARE(w.statusPanel(3), QString("/out/gen/"));
        QCOMPARE(cp.db->itemText(0), QString("ORCL"));
        QCOMPARE(cp.sdb->itemText(0), QString("shop"));
        QCOMPARE(cp.ocnx->itemText(0), QString("DSN=demo"));
        QCOMPARE(cp.adb->count(), 0);
        QCOMPARE(cp.db->currentText(), QString());
    }

    void storedValuesThatAreNotNumbersAreIgnored()
    {
        testsupport::TempHome home;
        settings::save("kvl_net", "style", "s", "1");
        TestProgram p;
        QCOMPARE(p.window().form().look_style, 1);
        settings::save("kvl_net", "style", "s", "dark");
        settings::save("kvl_net", "c1", "c1", "yes");
        settings::save("kvl_net", "sc1", "sc1", "7");
        p.program.reloadMainWindow();
        MainWindow& w = p.window();
        QCOMPARE(w.form().look_style, 1); // kept from before
        QVERIFY(!testsupport::ConnectionPageControls(&w).c1->isChecked());
        QVERIFY(!testsupport::ConnectionPageControls(&w).sc1->isChecked());
    }

    void exitSavesHistoryThenSettingsInOrder()
    {
        testsupport::TempHome home;
        TestProgram p;
        MainWindow& w = p.window();
        testsupport::ConnectionPageControls cp(&w);
        cp.c1->setChecked(true);
        cp.spro->setText("SQLNCLI");
        testsupport::VbPageControls(&w).pn->setText("/out/x/");
        testsupport::AspxPageControls(&w).tb2[3]->setText("proj");
        cp.db->addItem("ORCL");
        cp.adb->addItem("/data/shop.mdb");

        QStringList saves;
        QByteArray historyAtFirstSave;
        p.program.session().settings().setSaveObserver([&](const QString& application, const QString& section,
                                                           const QString& key, const QString& value) {
            if (saves.isEmpty())
                historyAtFirstSave = readAll(home.historyFile());
            saves.append(application + '/' + section + '/' + key + '=' + value);
        });
        QTest::mouseClick(testsupport::MainWindowControls(&w).fin_0, Qt::LeftButton);
        p.program.session().settings().setSaveObserver({});

        QCOMPARE(historyAtFirstSave, QByteArray("0ORCL\r\n1/data/shop.mdb\r\n"));
        QCOMPARE(saves, (QStringList{"kvl_net/c1/c1=1", "kvl_net/sc1/sc1=0", "kvl_net/access/spro=SQLNCLI",
                                     "kvl_net/access/pn=/out/x/", "kvl_net/sn/s=proj"}));
        QCOMPARE(p.ended, 1);
        QVERIFY(p.messages.isEmpty());
    }

    void exitWithEmptyListsWritesZeroBytes()
    {
        testsupport::TempHome home;
        QFile history(home.historyFile());
        QVERIFY(history.open(QIODevice::WriteOnly));
        history.write("0\r\n4ignored\r\n");
        history.close();
        TestProgram p;
        p.window().fin_Click(0);
        QCOMPARE(QFileInfo(home.historyFile()).size(), 0);
        QCOMPARE(settings::get("kvl_net", "access", "spro"), QString("SQLOLEDB.1"));
    }

    void plainCloseSavesNothing()
    {
        testsupport::TempHome home;
        TestProgram p;
        MainWindow& w = p.window();
        testsupport::VbPageControls(&w).pn->setText("/elsewhere/");
        testsupport::ConnectionPageControls(&w).db->addItem("ORCL");
        testsupport::ConnectionPageControls(&w).c1->setChecked(true);
        QVERIFY(w.close());
        QCOMPARE(p.ended, 0);
        QVERIFY(!QFileInfo::exists(home.settingsFile("kvl_net")));
        QCOMPARE(QFileInfo(home.historyFile()).size(), 0);
    }

    // A history file that cannot be read is not replaced at Exit; the settings are
    // still saved and the program still ends.
    void unreadableHistoryIsNotEmptiedAtExit()
    {
        testsupport::TempHome home;
        QVERIFY(QDir(home.programFolder()).mkdir("Quillmere.ini"));
        TestProgram p;
        MainWindow& w = p.window();
        QVERIFY(!w.historyReadable());
        QVERIFY(testsupport::MainWindowControls(&w).Timer2->isActive());
        testsupport::ConnectionPageControls(&w).db->addItem("ORCL");
        w.fin_Click(0);
        QVERIFY(QFileInfo(home.historyFile()).isDir());
        QCOMPARE(settings::get("kvl_net", "access", "spro"), QString("SQLOLEDB.1"));
        QCOMPARE(p.ended, 1);
    }

    // Something planted in place of the history file: the start-up goes on (a FIFO is not
    // waited on), the lists stay empty, and Exit neither writes through a link nor replaces it.
    void plantedHistoryFile_data()
    {
        QTest::addColumn<QString>("planted"); // "link" or "fifo"
        QTest::newRow("link to another file") << "link";
        QTest::newRow("dangling link") << "dangling";
        QTest::newRow("FIFO") << "fifo";
    }
    void plantedHistoryFile()
    {
        QFETCH(QString, planted);
        testsupport::TempHome home;
        const QString target = home.path() + QStringLiteral("/target");
        const QByteArray history = QFile::encodeName(home.historyFile());
        if (planted == "fifo") {
            QCOMPARE(::mkfifo(history.constData(), 0600), 0);
        } else {
            if (planted == "link") {
                QFile file(target);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("0KEEP\r\n");
            }
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), history.constData()), 0);
        }
        TestProgram p;
        MainWindow& w = p.window();
        QVERIFY(!w.historyReadable());
        QCOMPARE(testsupport::ConnectionPageControls(&w).db->count(), 0);
        testsupport::ConnectionPageControls(&w).db->addItem("ORCL");
        w.fin_Click(0);
        QCOMPARE(p.ended, 1);
        QCOMPARE(QFileInfo(home.historyFile()).isSymLink(), planted != "fifo");
        if (planted == "link")
            QCOMPARE(readAll(target), QByteArray("0KEEP\r\n"));
        else
            QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(QDir(home.programFolder()).entryList({"Quillmere.ini.*"}, QDir::System | QDir::Files),
                 QStringList{});
    }

    // Closed by its frame, the program returns from its event loop as usual, unless a call
    // given up at its time limit is still inside a driver: it then ends as Exit ends it.
    void closeByFrameWithACallLeftBehind_data()
    {
        QTest::addColumn<bool>("leftBehind");
        QTest::newRow("no call left behind: normal return") << false;
        QTest::newRow("call left behind: ended without exit handlers") << true;
    }
    void closeByFrameWithACallLeftBehind()
    {
        QFETCH(bool, leftBehind);
        testsupport::TempHome home;
        TestProgram p;
        if (leftBehind)
            QVERIFY(!platform::runWhileYielding([] { QThread::msleep(300); }, std::chrono::milliseconds(20)));
        QVERIFY(p.window().close());
        QCOMPARE(p.program.afterEventLoop(0), 0);
        QCOMPARE(p.ended, leftBehind ? 1 : 0);
        QTRY_VERIFY_WITH_TIMEOUT(!platform::callsLeftBehind(), 5000);
    }

    // Exit before the start-up has read the history (a window whose start-up has not
    // reached its read) leaves the file as it is.
    void exitBeforeTheHistoryReadKeepsTheFile()
    {
        testsupport::TempHome home;
        QFile history(home.historyFile());
        QVERIFY(history.open(QIODevice::WriteOnly));
        history.write("0ORCL\r\n");
        history.close();
        Program program;
        program.session().messages().setSink([](const QString& text) { QFAIL(qPrintable(text)); });
        int ended = 0;
        program.setEndStep([&] { ++ended; });
        MainWindow w(program.session(), program);
        QVERIFY(!w.historyReadable());
        w.fin_Click(0);
        QCOMPARE(ended, 1);
        QCOMPARE(readAll(home.historyFile()), QByteArray("0ORCL\r\n"));
    }

    void reloadRerunsStartupAndKeepsFormValues()
    {
        testsupport::TempHome home;
        settings::save("kvl_net", "access", "pn", "/saved/");
        TestProgram p;
        MainWindow* first = p.program.window();
        first->connection().setString("DSN=demo");
        first->form().schema_filter = "SALES";
        first->form().net_ns = "OracleClient";
        testsupport::VbPageControls(first).pn->setText("/chosen-since/");
        testsupport::ConnectionPageControls(first).ocnx->addItem("DSN=demo");
        testsupport::VbPageControls(first).dbn->setText("shop_");
        first->setStatusPanel(1, "DSN=demo");
        first->Command_Click(1);

        first->reloadWindow();
        MainWindow* second = p.program.window();
        QVERIFY(second != first);
        QCOMPARE(second->connection().string(), QString("DSN=demo"));
        QCOMPARE(second->form().schema_filter, QString("SALES"));
        QCOMPARE(second->form().net_ns, QString("OracleClient"));
        QCOMPARE(testsupport::VbPageControls(second).pn->text(), QString("/saved/"));
        QCOMPARE(testsupport::ConnectionPageControls(second).ocnx->count(), 0);
        QCOMPARE(testsupport::VbPageControls(second).dbn->text(), QString());
        QCOMPARE(second->statusPanel(1), QString("Not connected"));
        QVERIFY(!testsupport::page<connection::ConnectionPage>(second)->isHidden());
        QCOMPARE(second->form().typeTables.net_types[6], QString(" Decimal "));
        QVERIFY(second->isVisible());
        QTRY_VERIFY(p.program.window() == second);
        QCOMPARE(p.ended, 0);
    }

    // The old window rests while the new one's start-up yields: hidden, disabled, its
    // clock stopped, and hiding it does not count as closing the last window.
    void reloadPutsOldWindowToRestDuringStartup()
    {
        testsupport::TempHome home;
        TestProgram p;
        QPointer<MainWindow> first = p.program.window();
        QVERIFY(testsupport::MainWindowControls(first).Timer2->isActive());
        int lastClosed = 0;
        connect(qApp, &QGuiApplication::lastWindowClosed, this, [&] { ++lastClosed; });
        struct Seen {
            bool duringStartup = false, oldVisible = true, oldEnabled = true, oldTicking = true;
        } seen;
        QTimer::singleShot(0, this, [&] {
            MainWindow* current = p.program.window();
            seen.duringStartup = current != first && !current->isVisible();
            seen.oldVisible = first->isVisible();
            seen.oldEnabled = first->isEnabled();
            seen.oldTicking = testsupport::MainWindowControls(first).Timer2->isActive();
        });
        first->reloadWindow();
        QVERIFY(seen.duringStartup);
        QVERIFY(!seen.oldVisible);
        QVERIFY(!seen.oldEnabled);
        QVERIFY(!seen.oldTicking);
        QVERIFY(p.program.window()->isVisible());
        QVERIFY(testsupport::MainWindowControls(p.program.window()).Timer2->isActive());
        QTRY_VERIFY(first.isNull());
        QCOMPARE(lastClosed, 0);
        QCOMPARE(p.ended, 0);
    }

    // Exit ends the process inside the yield of a running action: the saves are made and
    // nothing after the yield runs.
    void exitEndsTheProcessInsideALongAction()
    {
        testsupport::TempHome home;
        const QString wentOn = home.path() + QStringLiteral("/went-on");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kWentOnVariable), wentOn);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY(!QFileInfo::exists(wentOn));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(readAll(home.historyFile()), QByteArray("0ORCL\r\n"));
        QCOMPARE(settings::get("kvl_net", "access", "spro"), QString("SQLOLEDB.1"));
        QCOMPARE(settings::get("kvl_net", "access", "pn"), home.programFolder() + '/');
    }

    void centredOrigin_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("larger screen") << QSize(1920, 1080) << QSize(1000, 700) << QPoint(460, 190);
        QTest::newRow("odd difference") << QSize(1001, 701) << QSize(1000, 700) << QPoint(0, 0);
        QTest::newRow("smaller screen") << QSize(800, 600) << QSize(1000, 700) << QPoint(0, 0);
        QTest::newRow("narrower only") << QSize(800, 1080) << QSize(1000, 700) << QPoint(0, 190);
    }
    void centredOrigin()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, origin);
        QCOMPARE(app::centredOrigin(screen, window), origin);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kWentOnVariable))
        return exitDuringLongAction(argc, argv);
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    StartupExitTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_startup_exit.moc"
