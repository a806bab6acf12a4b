#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""zephra-sweep at the edges of what it accepts, with no simulation run: the values of step ranges, the limit
of a million runs, and every description, option and output it refuses (exit status 2, one line, nothing
prepared, no traceback). Each check that fails is listed, not only the first. ZEPHRA_BATCH names the
zephra-batch whose options the sweeps use, ZEPHRA_SWEEP the zephra-sweep to test."""

import contextlib
import importlib.machinery
import importlib.util
import io
import json
import os
import resource
import shlex
import subprocess
import sys
import tempfile

SWEEP = os.environ.get("ZEPHRA_SWEEP") or os.path.join(os.path.dirname(__file__), "../../tools/zephra-sweep")
if not os.environ.get("ZEPHRA_BATCH"):
    sys.exit("ZEPHRA_BATCH names the zephra-batch to test")
loader = importlib.machinery.SourceFileLoader("zephra_sweep", SWEEP)
zephra_sweep = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
loader.exec_module(zephra_sweep)

work = tempfile.TemporaryDirectory(prefix="zephra-sweep-checks.")
failures = []


def path(name):
    return os.path.join(work.name, name)


def new_folder():
    """A sweep folder not made yet."""
    return os.path.join(tempfile.mkdtemp(dir=work.name), "sweep")


def run(*argv):
    """zephra-sweep ARGV, in this process for speed: (exit status, standard output, standard error)."""
    out, err = io.StringIO(), io.StringIO()
    with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
        try:
            status = zephra_sweep.main(list(argv))
        except SystemExit as leaving:
            status = leaving.code
        except Exception as error:  # a traceback, in a process of its own
            status = "a traceback (%s: %s)" % (type(error).__name__, error)
    return status, out.getvalue(), err.getvalue()


def run_alone(*argv, stdout=subprocess.DEVNULL, file_size=None, memory=None):
    """zephra-sweep ARGV as a process of its own, with at most file_size bytes in a file and memory bytes of
    memory if given: (exit status, standard error)."""
    def limit():
        for kind, most in ((resource.RLIMIT_FSIZE, file_size), (resource.RLIMIT_AS, memory)):
            if most is not None:
                resource.setrlimit(kind, (most, most))
    done = subprocess.run([sys.executable, SWEEP, *argv], stdout=stdout, stderr=subprocess.PIPE, text=True,
                          preexec_fn=limit, check=False)
    return done.returncode, done.stderr


def one_line_refusal(what, status, err, words):
    """Whether a refusal is exit status 2 and one line naming the problem; a failure is listed."""
    if status == 2 and err.count("\n") == 1 and words in err:
        return True
    failures.append("%s: exit %s, said %r (wanted one line with %r)" % (what, status, err[:300], words))
    return False


def text_of(name):
    """A file's text, or None when it cannot be read."""
    with contextlib.suppress(OSError), open(name, encoding="utf-8") as f:
        return f.read()
    return None


def describe(name, description):
    with open(path(name), "w", encoding="utf-8") as f:
        f.write(description if isinstance(description, str) else json.dumps(description))
    return path(name)


def grid(given, expected):
    """The values a range gives the runs, in run order."""
    sweep_file = describe("grid.json", '{"scenarios": [1], "sweep": {"gravity-speed": %s}}' % given)
    status, out, err = run("commands", sweep_file, new_folder())
    words = [shlex.split(line) for line in out.splitlines()]
    got = " ".join(line[line.index("--gravity-speed") + 1] for line in words if "--gravity-speed" in line)
    if status != 0 or got != expected:
        failures.append("range %s: exit %s, values %r, not %r %s" % (given, status, got, expected, err[:200]))


def refused(description, words):
    """commands, parallel and slurm refuse a sweep before preparing anything."""
    sweep_file = describe("refused.json", description)
    for command in ("commands", "parallel", "slurm"):
        folder = new_folder()
        status, _, err = run(command, sweep_file, folder)
        if not one_line_refusal("%s %s" % (command, description), status, err, words):
            return
        if os.path.exists(folder):
            failures.append("%s %s: prepared a sweep folder it refused" % (command, description))
            return


# Step ranges stop at the last value on their grid, 'to' itself only when it lies on it (within 1e-9 of a
# step); each value is from + k x step as written in decimals, so -0.3 + 3 x 0.1 is 0.
grid('{"from": 0, "to": 1, "step": 0.3}', "0 0.3 0.6 0.9")
grid('{"from": 0, "to": 1, "step": 0.25}', "0 0.25 0.5 0.75 1")
grid('{"from": 0, "to": 1, "step": 0.6}', "0 0.6")
grid('{"from": 0, "to": 1, "step": 2}', "0")
grid('{"from": 10, "to": 0, "step": -3}', "10 7 4 1")
grid('{"from": -0.3, "to": 0.3, "step": 0.1}', "-0.3 -0.2 -0.1 0 0.1 0.2 0.3")
grid('{"from": 0, "to": 1.0000000001, "step": 1}', "0 1.0000000001")
grid('{"from": 0, "to": 1.00000001, "step": 1}', "0 1")
grid('{"from": 0, "to": 1, "step": 0.333333333333333}', "0 0.333333333333333 0.666666666666666 1")
grid('{"from": 0, "to": 1, "count": 4}', "0 0.333333333333333 0.666666666666667 1")
grid('{"from": 2, "to": 2, "count": 1}', "2")
refused('{"scenarios": [1], "sweep": {"gravity-speed": {"from": 0, "to": 1, "step": 0}}}', "step of 0")
refused('{"scenarios": [1], "sweep": {"gravity-speed": {"from": 2, "to": 2, "count": 0}}}', "count must be")
refused('{"scenarios": [1], "sweep": {"gravity-speed": {"from": 0, "to": 1, "count": 1}}}', "count must be")
refused('{"scenarios": [1], "sweep": {"gravity-speed": {"from": 0, "to": 1, "step": -0.5}}}', "step of -0.5")
refused('{"scenarios": [1], "sweep": {"gravity-speed": {"from": 0, "to": Infinity, "count": 3}}}', "Infinity")
refused('{"scenarios": [1], "sweep": {"gravity-speed": {"from": NaN, "to": 1, "step": 0.5}}}', "NaN")
refused('{"scenarios": [1], "sweep": {"gravity-speed": [1, 1e400]}}', "not a finite number")

# A million runs pass the count (the check of the options after it speaks), one more does not, and a
# trillion is refused at once, its values never made.
million = {"from": 0.001, "to": 1, "step": 0.001}, {"from": 1, "to": 500, "count": 500}
refused({"scenarios": [1, 2], "options": ["--bogus"], "sweep": dict(zip(["gravity-speed", "body-mass:1"], million))},
        "--bogus")
one_more = {"from": 1, "to": 101, "count": 101}, {"from": 0.0001, "to": 0.9901, "step": 0.0001}
refused({"scenarios": [1], "options": ["--bogus"], "sweep": dict(zip(["gravity-speed", "body-mass:1"], one_more))},
        "1000001 runs")
for huge, words in (('{"from": 0, "to": 1, "step": 1e-12}', "1000000000001 runs"),
                    ('{"from": 0, "to": 1, "count": 100000000000}', "100000000000 runs")):
    status, err = run_alone("commands", describe("huge.json", '{"scenarios": [1], "sweep": {"gravity-speed": %s}}'
                                                 % huge), new_folder(), memory=1 << 30)
    one_line_refusal("a sweep of " + huge, status, err, words)

# The first and the last scenario button are runs; one step beyond either is refused below.
status, out, err = run("commands", describe("ends.json", '{"scenarios": [1, 33]}'), new_folder())
if status != 0 or [shlex.split(line)[shlex.split(line).index("--scenario") + 1] for line in out.splitlines()] != ["1", "33"]:
    failures.append("scenarios 1 and 33: exit %s, commands %r %s" % (status, out[:300], err[:200]))
# Slurm's array of the runs still to do, in its own notation.
if zephra_sweep.index_ranges([1, 2, 3, 5, 7, 8]) != "1-3,5,7-8":
    failures.append("the array of runs 1,2,3,5,7,8 is %r" % zephra_sweep.index_ranges([1, 2, 3, 5, 7, 8]))

# What would make every run fail is refused before the first.
for scenario, words in (("0", "0 is not a scenario button"), ("34", "34 is not"), ("1.5", "1.5 is not"),
                        ('"missing.zephra"', "missing.zephra: no such file"), ('""', "nor a file name")):
    refused('{"scenarios": [%s]}' % scenario, words)
for key, words in (("gravity-speed:1", "takes no body number"), ("body-mass", "give the body"),
                   ("body-mass:3", "give the body"), ("bogus", "no override --bogus"), ("orbits", "same for every"),
                   ("trace", "same file")):
    refused('{"scenarios": [1], "sweep": {"%s": [1, 2]}}' % key, words)
for options, words in ((["--bogus"], "no option --bogus"), (["--trace", "t.csv"], "--trace"), (["--help"], "--help"),
                       (["-h"], "-h"), (["--out", "x"], "--out"), (["--scenario", "2"], "--scenario"),
                       (["--jsonl"], "--jsonl"), (["--iterations"], "needs a value"), (["5000"], "no option 5000"),
                       (["--iterations", "5", "--orbits", "2"], "choose one"), (["--gravity-speed", "2"], "swept"),
                       (["--body-mass", "2"], "give the body"), (["--orbits", "5", "--orbits", "6"], "twice"),
                       (["--iterations", "5", "--max-iterations", "9"], "caps")):
    refused({"scenarios": [1], "options": options, "sweep": {"gravity-speed": [1]}}, words)

# collect: every run once, whatever its summary holds; a table it cannot write is one line and leaves the
# old one whole.
runs = new_folder()
run("commands", describe("six.json", {"scenarios": [1], "sweep": {"gravity-speed": [1, 2, 3, 4, 5, 6]}}), runs)
summaries = {"0001": "3", "0002": "[1, 2]", "0003": json.dumps({"iterations": 5, "notice": "n" * 2000}),
             "0005": "{not json", "0006": None}
for name, line in summaries.items():
    os.makedirs(os.path.join(runs, "runs", name))
    if line is not None:
        with open(os.path.join(runs, "runs", name, "summary.jsonl"), "w", encoding="utf-8") as f:
            f.write(line + "\n")
table = path("table.csv")
status, _, err = run("collect", runs, "--output", table)
rows = [line.split(",")[:4] for line in (text_of(table) or "").splitlines()[1:]]
wanted = [[n, "1", str(int(n)), s] for n, s in zip(["0001", "0002", "0003", "0004", "0005", "0006"],
                                                    ["failed", "failed", "ok", "missing", "failed", "failed"])]
if status != 1 or rows != wanted or err.count("does not hold a JSON object") != 3:
    failures.append("collect of odd summaries: exit %s, rows %s, said %r" % (status, rows, err))
os.makedirs(path("a-folder"))
for output, words in ((path("missing/table.csv"), "No such file"), (path("six.json/table.csv"), "Not a directory"),
                      (path("a-folder"), "Is a directory")):
    status, _, err = run("collect", runs, "--output", output)
    one_line_refusal("collect --output " + output, status, err, words)
if os.geteuid() != 0:
    os.makedirs(path("read-only"), mode=0o555)
    status, _, err = run("collect", runs, "--output", path("read-only/table.csv"))
    one_line_refusal("collect into a read-only folder", status, err, "Permission denied")
# The table of the six runs is over 2 kB; 1 kB is a disk that fills while it is written.
with open(table, "w", encoding="utf-8") as f:
    f.write("the old table\n")
status, err = run_alone("collect", runs, "--output", table, file_size=1024)
kept = text_of(table)
if one_line_refusal("collect onto a full disk", status, err, "File too large") and kept != "the old table\n":
    failures.append("collect onto a full disk left %.80r in place of the old table" % (kept,))
if any(name.endswith(".part") for name in os.listdir(work.name)):
    failures.append("collect onto a full disk left its temporary file: %s" % os.listdir(work.name))
with open("/dev/full", "w", encoding="utf-8") as full:
    status, err = run_alone("collect", runs, stdout=full)
one_line_refusal("collect to a full standard output", status, err, "No space left")
# A link is followed to the file it names, which is replaced; a pipe is written straight.
os.symlink(table, path("link.csv"))
run("collect", runs, "--output", path("link.csv"))
if not os.path.islink(path("link.csv")) or not (text_of(table) or "").startswith("run,scenario,gravity-speed"):
    failures.append("collect --output through a link: the link is gone or its file not the table")
done = subprocess.run([sys.executable, SWEEP, "collect", runs, "--output", "/dev/stdout"], capture_output=True,
                      text=True, check=False)
if done.returncode != 1 or not done.stdout.startswith("run,scenario"):
    failures.append("collect --output /dev/stdout into a pipe: exit %d, said %r" % (done.returncode, done.stderr))
# A reader that stops early (| head) ends the command list quietly.
with subprocess.Popen([sys.executable, SWEEP, "commands", describe("long.json", {"scenarios": list(range(1, 34)),
                       "sweep": {"gravity-speed": list(range(1, 31))}}), new_folder()],
                      stdout=subprocess.PIPE, stderr=subprocess.PIPE) as reader:
    reader.stdout.close()
    if reader.stderr.read():
        failures.append("commands into a closed pipe says something")

# A scenario file beside the description is loaded by each of its runs by its full name, beside a button.
describe("pair.zephra", "{}")
status, out, err = run("commands", describe("files.json", '{"scenarios": [1, "pair.zephra"]}'), new_folder())
if status != 0 or "--scenario 1 " not in out or "--load " + shlex.quote(path("pair.zephra")) + " " not in out:
    failures.append("a scenario file beside the sweep: %s %s" % (status, err or out))

for failure in failures:
    print("FAIL: " + failure, file=sys.stderr)
sys.exit(1 if failures else 0)
