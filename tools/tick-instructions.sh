#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions per tick of zephra-batch as callgrind counts them: one run of a scenario for TICKS ticks and one
# for twice as many, so that start-up and exit cancel out. Unlike a wall time, the count does not depend on
# what else the machine is doing.
# usage: tick-instructions.sh ZEPHRA_BATCH SCENARIO [TICKS]
set -euo pipefail
if [[ $# -lt 2 || $# -gt 3 || ! $2 =~ ^[0-9]+$ || ! ${3:-1} =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: tick-instructions.sh ZEPHRA_BATCH SCENARIO [TICKS]" >&2
    exit 2
fi
batch=$1 scenario=$2 ticks=${3:-100000}
work=$(mktemp -d "${TMPDIR:-/tmp}/zephra-instructions-XXXXXX")
trap 'rm -rf "$work"' EXIT
count() {
    valgrind --tool=callgrind --callgrind-out-file="$work/out" "$batch" --scenario "$scenario" \
        --iterations "$1" --out "$work" >/dev/null 2>"$work/log" || { cat "$work/log" >&2; exit 1; }
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/log"
}
once=$(count "$ticks")
twice=$(count $((2 * ticks)))
echo "scenario $scenario: $(((twice - once) / ticks)) instructions per tick (callgrind, $ticks ticks)"
