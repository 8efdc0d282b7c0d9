#!/bin/sh
# Installs the Debian packages Quillmere needs to build, run and test. Idempotent:
# packages already present are not fetched again.
set -eu

PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-webengine-dev libgl-dev \
unixodbc unixodbc-dev libsqliteodbc sqlite3 odbc-postgresql postgresql \
odbc-mdbtools mdbtools mdbtools-dev tdsodbc libxlsxwriter-dev unzip xvfb xauth openbox x11-utils clang-format \
mariadb-server odbc-mariadb"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "install-deps: installing$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
