#!/bin/sh
# Launches the built program. On first run the demo SQLite database is built from its
# SQL script in the program's folder and its connection string put in the history.
# Usage: run-quillmere.sh [build folder], relative to the source tree (default "build")
# or absolute.
set -eu
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in
/*) exe="$build/quillmere" ;;
*) exe="$root/$build/quillmere" ;;
esac

# The program's folder: QUILLMERE_HOME, else the per-user data folder. It lies outside the
# build tree, so a rebuild or `make clean` never takes the connection history, the demo
# database or the style-sheet builder's files with it.
home=${QUILLMERE_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/Quillmere}
mkdir -p "$home"
export QUILLMERE_HOME="$home"

demo="$home/demo.db"
history="$home/Quillmere.ini"
if [ ! -f "$demo" ]; then
    echo "run-quillmere: building the demo database $demo"
    tmp="$demo.tmp.$$"
    rm -f "$tmp"
    if sqlite3 -bail "$tmp" <"$root/data/demo.sql"; then
        mv "$tmp" "$demo"
        # Kind 2 is the "other" list: a full connection string.
        entry="2DRIVER=SQLite3;Database=$demo;"
        if [ ! -f "$history" ] || ! tr -d '\r' <"$history" | grep -qxF "$entry"; then
            printf '%s\r\n' "$entry" >>"$history"
            chmod 600 "$history"
        fi
    else
        rm -f "$tmp"
        echo "run-quillmere: the demo database could not be built; starting without it" >&2
    fi
fi

exec "$exe"
