# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the sweep tests: the programs under test, a work folder removed at the end, and helpers.
# ZEPHRA_BATCH and ZEPHRA_SWEEP name the zephra-batch and zephra-sweep to test.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
sweep_file=$here/sweep12.json
: "${ZEPHRA_BATCH:?ZEPHRA_BATCH names the zephra-batch to test}"
: "${ZEPHRA_SWEEP:=$here/../../tools/zephra-sweep}"
export ZEPHRA_BATCH
work=$(mktemp -d "${TMPDIR:-/tmp}/zephra-sweep-test.XXXXXX")
on_exit=()
cleanup() {
    local status=$?
    for ((k = ${#on_exit[@]} - 1; k >= 0; k--)); do eval "${on_exit[k]}" || true; done
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Skips the test (status 77) when a program it drives is not installed.
need() {
    for program in "$@"; do
        command -v "$program" >/dev/null || { echo "SKIP: $program is not installed (tools/install-deps.sh)"; exit 77; }
    done
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# The collected table of a sweep folder; collect exits 1 because the sweep's negative speeds are refused.
collect() {
    local status=0
    "$ZEPHRA_SWEEP" collect "$1" --output "$1.csv" 2>"$1.collect" || status=$?
    [ "$status" -eq 1 ] || fail "collect of $1 exited $status: $(cat "$1.collect")"
}

# The table: 12 runs sorted by their settings, the 4 with a negative speed of gravity failed with
# zephra-batch's reason.
check_table() {
    [ "$(wc -l <"$1.csv")" -eq 13 ] || fail "$1.csv does not hold 12 runs: $(cat "$1.csv")"
    [ "$(sed -n 2p "$1.csv" | cut -d, -f1-4)" = "0005,1,-1,1.95" ] || fail "$1.csv is not sorted by speed"
    [ "$(grep -c ',ok,' "$1.csv")" -eq 8 ] || fail "$1.csv: not 8 runs ok: $(cat "$1.csv")"
    [ "$(grep -c '^[0-9]*,[0-9]*,-1,[0-9.]*,failed,' "$1.csv")" -eq 4 ] || fail "$1.csv: the refused runs"
    grep -q 'failed: zephra-batch: --gravity-speed -1 did not hold: the window holds 1' "$1.collect" ||
        fail "collect does not list why runs failed: $(cat "$1.collect")"
}

direct_loop() {
    "$ZEPHRA_SWEEP" commands "$sweep_file" "$1" >/dev/null
    bash "$1/commands.txt" || true
}
