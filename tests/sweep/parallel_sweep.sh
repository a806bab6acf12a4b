#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A 12-run sweep through GNU Parallel, interrupted (Ctrl-C) once its first run is done and started again:
# the runs done before the interruption are kept as they are, the rest run, and the table equals the one of
# a direct loop over the same command list.
source "$(dirname "$0")/sweep_common.sh"
need parallel setsid

sweep=$work/parallel
setsid "$ZEPHRA_SWEEP" parallel "$sweep_file" "$sweep" --jobs 2 >/dev/null 2>&1 &
group=$!
on_exit+=("kill -KILL -- -$group 2>/dev/null")
wait_for 60 compgen -G "$sweep/runs/*/summary.jsonl" >/dev/null || fail "no run finished within a minute"
kill -INT -- "-$group"
wait_for 30 eval '! kill -0 -- -$group 2>/dev/null' || fail "the interrupted sweep did not stop"
wait "$group" || true

kept=$(cd "$sweep/runs" && stat -c '%n %i %Y.%y' */summary.jsonl)
done_before=$(wc -l <<<"$kept")
[ "$done_before" -lt 8 ] || fail "the sweep was done before it could be interrupted"
status=0
"$ZEPHRA_SWEEP" parallel "$sweep_file" "$sweep" --jobs 2 2>"$work/restart.err" || status=$?
[ "$status" -eq 1 ] || fail "the restarted sweep exited $status: $(cat "$work/restart.err")"
grep -q '8 of 12 runs done' "$work/restart.err" || fail "restart: $(cat "$work/restart.err")"
[ "$(cd "$sweep/runs" && stat -c '%n %i %Y.%y' $(cut -d' ' -f1 <<<"$kept"))" = "$kept" ] ||
    fail "runs done before the interruption were run again"
echo "interrupted with $done_before of 12 runs done; the restart ran the other $((12 - done_before))"

collect "$sweep"
check_table "$sweep"
direct_loop "$work/loop"
collect "$work/loop"
cmp "$sweep.csv" "$work/loop.csv" || fail "GNU Parallel and the direct loop give different tables"
