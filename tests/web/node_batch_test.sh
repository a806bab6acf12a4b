#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zephra-batch built with emscripten, under node, against the desktop build: the same summary and drift file
# for a run straight through, and for a run saved halfway by one build and continued by the other (run files
# written by either zlib open in both). Prints both builds' iterations per second side by side.
# usage: node_batch_test.sh NATIVE_BATCH NODE_BATCH_JS [ITERATIONS]
set -euo pipefail
native=$1 web=$2 iterations=${3:-200000}
half=$((iterations / 2))
work=$(mktemp -d "${TMPDIR:-/tmp}/zephra-node-batch-XXXXXX")
trap 'rm -rf "$work"' EXIT
node_batch() { node --no-experimental-fetch "$web" "$@"; }
# The summary without what differs by nature: the speed and the drift file's folder.
comparable() { grep -v -e '"iterations_per_second"' -e '"drift_file"' "$1"; }
rate() { sed -n 's/.*"iterations_per_second": \([0-9.e+]*\).*/\1/p' "$1" | awk '{ printf "%.2f M", $1 / 1e6 }'; }

failures=0
same_run() {
    local what=$1 run=$2
    if ! diff <(comparable "$work/$run/summary.json") <(comparable "$work/native/summary.json") ||
        ! cmp "$work/$run/data-drift.txt" "$work/native/data-drift.txt"; then
        echo "FAIL: scenario $scenario, $what differs from the desktop build's run" >&2
        failures=$((failures + 1))
    fi
}

echo "scenario | desktop it/s | node it/s ($iterations iterations)"
for scenario in 1 7 10 31 33; do
    rm -rf "${work:?}"/*
    mkdir -p "$work"/{native,node,node-then-native,native-then-node}
    "$native" --scenario "$scenario" --iterations "$iterations" --out "$work/native" > "$work/native/summary.json"
    node_batch --scenario "$scenario" --iterations "$iterations" --out "$work/node" > "$work/node/summary.json"
    node_batch --scenario "$scenario" --iterations "$half" --out "$work/node-then-native" \
        --save "$work/node-then-native/half.zephra" > /dev/null
    "$native" --load "$work/node-then-native/half.zephra" --iterations "$((iterations - half))" \
        --out "$work/node-then-native" > "$work/node-then-native/summary.json"
    "$native" --scenario "$scenario" --iterations "$half" --out "$work/native-then-node" \
        --save "$work/native-then-node/half.zephra" > /dev/null
    node_batch --load "$work/native-then-node/half.zephra" --iterations "$((iterations - half))" \
        --out "$work/native-then-node" > "$work/native-then-node/summary.json"
    # A scenario whose run writes no record leaves no drift file; an empty one compares the same.
    touch "$work"/{native,node,node-then-native,native-then-node}/data-drift.txt
    same_run "the run under node" node
    same_run "a run saved under node and continued on the desktop" node-then-native
    same_run "a run saved on the desktop and continued under node" native-then-node
    printf '%8d | %12s | %9s\n' "$scenario" "$(rate "$work/native/summary.json")" "$(rate "$work/node/summary.json")"
done
if ((failures > 0)); then
    exit 1
fi
echo "zephra-batch under node: every run the same as the desktop build's"
