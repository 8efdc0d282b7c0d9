#!/bin/sh
# Starts or stops a throw-away MariaDB server on loopback for the tests.
#   mariadb-test-server.sh start DIR   -> prints "PORT" on success
#   mariadb-test-server.sh stop DIR
# Everything the server keeps (data, socket, pid file, log) is under DIR; no system
# service or configuration file is used. The server trusts the user 'quillmere' from
# loopback without a password. As root the server runs as the 'mysql' system user that
# the Debian package creates.
set -eu
cmd=$1
dir=$2

server=$(command -v mariadbd || command -v mysqld || ls /usr/sbin/mariadbd 2>/dev/null || true)
[ -n "$server" ] || { echo "mariadb-test-server: the MariaDB server is not installed" >&2; exit 1; }

owner_option=""
if [ "$(id -u)" -eq 0 ]; then owner_option="--user=mysql"; fi

client() {
    mariadb --no-defaults --protocol=socket --socket="$dir/server.sock" -u root "$@"
}

case "$cmd" in
start)
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ "$(id -u)" -eq 0 ]; then chown mysql:mysql "$dir"; fi
    # shellcheck disable=SC2086
    mariadb-install-db --no-defaults $owner_option --datadir="$dir/data" --auth-root-authentication-method=normal \
        --skip-test-db >"$dir/install.log" 2>&1 || { cat "$dir/install.log" >&2; exit 1; }
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])' 2>/dev/null ||
        echo $((20000 + $$ % 20000)))
    # shellcheck disable=SC2086
    nohup "$server" --no-defaults $owner_option --datadir="$dir/data" --socket="$dir/server.sock" \
        --pid-file="$dir/server.pid" --log-error="$dir/server.log" --bind-address=127.0.0.1 --port="$port" \
        --skip-name-resolve --skip-log-bin --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
        --innodb-buffer-pool-size=64M --innodb-log-file-size=16M --innodb-flush-log-at-trx-commit=0 \
        --innodb-doublewrite=0 --sync-binlog=0 --max-connections=500 >/dev/null 2>&1 &
    tries=0
    until client -e 'SELECT 1' >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -gt 120 ] || ! kill -0 $! 2>/dev/null; then
            cat "$dir/server.log" >&2 2>/dev/null || true
            echo "mariadb-test-server: the server did not start" >&2
            exit 1
        fi
        sleep 0.5
    done
    client -e "CREATE USER 'quillmere'@'127.0.0.1'; CREATE USER 'quillmere'@'localhost';
        GRANT ALL PRIVILEGES ON *.* TO 'quillmere'@'127.0.0.1' WITH GRANT OPTION;
        GRANT ALL PRIVILEGES ON *.* TO 'quillmere'@'localhost' WITH GRANT OPTION;" >&2 ||
        { echo "mariadb-test-server: the test user could not be created" >&2; exit 1; }
    echo "$port"
    ;;
stop)
    if [ -f "$dir/server.pid" ]; then
        pid=$(cat "$dir/server.pid")
        client -e 'SHUTDOWN' >/dev/null 2>&1 || kill "$pid" 2>/dev/null || true
        tries=0
        while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 120 ]; do
            tries=$((tries + 1))
            sleep 0.25
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
