#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fault injection: applies each mutation of a list, one at a time, to a scratch copy of the tree, builds the
whole program there (window, batch runner, plot tool, every test program) and runs the tests CI runs, Qt
tests included (offscreen), but not the Slurm sweep or the install tests.

The list has one mutation per line, "path: original => replacement", where original is text that occurs
exactly once in the file; blank lines and lines starting with # are skipped. A line whose original text is
missing or not unique, or whose mutant does not build, is an error of the list: it is reported apart and the
exit status is 1. The build is never timed against the tests.

Each mutant gets one of three verdicts: killed (a test failed), timeout (no test failed, but one ran past its
limit: printed apart, never counted as a kill) or survived. A gtest program runs whole, as one test; the test
programs that link the mutated file, and the scripts that run them, go first, those of the mutated file's own
folder before the rest, so a caught mutant usually costs one short run. By default a mutant stops at its first
failing test; --every-test runs them all and names every test that fails.

The scratch copy and its build folder stay between runs (build/mutate), so every mutant is an incremental
build of one file, and ccache serves the file restored afterwards.
"""

import argparse
import filecmp
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
COPIED = ["CMakeLists.txt", "CMakePresets.json", "cmake", "packaging", "src", "tests", "tools", "bench", "fuzz"]
# Tests CI runs that a mutant cannot reach or that need a machine of their own.
LEFT_OUT = re.compile(r"^(sweep_slurm|install_.*)$")


def parse_list(path):
    mutations, errors = [], []
    for number, line in enumerate(path.read_text().splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        file, sep, rest = line.partition(": ")
        original, arrow, replacement = rest.partition(" => ")
        if not sep or not arrow or not original:
            errors.append(f"{path.name}:{number}: not 'path: original => replacement'")
            continue
        mutations.append((number, file, original, replacement))
    return mutations, errors


def check_stale(mutations, tree):
    errors = []
    for number, file, original, replacement in mutations:
        target = tree / file
        if not target.is_file():
            errors.append(f"line {number}: no file {file}")
            continue
        count = target.read_text().count(original)
        if count != 1:
            errors.append(f"line {number}: {file} holds the original text {count} times: {original}")
        elif original == replacement:
            errors.append(f"line {number}: the replacement is the original")
    return errors


def select(mutations, only, lines, sample, seed, no_headers):
    chosen = [m for m in mutations if not only or any(m[1].startswith(prefix) for prefix in only)]
    if no_headers:
        chosen = [m for m in chosen if not m[1].endswith(".h")]
    if lines:
        ranges = [(int(a), int(b or a)) for a, _, b in (item.partition("-") for item in lines.split(","))]
        chosen = [m for m in chosen if any(a <= m[0] <= b for a, b in ranges)]
    if sample and sample < len(chosen):
        chosen = sorted(random.Random(seed).sample(chosen, sample))
    return chosen


def sync_tree(source, scratch):
    """Copies the tree, touching only files whose content differs, so the scratch build stays incremental."""
    for name in COPIED:
        src = source / name
        if not src.exists():
            continue
        if src.is_file():
            copy_if_changed(src, scratch / name)
            continue
        wanted = set()
        for dirpath, _, files in os.walk(src):
            for f in files:
                rel = Path(dirpath, f).relative_to(source)
                wanted.add(rel)
                copy_if_changed(source / rel, scratch / rel)
        for dirpath, _, files in os.walk(scratch / name):
            for f in files:
                rel = Path(dirpath, f).relative_to(scratch)
                if rel not in wanted:
                    (scratch / rel).unlink()


def copy_if_changed(src, dst):
    if dst.exists() and filecmp.cmp(src, dst, shallow=False):
        return
    dst.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(src, dst)  # a fresh time stamp: the build must see every copied file as changed
    shutil.copymode(src, dst)  # scripts such as zephra-sweep stay executable


def run(cmd, timeout=None, env=None, cwd=None):
    """Gives (exit status, output), the status None when the command ran past the timeout."""
    try:
        done = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout, env=env,
                              cwd=cwd)
        return done.returncode, done.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return None, ""


class Test:
    """One test as the mutant runs it: a whole gtest program, or one of ctest's other tests."""

    def __init__(self, name, command, env, cwd, skip_code):
        self.name, self.command, self.env, self.cwd, self.skip_code = name, command, env, cwd, skip_code
        self.seconds = 0.0
        self.paths = [Path(a) for a in command + list(env.values()) if a.startswith("/")]

    def run(self, timeout):
        """Gives "pass", "fail" or "timeout"."""
        code, _ = run(self.command, timeout=timeout, env=dict(os.environ, **self.env), cwd=self.cwd)
        if code is None:
            return "timeout"
        return "pass" if code == 0 or code == self.skip_code else "fail"


class Build:
    def __init__(self, scratch, build_dir, jobs):
        self.scratch, self.dir, self.jobs = scratch, build_dir, jobs
        # The dependency graph does not change with a mutation (no mutation adds an include), so it is read once.
        self.closures, self.object_deps = {}, None

    def configure(self):
        if (self.dir / "build.ninja").exists():
            return True
        # gold links the test programs several times faster than the default linker; every mutant relinks them.
        code, out = run(["cmake", "-S", str(self.scratch), "-B", str(self.dir), "-G", "Ninja",
                         "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold"])
        if code != 0:
            print(out)
        return code == 0

    def build(self):
        code, out = run(["cmake", "--build", str(self.dir), "-j", str(self.jobs)])
        return code == 0, out

    def tests(self):
        code, out = run(["ctest", "--test-dir", str(self.dir), "--show-only=json-v1"])
        if code != 0:
            raise RuntimeError(out)
        by_program, tests = {}, []
        for t in json.loads(out)["tests"]:
            if LEFT_OUT.match(t["name"]) or not t.get("command"):
                continue
            props = {p["name"]: p["value"] for p in t.get("properties", [])}
            env = dict(e.split("=", 1) for e in props.get("ENVIRONMENT", []))
            cwd = props.get("WORKING_DIRECTORY")
            command = t["command"]
            if any(a.startswith("--gtest_filter=") for a in command):
                if command[0] not in by_program:
                    by_program[command[0]] = Test(Path(command[0]).name, [command[0], "--gtest_brief=1"], env,
                                                  cwd, None)
                    tests.append(by_program[command[0]])
                continue
            tests.append(Test(t["name"], command, env, cwd, props.get("SKIP_RETURN_CODE")))
        return tests

    def sources_of(self, output):
        """Every source and header an output of the build is made from, through its objects and libraries."""
        if output in self.closures:
            return self.closures[output]
        self.closures[output] = found = set()
        code, out = run(["ninja", "-C", str(self.dir), "-t", "query", output])
        if code != 0:
            return found
        inputs, section = [], None
        for line in out.splitlines():
            if line.startswith("  ") and not line.startswith("    "):
                section = line.strip()
            elif section and section.startswith("input:") and not line.strip().startswith("||"):
                inputs.append(line.strip().lstrip("| "))
        for item in inputs:
            if item.endswith(".o"):
                found |= self.object_sources(item)
            elif item.endswith(".a") and not item.startswith("/usr"):
                found |= self.sources_of(item)
        return found

    def object_sources(self, obj):
        if self.object_deps is None:
            self.object_deps, current = {}, None
            _, out = run(["ninja", "-C", str(self.dir), "-t", "deps"])
            for line in out.splitlines():
                if line and not line.startswith(" "):
                    current = self.object_deps.setdefault(line.split(":")[0], set())
                elif line.strip() and current is not None:
                    current.add((self.dir / line.strip()).resolve())
        return self.object_deps.get(obj, set())

    def reaches(self, test, path):
        """Whether the test runs a program built from path, or a script or folder that holds it."""
        for p in test.paths:
            if p.is_relative_to(self.dir):
                if p.is_file() and path in self.sources_of(str(p.relative_to(self.dir))):
                    return True
            elif p == path or p.is_dir() and path.is_relative_to(p):
                return True
        return False


def order(tests, build, file, scratch):
    """The tests that reach the mutated file, its own folder's first and then the quickest; then the others."""
    path = (scratch / file).resolve()
    folder = Path(file).parts[1] if file.startswith("src/") and len(Path(file).parts) > 2 else Path(file).name
    reaching = [t for t in tests if build.reaches(t, path)]
    reaching.sort(key=lambda t: (folder not in t.name, t.seconds))
    return reaching, [t for t in tests if t not in reaching]


def verdict(tests, build, file, scratch, every, skip_unreached, timeouts):
    """Gives (verdict, names of the failing or timed-out tests)."""
    reaching, others = order(tests, build, file, scratch)
    failed, timed_out = [], []
    for t in reaching + ([] if skip_unreached else others):
        result = t.run(timeouts[t.name])
        if result == "fail":
            failed.append(t.name)
            if not every:
                break
        elif result == "timeout":
            timed_out.append(t.name)
    if failed:
        return "killed", failed
    if timed_out:
        return "timeout", timed_out
    return "survived", []


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", type=Path, default=ROOT / "tools" / "mutations.txt")
    parser.add_argument("--tree", type=Path, default=ROOT, help="the source tree to copy (default: this one)")
    parser.add_argument("--work", type=Path, default=ROOT / "build" / "mutate",
                        help="scratch folder kept between runs")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--only", action="append", default=[], metavar="PATH",
                        help="only the mutations of files under PATH (may be given several times)")
    parser.add_argument("--lines", help="only the mutations on these lines of the list: N, N-M, or several of them with commas")
    parser.add_argument("--sample", type=int, default=0, help="a random sample of this many of the chosen mutations")
    parser.add_argument("--seed", type=int, default=1, help="the sample's seed")
    parser.add_argument("--no-headers", action="store_true",
                        help="leave out the faults in headers, whose mutants rebuild much of the program")
    parser.add_argument("--check", action="store_true", help="only apply and build each mutant; run no test")
    parser.add_argument("--every-test", action="store_true",
                        help="run every test on each mutant and name all that fail (slower)")
    parser.add_argument("--skip-unreached", action="store_true",
                        help="leave out the tests that run nothing built from the mutated file (their programs "
                             "are the unmutated ones)")
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds for one test of a mutant (default: five times its clean run, at least 60)")
    args = parser.parse_args()

    mutations, errors = parse_list(args.list)
    errors += check_stale(mutations, args.tree)
    if errors:
        for e in errors:
            print("error:", e)
        return 1
    chosen = select(mutations, args.only, args.lines, args.sample, args.seed, args.no_headers)
    print(f"{len(chosen)} of the list's {len(mutations)} mutations", flush=True)

    scratch = (args.work / "tree").resolve()
    build = Build(scratch, (args.work / "build").resolve(), args.jobs)
    sync_tree(args.tree, scratch)
    if not build.configure():
        print("error: the scratch copy does not configure")
        return 1
    ok, out = build.build()
    if not ok:
        print(out[-4000:])
        print("error: the unmutated scratch copy does not build")
        return 1
    tests = [] if args.check else build.tests()
    timeouts = {}
    for t in tests:
        start = time.monotonic()
        if t.run(3600) != "pass":
            print(f"error: the unmutated test {t.name} fails; fix it before measuring")
            return 1
        t.seconds = time.monotonic() - start
        timeouts[t.name] = args.timeout or max(60.0, 5 * t.seconds)
    if tests:
        print(f"{len(tests)} tests, {sum(t.seconds for t in tests):.0f} s unmutated", flush=True)

    counts = {"killed": 0, "timeout": 0, "survived": 0}
    survivors, timed_out, unbuilt = [], [], []
    for index, (number, file, original, replacement) in enumerate(chosen, 1):
        target = scratch / file
        text = target.read_text()
        target.write_text(text.replace(original, replacement, 1))
        started = time.monotonic()
        try:
            built, out = build.build()
            built_at = time.monotonic()
            if not built:
                unbuilt.append((number, file, original, replacement, out))
                result, where = "does not build", []
            elif args.check:
                result, where = "builds", []
            else:
                result, where = verdict(tests, build, file, scratch, args.every_test, args.skip_unreached, timeouts)
                counts[result] += 1
                if result == "survived":
                    survivors.append((number, file, original, replacement))
                elif result == "timeout":
                    timed_out.append((number, file, original, replacement))
        finally:
            target.write_text(text)
        detail = f" ({', '.join(where)})" if where else ""
        seconds = f"build {built_at - started:.0f} s, tests {time.monotonic() - built_at:.0f} s" if built else ""
        print(f"[{index}/{len(chosen)}] line {number} {file}: {result}{detail} [{seconds}]", flush=True)

    if not args.check:
        ran = sum(counts.values())
        score = 100.0 * counts["killed"] / ran if ran else 0.0
        print(f"\nScore: {counts['killed']} of {ran} mutants killed ({score:.1f} %), "
              f"{counts['timeout']} timed out, {counts['survived']} survived")
        for title, rows in (("Timed out (not counted as killed)", timed_out), ("Survivors", survivors)):
            if rows:
                print(f"{title}:")
                for number, file, original, replacement in rows:
                    print(f"  line {number} {file}: {original} => {replacement}")
    if unbuilt:
        print("\nErrors of the list (these mutants do not build):")
        for number, file, original, replacement, out in unbuilt:
            first_error = next((l for l in out.splitlines() if "error" in l), out.strip()[-300:])
            print(f"error: line {number} {file}: {original} => {replacement}\n    {first_error}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
