#pragma once
// A MariaDB server of the test's own (scripts/mariadb-test-server.sh) that the test may kill
// outright, as a crash of the server would end it, without harming the servers other tests
// use. While it lives, QUILLMERE_MARIADB_HOST/_PORT/_USER name it, so mariadbFixture builds
// databases on it. When the run requires MariaDB (mariadbRequired()), a server that cannot
// be started fails the running test.

#include <QByteArray>
#include <QString>

namespace testsupport
{

class PrivateMariadb
{
public:
    PrivateMariadb();
    ~PrivateMariadb(); // stops what is left of the server, restores the environment
    PrivateMariadb(const PrivateMariadb&) = delete;
    PrivateMariadb& operator=(const PrivateMariadb&) = delete;

    bool isRunning() const { return !port_.isEmpty(); }
    // Ends the server process with SIGKILL: its connections drop without a word.
    void kill();

private:
    QString dir_;
    QString port_;
    QByteArray savedHost_, savedPort_, savedUser_;
};

} // namespace testsupport

// Starts a private server named `server` for the running test, which skips without one
// unless the run started MariaDB (then it fails).
#define QUILLMERE_PRIVATE_MARIADB(server)                                                                    \
    testsupport::PrivateMariadb server;                                                                      \
    if (!server.isRunning()) {                                                                               \
        if (testsupport::mariadbRequired())                                                                  \
            QFAIL("no MariaDB server could be started, although this run started one");                      \
        QSKIP("no MariaDB server can be started here");                                                      \
    }
