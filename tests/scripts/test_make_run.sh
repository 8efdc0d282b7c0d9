#!/bin/sh
# What `make run` builds, and where the program it starts keeps its files: the program alone
# is built (the tests only by `make test`), and the program's folder lies outside the build
# tree, so `make clean` leaves the connection history alone.
# Usage: test_make_run.sh <source tree>
set -eu
root=$1
needs="make sqlite3"
. "$(dirname "$0")/script_test.sh"

# The build commands each target would run (a dry run: nothing is installed or built).
builds() { make -s -n -C "$root" "$1" BUILD="$work/build" JOBS=3 | grep -E '^cmake --build' || true; }
[ "$(builds run)" = "cmake --build $work/build -j 3 --target quillmere" ] ||
    fail "make run builds: $(builds run)"
[ "$(builds test)" = "cmake --build $work/build -j 3" ] || fail "make test builds: $(builds test)"
make -s -n -C "$root" run BUILD="$work/build" | tail -n 1 | grep -q 'run-quillmere.sh' ||
    fail "make run does not start the program after building it"

# A stand-in for the program: it records the folder it was given and, as the Exit button
# does, writes the history there.
mkdir "$work/build"
cat >"$work/build/quillmere" <<'STUB'
#!/bin/sh
echo "$QUILLMERE_HOME" >"$QUILLMERE_HOME/started-in"
printf '0ORCL\r\n' >>"$QUILLMERE_HOME/Quillmere.ini"
STUB
chmod +x "$work/build/quillmere"

# Started the way `make run` starts it: no QUILLMERE_HOME, a per-user data folder.
home=$work/data/Quillmere
env -u QUILLMERE_HOME XDG_DATA_HOME="$work/data" "$root/scripts/run-quillmere.sh" "$work/build" \
    >"$work/out" 2>&1 || fail "the launch failed: $(cat "$work/out")"
[ "$(cat "$home/started-in" 2>/dev/null)" = "$home" ] || fail "the program was not started in $home"
[ ! -e "$work/build/Quillmere.ini" ] && [ ! -e "$work/build/demo.db" ] ||
    fail "the launch left files in the build folder"
cp "$home/Quillmere.ini" "$work/history"
grep -q '^0ORCL' "$work/history" || fail "the history holds no entry: $(od -c "$work/history")"

make -s -C "$root" clean BUILD="$work/build" >"$work/out" 2>&1 || fail "make clean failed: $(cat "$work/out")"
[ ! -e "$work/build" ] || fail "make clean left the build folder"
cmp -s "$home/Quillmere.ini" "$work/history" || fail "make clean changed the history"
[ -f "$home/demo.db" ] || fail "make clean removed the demo database"

echo "PASS"
