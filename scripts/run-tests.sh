#!/bin/sh
# Runs every test of an already built tree: starts a PostgreSQL server on loopback
# for the tests that need one, runs CTest, and stops the server whatever happens.
set -eu
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
pgdir=$(mktemp -d /tmp/quillmere-pg.XXXXXX)
chmod 755 "$pgdir"

cleanup() { "$root/scripts/pg-test-server.sh" stop "$pgdir" || true; }
trap cleanup EXIT INT TERM

QUILLMERE_PG_PORT=$("$root/scripts/pg-test-server.sh" start "$pgdir")
QUILLMERE_PG_HOST=127.0.0.1
QUILLMERE_PG_USER=quillmere
# With a server started, a test that cannot reach it fails instead of skipping.
QUILLMERE_PG_REQUIRED=1
export QUILLMERE_PG_PORT QUILLMERE_PG_HOST QUILLMERE_PG_USER QUILLMERE_PG_REQUIRED
echo "run-tests: PostgreSQL on 127.0.0.1:$QUILLMERE_PG_PORT"

export QT_QPA_PLATFORM=offscreen
cd "$root/$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
