#!/bin/sh
# The launcher's first-run step, against a stand-in for the program: the demo database is
# built once and its connection string added to the history file once; later runs leave
# both alone, and entries already in the history are kept.
# Usage: test_run_quillmere.sh <source tree>
set -eu
root=$1
needs="sqlite3"
. "$(dirname "$0")/script_test.sh"

# The stand-in records each start in the program's folder.
mkdir "$work/build"
cat >"$work/build/quillmere" <<'STUB'
#!/bin/sh
echo started >>"$QUILLMERE_HOME/starts"
STUB
chmod +x "$work/build/quillmere"

launch() { QUILLMERE_HOME=$1 "$root/scripts/run-quillmere.sh" "$work/build" >"$work/out" 2>&1; }
starts() { wc -l <"$1/starts" | tr -d ' '; }

# First run in an empty folder, then a second one.
home=$work/home
launch "$home" || fail "first run failed: $(cat "$work/out")"
[ "$(starts "$home")" = 1 ] || fail "the program was not started once"
tables=$(sqlite3 "$home/demo.db" "select count(*) from sqlite_master where type = 'table'")
[ "$tables" -gt 0 ] || fail "the demo database holds no table"
printf '2DRIVER=SQLite3;Database=%s;\r\n' "$home/demo.db" >"$work/expected"
cmp -s "$home/Quillmere.ini" "$work/expected" || fail "history after the first run: $(od -c "$home/Quillmere.ini")"
[ "$(stat -c %a "$home/Quillmere.ini")" = 600 ] || fail "the history file is readable by others"
demo_sum=$(cksum <"$home/demo.db")

launch "$home" || fail "second run failed: $(cat "$work/out")"
[ "$(starts "$home")" = 2 ] || fail "the program was not started by the second run"
! grep -q "building" "$work/out" || fail "the second run built the demo database again"
[ "$(cksum <"$home/demo.db")" = "$demo_sum" ] || fail "the second run changed the demo database"
cmp -s "$home/Quillmere.ini" "$work/expected" || fail "the second run changed the history"

# A demo database removed later is built again, without a second history entry.
rm "$home/demo.db"
launch "$home" || fail "run after removing the database failed: $(cat "$work/out")"
[ -f "$home/demo.db" ] || fail "the demo database was not built again"
cmp -s "$home/Quillmere.ini" "$work/expected" || fail "the history entry was added twice"

# A history written by the program keeps its entries; the demo entry comes last.
home=$work/with-history
mkdir "$home"
printf '0ORCL\r\n2DSN=shop;\r\n' >"$home/Quillmere.ini"
launch "$home" || fail "run with a history failed: $(cat "$work/out")"
printf '0ORCL\r\n2DSN=shop;\r\n2DRIVER=SQLite3;Database=%s;\r\n' "$home/demo.db" >"$work/expected"
cmp -s "$home/Quillmere.ini" "$work/expected" || fail "history with earlier entries: $(od -c "$home/Quillmere.ini")"

echo "PASS"
