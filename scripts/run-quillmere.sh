#!/bin/sh
# Launches the built program. On first run the demo SQLite database is built from its
# SQL script in the program's folder and its connection string put in the history.
set -eu
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
exec "$root/$build/quillmere"
