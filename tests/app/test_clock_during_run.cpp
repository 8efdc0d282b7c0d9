// The clock and the arrows during a run started by a click that reaches the window while
// the clock's tick is running: the tick's yield leaves the click waiting, so the run starts
// after the tick has returned and the following ticks go on during it. A run started inside
// the tick would keep the tick from firing again until the run ended.
#include "app/main_window.h"
#include "connection/connection_page.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"
#include "support/synthetic_schema.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <dlfcn.h>

namespace
{

// Enough for a run of a few seconds (the clock shows seconds) with every module and the joins,
// at under a millisecond a table on the machine it was sized on.
constexpr int kTables = 3000;

// QtGui's window-system interface queues the user's input as a window system hands it over;
// it has no public header, so the test reaches the exported entry point by name.
// QTest delivers its clicks at once instead, which would bypass the queue under test.
using QueueMouseEvent = bool (*)(QWindow*, const QPointF&, const QPointF&, Qt::MouseButtons, Qt::MouseButton,
                                 QEvent::Type, Qt::KeyboardModifiers, Qt::MouseEventSource);
constexpr char kQueueMouseEvent[] =
    "_ZN22QWindowSystemInterface16handleMouseEventINS_20AsynchronousDeliveryEEEbP7QWindowRK7QPointFS6_"
    "6QFlagsIN2Qt11MouseButtonEES9_N6QEvent4TypeES7_INS8_16KeyboardModifierEENS8_16MouseEventSourceE";

QueueMouseEvent queueMouseEvent()
{
    return reinterpret_cast<QueueMouseEvent>(dlsym(RTLD_DEFAULT, kQueueMouseEvent));
}

// Queues a press and a release of the left button in the middle of `target`.
void queueClick(QWidget* target)
{
    QWidget* window = target->window();
    const QPointF local = target->mapTo(window, target->rect().center());
    const QPointF global = window->mapToGlobal(local);
    const QueueMouseEvent queue = queueMouseEvent();
    queue(window->windowHandle(), local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
          Qt::NoModifier, Qt::MouseEventNotSynthesized);
    queue(window->windowHandle(), local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
          Qt::NoModifier, Qt::MouseEventNotSynthesized);
}

// Queues one click on `target` as the next tick of `timer` begins, before the tick's handler
// runs: the user clicks while the tick is busy.
class ClickAtNextTick : public QObject
{
public:
    ClickAtNextTick(QObject* timer, QWidget* target) : target_(target) { timer->installEventFilter(this); }
    bool queued() const { return queued_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && !queued_) {
            queueClick(target_);
            queued_ = true;
        }
        return false;
    }

private:
    QWidget* target_;
    bool queued_ = false;
};

} // namespace

class ClockDuringRunTest : public QObject
{
    Q_OBJECT

private slots:
    void clockMovesDuringRunClickedInsideTick()
    {
        QVERIFY2(queueMouseEvent(), "QtGui exports no window-system mouse queue under the expected name");
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("many_tables.sql"));
        QVERIFY(testsupport::writeSyntheticSchema(script, kTables, testsupport::SchemaDialect::Sqlite));
        const QString cnx = testsupport::sqliteFixture(script, dir.path());
        QVERIFY(!cnx.isEmpty());

        WindowFixture fixture;
        fixture.start();
        app::MainWindow& w = fixture.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        testsupport::ConnectionPageControls(&w).ocnx->setEditText(cnx);
        testsupport::ConnectionPageControls(&w).Command13->click();
        const testsupport::VbPageControls vb(&w);
        QCOMPARE(vb.tdn->count(), kTables);
        vb.tadd[0]->click();
        vb.pn->setText(dir.filePath(QStringLiteral("out/")));
        for (QCheckBox* module : {vb.gn[0], vb.gn[1], vb.gn[2], vb.gcfk})
            module->setChecked(true);
        w.Command_Click(1);
        QVERIFY(vb.Command11->isVisible());
        fixture.messages.clear();

        // What the window shows while the run is on, read whenever the run yields.
        QSet<QString> clocks;
        QSet<QString> arrows;
        QElapsedTimer running;
        QTimer sampler;
        sampler.setInterval(20);
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            if (!fixture.program().session().runGuard().busy())
                return;
            if (!running.isValid())
                running.start();
            clocks.insert(w.statusPanel(2));
            arrows.insert(vb.tadd[0]->text() + vb.tadd[1]->text());
        });
        sampler.start();

        ClickAtNextTick click(testsupport::MainWindowControls(&w).Timer2, vb.Command11);
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.messages.isEmpty(), 120000);
        QVERIFY(click.queued());
        QVERIFY2(fixture.messages.first().startsWith(QLatin1String("End of Generation")),
                 qPrintable(fixture.messages.first()));
        const QString seen = QStringLiteral("run of %1 ms; clock %2; arrows %3")
                                 .arg(running.isValid() ? running.elapsed() : -1)
                                 .arg(QStringList(clocks.values()).join(QLatin1Char('|')))
                                 .arg(QStringList(arrows.values()).join(QLatin1Char('|')));
        QVERIFY2(arrows.size() >= 2, qPrintable(seen));
        QVERIFY2(clocks.size() >= 2, qPrintable(seen));
    }
};

int main(int argc, char** argv)
{
    // The plain event dispatcher hands queued window-system input to the widgets on every
    // pass of the event loop; the GLib one leaves input queued from the program's own thread.
    qputenv("QT_NO_GLIB", "1");
    QApplication application(argc, argv);
    ClockDuringRunTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_clock_during_run.moc"
