#include "platform/yielding_call.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

using namespace platform;
using namespace std::chrono_literals;

class YieldingCallTest : public QObject
{
    Q_OBJECT
private slots:
    void runsOffTheCallingThreadAndReturnsAfterTheCall()
    {
        std::thread::id ranOn;
        int value = 0;
        QVERIFY(runWhileYielding([&] {
            ranOn = std::this_thread::get_id();
            value = 42;
        }));
        QCOMPARE(value, 42);
        QVERIFY(ranOn != std::this_thread::get_id());
    }

    // The point of it all: a timer keeps firing while the call blocks.
    void eventsAreHandledDuringTheWait()
    {
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(20);
        QVERIFY(runWhileYielding([] { std::this_thread::sleep_for(300ms); }));
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    }

    // A call made from an event handled during a wait queues behind the one in progress:
    // the two never overlap, and both finish.
    void callFromAnEventDuringAWaitRunsAfterTheOuterCall()
    {
        std::atomic<int> running{0};
        std::atomic<bool> overlapped{false};
        const auto slowCall = [&] {
            if (++running > 1)
                overlapped = true;
            std::this_thread::sleep_for(100ms);
            --running;
        };
        bool innerDone = false;
        QTimer::singleShot(20, [&] { innerDone = runWhileYielding(slowCall); });
        QVERIFY(runWhileYielding(slowCall));
        QTRY_VERIFY(innerDone);
        QVERIFY(!overlapped);
    }

    // A call that outlasts its limit is left behind; the wait returns at the limit, and
    // the next call runs at once on a fresh worker instead of queuing behind it.
    void limitPassedLeavesTheCallBehind()
    {
        auto release = std::make_shared<std::atomic<bool>>(false);
        auto finished = std::make_shared<std::atomic<bool>>(false);
        QElapsedTimer clock;
        clock.start();
        const bool returned = runWhileYielding(
            [release, finished] {
                while (!*release)
                    std::this_thread::sleep_for(5ms);
                *finished = true;
            },
            100ms);
        QVERIFY(!returned);
        QVERIFY2(clock.elapsed() >= 100 && clock.elapsed() < 1000,
                 qPrintable(QString::number(clock.elapsed())));

        clock.restart();
        bool next = false;
        QVERIFY(runWhileYielding([&] { next = true; }, 1000ms));
        QVERIFY(next);
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));

        // The call left behind still ends normally once it can.
        *release = true;
        QTRY_VERIFY(*finished);
    }

    void limitNotReachedReportsTheCallDone()
    {
        auto done = std::make_shared<bool>(false);
        QVERIFY(runWhileYielding(
            [done] {
                std::this_thread::sleep_for(30ms);
                *done = true;
            },
            2000ms));
        QVERIFY(*done);
    }
};

QTEST_GUILESS_MAIN(YieldingCallTest)
#include "test_yielding_call.moc"
