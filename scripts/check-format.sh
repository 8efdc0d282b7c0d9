#!/bin/sh
# Fails when a C++ source file of the tree differs from what clang-format makes of it
# (.clang-format at the root), naming the files that differ.
set -eu
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 1; }
if ! report=$(git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror 2>&1); then
    echo "check-format: not formatted (run clang-format -i on them):" >&2
    printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error:.*/  \1/p' | sort -u >&2
    exit 1
fi
echo "check-format: every source file is formatted"
