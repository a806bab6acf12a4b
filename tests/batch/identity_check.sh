#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs zephra-batch for every row of the digest file and compares the sha256 of each run's summary and of its
# data-drift.txt with the stored ones, so that a faster tick must give the same results bit for bit.
# The summary's "iterations_per_second" is the only field that depends on the wall clock and is left out; the
# run's folder, which the summary and some scenario descriptions name, is written as DIR. A row whose options
# write a trace (--trace DIR/trace.csv) also holds the sha256 of the trace, after the drift file's.
# usage: identity_check.sh ZEPHRA_BATCH DIGEST_FILE [--write | --every N]
#   --write stores the digests of this build; --every N checks only every Nth row (the sanitizer build's share)
set -u
batch=$1 digests=$2 write=${3:-} every=1
[[ $write == --every ]] && { every=${4:?--every needs a count}; write=; }
work=$(mktemp -d "${TMPDIR:-/tmp}/zephra-identity-XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
status=0 rows=() count=0
while IFS= read -r row; do
    [[ -z $row || $row == \#* ]] && { rows+=("$row"); continue; }
    count=$((count + 1))
    (( (count - 1) % every == 0 )) || continue
    args=${row#*|}
    args=${args#*|}
    args=${args# }
    rm -f "$work/data-drift.txt" "$work/trace.csv"
    # shellcheck disable=SC2086  # the row's options are separate words
    summary=$("$batch" ${args//DIR/$work} --out "$work" | grep -v '"iterations_per_second"' | sed "s|$work|DIR|g" |
        sha256sum)
    drift=none
    [[ -f $work/data-drift.txt ]] && drift=$(sed "s|$work|DIR|g" "$work/data-drift.txt" | sha256sum)
    drift=${drift%% *}
    [[ $args == *--trace* ]] && drift="$drift $(sha256sum <"$work/trace.csv" | cut -d' ' -f1)"
    got="${summary%% *} | $drift | $args"
    if [[ $write == --write ]]; then
        rows+=("$got")
    elif [[ $got != "$row" ]]; then
        echo "differs: $args"
        echo "  stored: $row"
        echo "  now:    $got"
        status=1
    fi
done <"$digests"
[[ $write == --write ]] && printf '%s\n' "${rows[@]}" >"$digests"
exit $status
