// What running a database call on the worker thread costs the caller: an empty call, and
// a column discovery on SQLite (the cheapest real call a run makes) through the worker
// against the same work run on the calling thread. Prints microseconds per call.

#include "platform/yielding_call.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <sql.h>
#include <sqlext.h>

#include <cstdio>
#include <functional>

namespace
{

constexpr int kCalls = 100000;
constexpr int kDiscoveries = 20000;

double microsecondsPerCall(int calls, const std::function<void()>& call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        call();
    return double(timer.nsecsElapsed()) / 1e3 / calls;
}

// Prepares and describes a statement on an open SQLite connection: column discovery.
void discover(SQLHDBC dbc)
{
    SQLHSTMT statement = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &statement);
    SQLPrepare(statement, (SQLCHAR*)"SELECT * FROM t", SQL_NTS);
    SQLSMALLINT columns = 0;
    SQLNumResultCols(statement, &columns);
    SQLFreeHandle(SQL_HANDLE_STMT, statement);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const double empty = microsecondsPerCall(kCalls, [] { platform::runWhileYielding([] {}); });
    std::printf("empty call through the worker: %.2f us per call\n", empty);

    QTemporaryDir dir;
    const QString file = dir.filePath("bench.db");
    if (QProcess::execute("sqlite3", {file, "CREATE TABLE t (a INTEGER PRIMARY KEY, b TEXT, c REAL);"}) != 0)
        return 1;
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    const QByteArray cnx = "DRIVER=SQLite3;Database=" + file.toUtf8() + ";";
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, (SQLCHAR*)cnx.constData(), SQL_NTS, nullptr, 0, nullptr,
                                        SQL_DRIVER_NOPROMPT)))
        return 1;
    const double direct = microsecondsPerCall(kDiscoveries, [dbc] { discover(dbc); });
    const double worker =
        microsecondsPerCall(kDiscoveries, [dbc] { platform::runWhileYielding([dbc] { discover(dbc); }); });
    std::printf("column discovery on the calling thread: %.2f us per call\n", direct);
    std::printf("column discovery through the worker:    %.2f us per call (%+.2f us)\n", worker,
                worker - direct);
    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return 0;
}
