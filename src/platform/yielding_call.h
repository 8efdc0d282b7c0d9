#pragma once
// Calls that may wait on a server (a connect, a statement, a catalogue request, a fetch)
// run on a worker thread while the calling thread keeps handling its events: the clock
// ticks, the window repaints, refused clicks stay refused and Exit still ends the program.
//
//     QList<QStringList> rows;                       // owned by the caller: no limit
//     runWhileYielding([&] { rows = fetchSome(); });
//
//     auto result = std::make_shared<Rows>();        // owned by the call: it may outlive
//     if (!runWhileYielding([result] { ... }, 30s))  // the wait when the limit passes
//         report("did not answer within 30 s");
//
// Calls run one at a time on one worker thread, in the order they were made, so no two
// calls share a driver at once (the one exception: a call left behind at its limit, which
// holds only what it owns). A call made from an event handled during a wait queues behind
// the call in progress. A call that returns within a few milliseconds costs a wake-up of
// the worker and no pass of the event loop; between calls the worker sleeps.

#include <chrono>
#include <functional>

namespace platform
{

inline constexpr std::chrono::milliseconds kNoTimeLimit{0};

// Runs `call` on the worker thread and returns once it has returned: true. Meanwhile the
// calling thread, when it is the application's main thread, handles every kind of event.
//
// With a non-zero `limit`, returns false when the limit passes first. The call then goes
// on by itself and whatever it produces is dropped, so it must own everything it touches
// (capture by value or shared pointer, never by reference). The worker that is left
// running it is retired: later calls run on a fresh worker and never queue behind it.
bool runWhileYielding(std::function<void()> call, std::chrono::milliseconds limit = kNoTimeLimit);

// Whether a call given up at its limit is still running (inside a driver, most likely).
bool callsLeftBehind();

// A call that keeps the main thread waiting longer than this is told to the notice.
inline constexpr std::chrono::milliseconds kLongWait{1000};
// Called on the main thread with true once a call has waited kLongWait there, and with
// false when no such call waits any more (the window says it waits on the server).
void setLongWaitNotice(std::function<void(bool waiting)> notice);

} // namespace platform
