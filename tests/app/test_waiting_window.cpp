// The window while the database keeps it waiting, and the actions refused during a run:
// a server that never answers the login, one that stops answering in the middle of a
// run, and the panels that a run refuses to open.
#include "app/main_window.h"
#include "app/program.h"
#include "connection/connection_page.h"
#include "generation_ui/folder_picker.h"
#include "generation_ui/solution_panel.h"
#include "kit/action_guard.h"
#include "platform/ado/ado.h"
#include "support/find_control.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"
#include "support/pausable_pg.h"
#include "support/temp_home.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace
{

// Set for the child process of exitWhileConnectWaits: the port of a listener that never
// answers.
constexpr char kSilentPortVariable[] = "QUILLMERE_TEST_SILENT_PORT";

QString silentServerString(quint16 port)
{
    return QStringLiteral("DRIVER={PostgreSQL Unicode};Server=127.0.0.1;Port=%1;Database=x;Uid=x;Pwd=;")
        .arg(port);
}

// The child: the real end step; Connect to the silent listener, then Exit while the login
// waits. It prints the clock as it stood early in the wait and just before Exit, and whether
// the Connect was still waiting then (no message box up).
int exitWhileConnectWaits(int argc, char** argv)
{
    QApplication application(argc, argv);
    app::Program program;
    program.start();
    app::MainWindow& w = *program.window();
    QString early;
    QTimer::singleShot(300, &w, [&] { early = w.statusPanel(2); });
    QTimer::singleShot(1600, &w, [&] {
        std::printf("clock %s -> %s\n", qPrintable(early), qPrintable(w.statusPanel(2)));
        std::printf("waiting %d\n",
                    program.session().runGuard().busy() && !QApplication::activeModalWidget());
        std::printf("exit at %lld\n", QDateTime::currentMSecsSinceEpoch());
        std::fflush(stdout);
        testsupport::MainWindowControls(&w).fin_0->click();
    });
    testsupport::ConnectionPageControls(&w).ocnx->setEditText(
        silentServerString(quint16(qEnvironmentVariableIntValue(kSilentPortVariable))));
    testsupport::ConnectionPageControls(&w).Command13->click();
    return 3; // the connect returned: Exit did not end the program
}

// A loopback listener that takes connections (the system completes them) and never
// reads or answers.
class SilentListener
{
public:
    SilentListener()
    {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
            ::listen(socket_, 8) == 0 &&
            ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~SilentListener() { ::close(socket_); }
    quint16 port() const { return port_; }

private:
    int socket_ = -1;
    quint16 port_ = 0;
};

} // namespace

class WaitingWindowTest : public QObject
{
    Q_OBJECT

    QStringList messages_;

private slots:
    void init() { messages_.clear(); }

    // The login waits on a listener that accepts and never answers: the clock goes on,
    // and Exit ends the process at once instead of after the login timeout.
    void exitWhileConnectWaits()
    {
        SilentListener silent;
        QVERIFY(silent.port() != 0);
        testsupport::TempHome home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kSilentPortVariable), QString::number(silent.port()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForFinished(12000)); // the login timeout is 15 s
        const qint64 ended = QDateTime::currentMSecsSinceEpoch();
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QStringList lines = QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n');
        QCOMPARE(lines.size(), 4);
        const QStringList clock = lines[0].mid(6).split(" -> ");
        QCOMPARE(clock.size(), 2);
        QVERIFY2(clock[0] != clock[1], qPrintable(lines[0]));
        QCOMPARE(lines[1], QStringLiteral("waiting 1"));
        const qint64 exitClicked = lines[2].mid(8).toLongLong();
        QVERIFY2(ended - exitClicked < 1000, qPrintable(QString::number(ended - exitClicked)));
    }

    // The server stops answering in the middle of a run: each waiting call gives up at the
    // limit, the run goes on and ends with the problem lines.
    void serverStopsAnsweringDuringARun()
    {
        testsupport::PausablePg server;
        if (!server.isRunning())
            QSKIP("no PostgreSQL server can be started here");
        const QString pg = testsupport::pgFixture("shop_pg.sql");
        QVERIFY(!pg.isEmpty());
        testsupport::TempHome home;
        QTemporaryDir out;
        app::Program program;
        program.session().messages().setSink([this](const QString& text) { messages_ << text; });
        program.session().setCatalogueTimeLimit(1s);
        program.setEndStep([] {});
        program.start();
        app::MainWindow& w = *program.window();
        testsupport::ConnectionPageControls(&w).ocnx->setEditText(pg);
        testsupport::ConnectionPageControls(&w).Command13->click();
        const testsupport::VbPageControls vb(&w);
        QVERIFY(vb.tdn->count() > 0);
        vb.tadd[0]->click();
        vb.pn->setText(out.path() + '/');

        QTimer::singleShot(0, [&] { server.pause(); });
        vb.Command11->click();
        server.resume();

        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].contains("did not answer within 1 s"), qPrintable(messages_[0]));
        QVERIFY(!program.session().runGuard().busy());
    }

    // During a run, "Generate Solution!", its caption link and the folder buttons open
    // nothing: what they open changes what the run reads. Once the run is over they work.
    void panelsRefusedDuringARun_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Generate Solution!") << "Command19"
                                            << "solution";
        QTest::newRow("its caption link") << "Etiquette6_22"
                                          << "solution";
        QTest::newRow("output folder of the VB page") << "chpth_1"
                                                      << "folderPicker";
        QTest::newRow("output folder of the ASPX page") << "chpth_0"
                                                        << "folderPicker";
    }
    void panelsRefusedDuringARun()
    {
        QFETCH(QString, control);
        QFETCH(QString, panel);
        testsupport::TempHome home;
        app::Program program;
        program.session().messages().setSink([this](const QString& text) { messages_ << text; });
        program.setEndStep([] {});
        program.start();
        app::MainWindow& w = *program.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget* opened = panel == "solution"
                              ? static_cast<QWidget*>(testsupport::page<generation_ui::SolutionPanel>(&w))
                              : testsupport::page<generation_ui::FolderPicker>(&w);
        QWidget* clicked = testsupport::child<QWidget>(&w, control);
        QVERIFY(clicked);
        // The page of the control is shown, so that a caption link takes the click.
        w.Command_Click(control == "chpth_0" ? 3 : 1);
        {
            kit::ActionGuard run(program.session().runGuard());
            testsupport::click(clicked);
            QVERIFY(opened->isHidden());
        }
        testsupport::click(clicked);
        QVERIFY(!opened->isHidden());
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kSilentPortVariable))
        return exitWhileConnectWaits(argc, argv);
    QApplication application(argc, argv);
    WaitingWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_waiting_window.moc"
