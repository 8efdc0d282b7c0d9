#!/usr/bin/env bash
# Generation runs against a peer generator, kysely-codegen, on the same PostgreSQL database of
# N synthetic tables (an id key, 8 typed columns, a foreign key to the table before), in one
# alternated series: each round runs the peer once and each of our runs once, so the
# machine's drift falls on both. Our figure is the in-window run (click to "End of
# Generation"), the peer's its whole process. Prints medians, the ratios of each round's pair
# (median), our processor time against wall time, and how the runs grow from the first N to
# the last.
#
#   bench/against_peer.sh BUILD_DIR [--tables "1000 5000"] [--rounds 5] [--runs "vbnet classes solution"]
#
# PostgreSQL comes from QUILLMERE_PG_HOST, QUILLMERE_PG_PORT and QUILLMERE_PG_USER
# (scripts/pg-test-server.sh starts one). The peer (kysely-codegen 0.20.0, kysely 0.28.20,
# pg 8.23.1, typescript 5.9.3) is installed with npm into QUILLMERE_PEER_DIR, by default a
# folder of the benchmark's own under ~/.cache, never into the repository; when it cannot be
# installed the peer is skipped with a message and our runs are timed alone. The SQLite runs
# use a database of the same schema of their own.
set -euo pipefail

usage() {
    echo "usage: $0 BUILD_DIR [--tables \"1000 5000\"] [--rounds N] [--runs \"vbnet classes solution\"]" >&2
    exit 2
}

[ $# -ge 1 ] || usage
build=$1
shift
tables="1000 5000"
rounds=5
runs="vbnet classes solution"
while [ $# -gt 0 ]; do
    case $1 in
    --tables) tables=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) usage ;;
    esac
done
ours=$build/bench/bench_window_run
[ -x "$ours" ] || { echo "$ours not built (cmake --build $build --target bench_window_run)" >&2; exit 1; }
: "${QUILLMERE_PG_HOST:?set QUILLMERE_PG_HOST, QUILLMERE_PG_PORT and QUILLMERE_PG_USER}"
: "${QUILLMERE_PG_PORT:?}" "${QUILLMERE_PG_USER:?}"

peer_dir=${QUILLMERE_PEER_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quillmere-bench-peer}
peer=$peer_dir/node_modules/.bin/kysely-codegen
peer_packages="kysely-codegen@0.20.0 kysely@0.28.20 pg@8.23.1 typescript@5.9.3"
repo=$(cd "$(dirname "$0")/.." && pwd)
case "$(cd "$(dirname "$peer_dir")" 2>/dev/null && pwd)/" in
"$repo"/*) echo "QUILLMERE_PEER_DIR must lie outside the repository" >&2; exit 2 ;;
esac
if [ ! -x "$peer" ] || [ "$(cat "$peer_dir/.installed" 2>/dev/null)" != "$peer_packages" ]; then
    mkdir -p "$peer_dir"
    # shellcheck disable=SC2086
    if command -v npm >/dev/null &&
        npm install --prefix "$peer_dir" --no-audit --no-fund --silent $peer_packages >"$peer_dir/npm.log" 2>&1; then
        echo "$peer_packages" >"$peer_dir/.installed"
    else
        echo "kysely-codegen could not be installed with npm (see $peer_dir/npm.log): the peer is skipped"
        peer=
    fi
fi

work=$(mktemp -d)
databases=()
cleanup() {
    for db in "${databases[@]}"; do
        psql -h "$QUILLMERE_PG_HOST" -p "$QUILLMERE_PG_PORT" -U "$QUILLMERE_PG_USER" -d postgres -q \
            -c "DROP DATABASE IF EXISTS $db" >/dev/null 2>&1 || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
psql_on() { psql -h "$QUILLMERE_PG_HOST" -p "$QUILLMERE_PG_PORT" -U "$QUILLMERE_PG_USER" -q -v ON_ERROR_STOP=1 "$@"; }

now_ns() { date +%s%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One of our runs: prints "wall_ms cpu_ms".
our_run() {
    local line
    line=$("$ours" "$@" 2>>"$work/ours.err") || { echo "our run failed: $*" >&2; tail -3 "$work/ours.err" >&2; return 1; }
    echo "$line" | sed -E 's/.*: ([0-9.]+) ms, .* processor ([0-9.]+) ms.*/\1 \2/'
}

declare -A result
for n in $tables; do
    db=qm_bench_peer_${n}_$$
    "$ours" --backend pg --tables "$n" --write-schema "$work/schema_$n.sql"
    psql_on -d postgres -c "CREATE DATABASE $db"
    databases+=("$db")
    psql_on -d "$db" -f "$work/schema_$n.sql" >/dev/null
    cnx="DRIVER={PostgreSQL Unicode};Server=$QUILLMERE_PG_HOST;Port=$QUILLMERE_PG_PORT;Database=$db;Uid=$QUILLMERE_PG_USER;Pwd=;BoolsAsChar=0;"
    url="postgres://$QUILLMERE_PG_USER@$QUILLMERE_PG_HOST:$QUILLMERE_PG_PORT/$db"
    for round in $(seq "$rounds"); do
        if [ -n "$peer" ]; then
            start=$(now_ns)
            "$peer" --dialect postgres --url "$url" --out-file "$work/db.d.ts" --log-level error >/dev/null
            peer_ms=$(( ($(now_ns) - start) / 1000000 ))
            result[$n,peer]+="$peer_ms "
        fi
        for run in $runs; do
            for backend in pg sqlite; do
                if [ "$backend" = pg ]; then
                    read -r ms cpu < <(our_run --backend pg --tables "$n" --run "$run" --connection "$cnx")
                else
                    read -r ms cpu < <(our_run --backend sqlite --tables "$n" --run "$run")
                fi
                result[$n,$run,$backend]+="$ms "
                result[$n,$run,$backend,cpu]+="$(awk -v c="$cpu" -v w="$ms" 'BEGIN { print c / w }') "
                if [ -n "$peer" ]; then
                    result[$n,$run,$backend,ratio]+="$(awk -v o="$ms" -v p="$peer_ms" 'BEGIN { print o / p }') "
                fi
            done
        done
        echo "N=$n round $round of $rounds done" >&2
    done
done

printf '\n%-10s %-6s %-9s %10s %10s %14s %14s\n' run N database "ours ms" "peer ms" "ours/peer" "cpu/wall"
for n in $tables; do
    peer_median=$(echo "${result[$n,peer]:-}" | tr ' ' '\n' | grep . | median)
    for run in $runs; do
        for backend in pg sqlite; do
            printf '%-10s %-6s %-9s %10s %10s %14s %14s\n' "$run" "$n" "$backend" \
                "$(echo "${result[$n,$run,$backend]}" | tr ' ' '\n' | grep . | median)" "$peer_median" \
                "$(echo "${result[$n,$run,$backend,ratio]:-}" | tr ' ' '\n' | grep . | median)" \
                "$(echo "${result[$n,$run,$backend,cpu]}" | tr ' ' '\n' | grep . | median)"
        done
    done
done
first=${tables%% *}
last=${tables##* }
if [ "$first" != "$last" ]; then
    echo
    echo "growth from N=$first to N=$last (medians):"
    for run in $runs; do
        for backend in pg sqlite; do
            a=$(echo "${result[$first,$run,$backend]}" | tr ' ' '\n' | grep . | median)
            b=$(echo "${result[$last,$run,$backend]}" | tr ' ' '\n' | grep . | median)
            printf '  %-10s %-7s x%s\n' "$run" "$backend" "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", b / a }')"
        done
    done
fi
echo
echo "targets: vbnet pg <= 0.9, vbnet sqlite <= 0.8, solution pg <= 1.8 of the peer; cpu/wall <= 1.2"
