#pragma once
// A PostgreSQL server of the test's own (scripts/pg-test-server.sh), which the test can
// freeze with SIGSTOP and thaw with SIGCONT: a server that stops answering in the middle
// of a call. While it lives, QUILLMERE_PG_HOST/_PORT/_USER name it, so pgFixture builds
// databases on it. When the run requires PostgreSQL (pgRequired()), a server that cannot
// be started fails the running test.

#include <QByteArray>
#include <QString>

namespace testsupport
{

class PausablePg
{
public:
    PausablePg();
    ~PausablePg(); // thaws and stops the server, restores the environment
    PausablePg(const PausablePg&) = delete;
    PausablePg& operator=(const PausablePg&) = delete;

    bool isRunning() const { return !port_.isEmpty(); }
    // Stops every process of the server (the postmaster and its children); resume()
    // lets them go on.
    void pause();
    void resume();

private:
    void signalAll(int signal);
    void stopWhenThisProcessEnds();

    QString dir_;
    QString port_;
    QByteArray savedHost_, savedPort_, savedUser_;
};

} // namespace testsupport
