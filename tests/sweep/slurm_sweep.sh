#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The 12-run sweep as a Slurm job array on a cluster of one node started for the test (munge, slurmctld and
# slurmd from Debian, configured in the work folder, every daemon stopped at the end and bounded in time
# even if the test is killed): its table equals the one of GNU Parallel and of a direct loop.
source "$(dirname "$0")/sweep_common.sh"
need mungekey munged slurmctld slurmd sbatch squeue sinfo parallel python3

cluster=$work/cluster
mkdir -p "$cluster"/{munge,state,spool,log}
chmod 700 "$cluster/munge"
daemon_seconds=170  # a daemon ends by itself after this, even when the test is killed
start_daemon() {
    timeout "$daemon_seconds" "$@" >>"$cluster/log/$1.out" 2>&1 &
    on_exit+=("kill $! 2>/dev/null; wait $! 2>/dev/null")
}
show_logs() {
    tail -n 20 "$cluster"/log/* "$cluster"/munge/munged.log >&2 || true
    fail "$1"
}

mungekey --create --keyfile="$cluster/munge/munge.key"
socket=$cluster/munge/munge.socket
start_daemon munged --foreground --force --key-file="$cluster/munge/munge.key" --socket="$socket" \
    --pid-file="$cluster/munge/munged.pid" --log-file="$cluster/munge/munged.log" \
    --seed-file="$cluster/munge/munged.seed"
wait_for 20 test -S "$socket" || show_logs "munged did not start"

# Free ports for the controller and the node, so that the test runs beside any other Slurm.
read -r controller_port node_port < <(python3 -c '
import socket
s = [socket.socket() for _ in range(2)]
for x in s: x.bind(("127.0.0.1", 0))
print(*[x.getsockname()[1] for x in s])')
host=$(hostname -s)
user=$(id -un)
export SLURM_CONF=$cluster/slurm.conf
cat >"$SLURM_CONF" <<CONF
ClusterName=zephra-test
SlurmctldHost=$host(127.0.0.1)
SlurmctldPort=$controller_port
SlurmdPort=$node_port
SlurmUser=$user
SlurmdUser=$user
AuthType=auth/munge
AuthInfo=socket=$socket
CredType=cred/munge
StateSaveLocation=$cluster/state
SlurmdSpoolDir=$cluster/spool
SlurmctldPidFile=$cluster/slurmctld.pid
SlurmdPidFile=$cluster/slurmd.pid
SlurmctldLogFile=$cluster/log/slurmctld.log
SlurmdLogFile=$cluster/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SlurmdParameters=config_overrides
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
SchedulerType=sched/builtin
ReturnToService=2
MpiDefault=none
MailProg=/bin/true
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
NodeName=$host NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=sweep Nodes=ALL Default=YES MaxTime=INFINITE State=UP
CONF
start_daemon slurmctld -D
start_daemon slurmd -D -N "$host"
node_idle() { [ "$(sinfo -h -o %T 2>/dev/null)" = idle ]; }
wait_for 30 node_idle || show_logs "the node did not come up"

sweep=$work/slurm
job=$("$ZEPHRA_SWEEP" slurm "$sweep_file" "$sweep" --submit)
on_exit+=("timeout 10 scancel $job 2>/dev/null")
queued() { [ -n "$(squeue -h -j "$job" 2>/dev/null)" ]; }
wait_for 90 eval '! queued' || show_logs "the job array did not finish in 90 s"
# Submitted again, the sweep has nothing left to run but its refused runs.
grep -q -- '--array=5-6,11-12$' <("$ZEPHRA_SWEEP" slurm "$sweep_file" "$sweep" 2>/dev/null; cat "$sweep/sweep.sbatch") ||
    fail "a second submission would not be only the refused runs: $(cat "$sweep/sweep.sbatch")"

collect "$sweep"
check_table "$sweep"
"$ZEPHRA_SWEEP" parallel "$sweep_file" "$work/parallel" --jobs 2 2>/dev/null || true
collect "$work/parallel"
direct_loop "$work/loop"
collect "$work/loop"
cmp "$sweep.csv" "$work/parallel.csv" || fail "Slurm and GNU Parallel give different tables"
cmp "$sweep.csv" "$work/loop.csv" || fail "Slurm and the direct loop give different tables"
