# Sourced by the script tests: skips the test (exit 77) when a tool it needs is missing,
# gives it a temporary folder $work removed at exit, and a fail function.
# Usage: needs="<tool>..."; . script_test.sh
# (the tools go in a variable: dash passes no arguments to a sourced file, whose "$@" is
# then the caller's own).

for tool in ${needs:-}; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
