#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Iterations per second of zephra-batch for every scenario of the catalogue, one after another, as a table of
# three columns, then the fastest, the slowest and their ratio, and callgrind's instructions per tick of the
# slowest three (a count a busy machine does not change). The load average is printed before and after: the
# wall figures mean little on a busy machine.
# usage: catalogue-speed.sh ZEPHRA_BATCH [ITERATIONS]
set -euo pipefail
if [[ $# -lt 1 || $# -gt 2 || ! -x $1 || ! ${2:-1} =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: catalogue-speed.sh ZEPHRA_BATCH [ITERATIONS]" >&2
    exit 2
fi
batch=$1 iterations=${2:-2000000}
work=$(mktemp -d "${TMPDIR:-/tmp}/zephra-speed-XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "zephra-batch, $iterations iterations per scenario; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
rates=()
for s in $(seq 1 33); do
    rm -f "$work/data-drift.txt"
    rate=$("$batch" --scenario "$s" --iterations "$iterations" --out "$work" |
        sed -n 's/.*"iterations_per_second": \([0-9.e+]*\).*/\1/p')
    rates+=("$rate")
done
for row in $(seq 0 10); do
    for column in 0 11 22; do
        k=$((row + column))
        printf '| %2d | %5.2f M ' $((k + 1)) "$(awk -v r="${rates[$k]}" 'BEGIN { print r / 1e6 }')"
    done
    echo '|'
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%s\n' "${rates[@]}" | awk '{ s[NR] = $1 } END {
    lo = 1; hi = 1
    for (k = 1; k <= NR; k++) { if (s[k] < s[lo]) lo = k; if (s[k] > s[hi]) hi = k }
    printf "fastest: scenario %d at %.2f M/s; slowest: scenario %d at %.2f M/s; ratio %.2f\n",
        hi, s[hi] / 1e6, lo, s[lo] / 1e6, s[hi] / s[lo] }'
for s in $(printf '%s\n' "${rates[@]}" | awk '{ print NR, $1 }' | sort -k2 -g | head -3 | cut -d' ' -f1); do
    "$(dirname "$0")/tick-instructions.sh" "$batch" "$s" 20000
done
