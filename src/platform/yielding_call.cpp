#include "platform/yielding_call.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace platform
{

namespace
{

using Clock = std::chrono::steady_clock;

// Most calls return well within this; waiting for them without an event-loop pass keeps
// their cost at a thread hand-over. It is also the longest the window goes unserved.
constexpr std::chrono::milliseconds kQuietWait{10};
// The caller watches for a while before it sleeps: a catalogue call on a local database
// lasts microseconds, and a sleep and a wake-up cost more than that on a busy machine.
// The worker sleeps as soon as its queue is empty: between two calls of a run the program
// works for a millisecond or more, and a thread watching all that time doubles the
// processor time of the run for a wake-up saved.
constexpr std::chrono::microseconds kCallerWatch{200};

// Polls `ready` until it holds or `period` has passed.
template <class Ready> bool watch(std::chrono::microseconds period, Ready ready)
{
    const Clock::time_point until = Clock::now() + period;
    while (!ready()) {
        if (Clock::now() >= until)
            return false;
        std::this_thread::yield();
    }
    return true;
}

struct Job {
    explicit Job(std::function<void()> f) : call(std::move(f)) {}
    std::function<void()> call;
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<bool> done{false};
    bool givenUp = false; // guarded by mutex: the caller stopped waiting at its limit
};

// Calls given up at their limit that have not returned yet.
std::atomic<int> callsGivenUp{0};

// One thread and its queue. The thread owns its state too, so a retired worker stuck in
// a call that never returns outlives whoever dropped it; it ends once its queue is empty.
class Worker
{
public:
    static std::shared_ptr<Worker> start()
    {
        auto worker = std::make_shared<Worker>();
        std::thread([worker] { worker->loop(); }).detach();
        return worker;
    }

    void post(std::shared_ptr<Job> job)
    {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(job));
        }
        wake_.notify_one();
    }

    void retire()
    {
        {
            std::lock_guard lock(mutex_);
            retired_ = true;
        }
        wake_.notify_one();
    }

private:
    void loop()
    {
        for (;;) {
            std::shared_ptr<Job> job;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return retired_ || !queue_.empty(); });
                if (queue_.empty())
                    return;
                job = std::move(queue_.front());
                queue_.pop_front();
            }
            job->call();
            // What the call captured is released here, on this thread, even when nobody
            // waits for it any more.
            job->call = nullptr;
            {
                std::lock_guard lock(job->mutex);
                job->done = true;
                if (job->givenUp)
                    --callsGivenUp;
            }
            job->finished.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::shared_ptr<Job>> queue_;
    bool retired_ = false;
};

std::mutex workerMutex;
std::shared_ptr<Worker> currentWorker;

std::shared_ptr<Worker> worker()
{
    std::lock_guard lock(workerMutex);
    if (!currentWorker)
        currentWorker = Worker::start();
    return currentWorker;
}

void retire(const std::shared_ptr<Worker>& stuck)
{
    {
        std::lock_guard lock(workerMutex);
        if (currentWorker == stuck)
            currentWorker.reset();
    }
    stuck->retire();
}

bool onMainThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

std::function<void(bool)>& longWaitNotice()
{
    static std::function<void(bool)> notice;
    return notice;
}

// The calls of the main thread that have been told as long waits and still wait.
int longWaits = 0;

// Tells the notice of one long wait on the main thread, and of its end when it goes.
class LongWait
{
public:
    ~LongWait()
    {
        if (told_ && --longWaits == 0 && longWaitNotice())
            longWaitNotice()(false);
    }
    void check(Clock::time_point started)
    {
        if (told_ || Clock::now() - started < kLongWait)
            return;
        told_ = true;
        if (longWaits++ == 0 && longWaitNotice())
            longWaitNotice()(true);
    }

private:
    bool told_ = false;
};

} // namespace

void setLongWaitNotice(std::function<void(bool waiting)> notice)
{
    longWaitNotice() = std::move(notice);
}

bool runWhileYielding(std::function<void()> call, std::chrono::milliseconds limit)
{
    const auto job = std::make_shared<Job>(std::move(call));
    const std::shared_ptr<Worker> runner = worker();
    const Clock::time_point deadline = limit > kNoTimeLimit ? Clock::now() + limit : Clock::time_point::max();
    const bool yielding = onMainThread();
    runner->post(job);
    if (watch(kCallerWatch, [&] { return job->done.load(); }))
        return true;
    const Clock::time_point started = Clock::now();
    LongWait longWait;
    for (;;) {
        {
            std::unique_lock lock(job->mutex);
            const Clock::time_point until = std::min(deadline, Clock::now() + kQuietWait);
            if (job->finished.wait_until(lock, until, [&] { return job->done.load(); }))
                return true;
        }
        if (Clock::now() >= deadline) {
            {
                std::lock_guard lock(job->mutex);
                if (!job->done) {
                    job->givenUp = true;
                    ++callsGivenUp;
                }
            }
            retire(runner);
            return false;
        }
        if (yielding) {
            longWait.check(started);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }
}

bool callsLeftBehind()
{
    return callsGivenUp.load() > 0;
}

} // namespace platform
