#!/bin/sh
# Runs every test of an already built tree: starts a PostgreSQL and a MariaDB server on
# loopback for the tests that need them, runs CTest, and stops the servers whatever happens.
set -eu
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
pgdir=$(mktemp -d /tmp/quillmere-pg.XXXXXX)
chmod 755 "$pgdir"
mariadbdir=$(mktemp -d /tmp/quillmere-mariadb.XXXXXX)
chmod 755 "$mariadbdir"

mariadb_start=""
cleanup() {
    # A server still starting is let finish first, so that nothing is left running.
    if [ -n "$mariadb_start" ]; then wait "$mariadb_start" 2>/dev/null || true; fi
    rm -f "$mariadbdir.port"
    "$root/scripts/mariadb-test-server.sh" stop "$mariadbdir" || true
    "$root/scripts/pg-test-server.sh" stop "$pgdir" || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The two servers start side by side.
"$root/scripts/mariadb-test-server.sh" start "$mariadbdir" >"$mariadbdir.port" &
mariadb_start=$!
QUILLMERE_PG_PORT=$("$root/scripts/pg-test-server.sh" start "$pgdir")
started=0
wait "$mariadb_start" || started=$?
mariadb_start=""
[ "$started" -eq 0 ] || exit 1
QUILLMERE_MARIADB_PORT=$(cat "$mariadbdir.port")

QUILLMERE_PG_HOST=127.0.0.1
QUILLMERE_PG_USER=quillmere
QUILLMERE_MARIADB_HOST=127.0.0.1
QUILLMERE_MARIADB_USER=quillmere
# With a server started, a test that cannot reach it fails instead of skipping.
QUILLMERE_PG_REQUIRED=1
QUILLMERE_MARIADB_REQUIRED=1
export QUILLMERE_PG_PORT QUILLMERE_PG_HOST QUILLMERE_PG_USER QUILLMERE_PG_REQUIRED
export QUILLMERE_MARIADB_PORT QUILLMERE_MARIADB_HOST QUILLMERE_MARIADB_USER QUILLMERE_MARIADB_REQUIRED
echo "run-tests: PostgreSQL on 127.0.0.1:$QUILLMERE_PG_PORT, MariaDB on 127.0.0.1:$QUILLMERE_MARIADB_PORT"

export QT_QPA_PLATFORM=offscreen
cd "$root/$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
