#!/bin/sh
# Starts or stops a throw-away PostgreSQL server on loopback for the tests.
#   pg-test-server.sh start DIR   -> prints "PORT" on success
#   pg-test-server.sh stop DIR
# PostgreSQL refuses to run as root, so as root the server runs as the
# 'postgres' system user that the Debian package creates.
set -eu
cmd=$1
dir=$2
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bindir" ] || { echo "pg-test-server: PostgreSQL binaries not found" >&2; exit 1; }

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

case "$cmd" in
start)
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ "$(id -u)" -eq 0 ]; then chown postgres:postgres "$dir"; fi
    as_owner "$bindir/initdb" -D "$dir/data" -U quillmere --auth=trust -E UTF8 --locale=C >"$dir/initdb.log" 2>&1 ||
        { cat "$dir/initdb.log" >&2; exit 1; }
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])' 2>/dev/null ||
        echo $((20000 + $$ % 20000)))
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
        -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off" start >/dev/null ||
        { cat "$dir/server.log" >&2; exit 1; }
    echo "$port"
    ;;
stop)
    if [ -d "$dir/data" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
