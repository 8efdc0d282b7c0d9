#pragma once
// Fixture databases built from the SQL scripts in tests/fixtures/, for tests that go
// through the real ODBC drivers.
//
//   QString cs = testsupport::sqliteFixture("shop_sqlite.sql", tempDir.path());
//   if (cs.isEmpty()) QFAIL("fixture not built");
//
//   if (!testsupport::pgAvailable()) QSKIP("no PostgreSQL test server");
//   QString pg = testsupport::pgFixture("shop_pg.sql");
//
//   if (!testsupport::mariadbAvailable()) QSKIP("no MariaDB test server");
//   QString mariadb = testsupport::mariadbFixture("shop_mariadb.sql");
//
// A script is a file name in tests/fixtures/ or an absolute path. Every function
// returns an empty text when the database cannot be built, after printing why.

#include <QList>
#include <QPair>
#include <QString>

namespace testsupport
{

// Full path of a script given by file name (absolute paths are returned unchanged).
QString fixturePath(const QString& script);

// Builds the SQLite file <dir>/<script name>.db (replacing an old one) with the sqlite3
// command-line shell and returns "DRIVER=SQLite3;Database=<file>;".
QString sqliteFixture(const QString& script, const QString& dir);
// The database file of an ODBC string made by sqliteFixture.
QString sqliteFile(const QString& connectionString);

// True when scripts/run-tests.sh started a PostgreSQL server for this run and said so
// with QUILLMERE_PG_REQUIRED=1: a test that cannot reach a server then fails instead of
// skipping.
bool pgRequired();
// True when QUILLMERE_PG_HOST, _PORT and _USER (exported by scripts/run-tests.sh or set by
// the caller) name a server that answers. When they do not and pgRequired() holds, it
// records a failure of the running test, so the caller's skip counts as failed.
bool pgAvailable();
// Creates a fresh database on the test server, runs the script into it and returns
// "DRIVER={PostgreSQL Unicode};Server=<host>;Port=<port>;Database=<db>;Uid=<user>;Pwd=;BoolsAsChar=0;".
QString pgFixture(const QString& script);

// The same for MariaDB: scripts/run-tests.sh starts a server and says so with
// QUILLMERE_MARIADB_REQUIRED=1; QUILLMERE_MARIADB_HOST, _PORT and _USER name it.
bool mariadbRequired();
bool mariadbAvailable();
// Creates a fresh database on the MariaDB test server, runs the script into it and returns
// "DRIVER={MariaDB Unicode};Server=<host>;Port=<port>;Database=<db>;Uid=<user>;Pwd=;".
QString mariadbFixture(const QString& script);

// Writes <dir>/odbc.ini with one data source section per entry (name, then the lines
// "Key=Value" of its body) and points ODBCINI at it; the drivers stay those of the
// system. Returns the file's path.
QString writeOdbcIni(const QString& dir, const QList<QPair<QString, QStringList>>& dataSources);

// Writes <dir>/providers.ini with the given "family=template" lines and points
// QUILLMERE_PROVIDERS at it. Returns the file's path.
QString writeProvidersFile(const QString& dir, const QStringList& lines);

} // namespace testsupport
