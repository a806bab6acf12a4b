#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fault injection: applies each mutation of a list, one at a time, to a scratch copy of the tree, builds the
unit tests there and runs them. A mutation that some test fails on (or that makes a test hang past the
timeout) is killed; the others survive and are listed at the end with the score.

The list has one mutation per line, "path: original => replacement", where original is text that occurs
exactly once in the file; blank lines and lines starting with # are skipped. A line whose original text is
missing or not unique, or whose mutant does not build, is an error of the list: it is reported and the
exit status is 1. Survivors do not change the exit status.

The scratch copy and its build folder stay between runs (build/mutate), so every mutant is an incremental
build of one file, and ccache serves the file restored afterwards.
"""

import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
# The unit tests, most likely killers first; the long random session (torture) is left out.
TEST_AREAS = ["engine", "tracking", "display", "scenarios", "ui", "toolkit", "batch"]
COPIED = ["CMakeLists.txt", "CMakePresets.json", "cmake", "packaging", "src", "tests", "tools", "bench", "fuzz"]


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
    for number, file, original, _ in mutations:
        target = tree / file
        if not target.is_file():
            errors.append(f"line {number}: no file {file}")
            continue
        count = target.read_text().count(original)
        if count != 1:
            errors.append(f"line {number}: {file} holds the original text {count} times: {original}")
    return errors


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
    shutil.copyfile(src, dst)


def run(cmd, timeout=None, env=None):
    try:
        done = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout, env=env)
        return done.returncode, done.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return None, ""


class Build:
    def __init__(self, scratch, build_dir, jobs):
        self.scratch, self.dir, self.jobs = scratch, build_dir, jobs

    def configure(self):
        if (self.dir / "build.ninja").exists():
            return True
        code, out = run(["cmake", "-S", str(self.scratch), "-B", str(self.dir), "-G", "Ninja",
                         "-DCMAKE_BUILD_TYPE=Release", "-DZEPHRA_QT=OFF"])
        if code != 0:
            print(out)
        return code == 0

    def build(self, areas):
        targets = [f"zephra_{a}_tests" for a in areas] + (["zephra-batch"] if "batch" in areas else [])
        code, out = run(["cmake", "--build", str(self.dir), "-j", str(self.jobs), "--target", *targets])
        return code == 0, out

    def verdict(self, timeout, mutated=None):
        """Builds and runs the test areas one after another and stops at the first that fails (or hangs
        past the timeout), so a mutant caught early costs one link. Gives (built, caught, where). The
        toolkit's own tests cover only the layer below the model and run for a mutation there alone."""
        env = dict(os.environ, ZEPHRA_BATCH=str(self.dir / "zephra-batch"))
        deadline = time.monotonic() + timeout
        areas = [a for a in TEST_AREAS if a != "toolkit" or mutated is None or mutated.startswith("src/toolkit/")]
        for area in areas:
            built, _ = self.build([area])
            if not built:
                return False, False, area
            left = deadline - time.monotonic()
            if left <= 0:
                return True, True, "timeout"
            code, _ = run([str(self.dir / "tests" / f"zephra_{area}_tests"), "--gtest_brief=1",
                           "--gtest_fail_fast"], timeout=left, env=env)
            if code is None:
                return True, True, f"{area} timeout"
            if code != 0:
                return True, True, area
        return True, False, ""


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", type=Path, default=ROOT / "tools" / "mutations.txt")
    parser.add_argument("--tree", type=Path, default=ROOT, help="the source tree to copy (default: this one)")
    parser.add_argument("--work", type=Path, default=ROOT / "build" / "mutate",
                        help="scratch folder kept between runs")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds for a mutant's tests (default: four times the clean run, at least 60)")
    args = parser.parse_args()

    mutations, errors = parse_list(args.list)
    errors += check_stale(mutations, args.tree)
    if errors:
        for e in errors:
            print("error:", e)
        return 1

    scratch = args.work / "tree"
    build = Build(scratch, args.work / "build", args.jobs)
    sync_tree(args.tree, scratch)
    if not build.configure():
        print("error: the scratch copy does not configure")
        return 1
    ok, out = build.build(TEST_AREAS)
    if not ok:
        print(out[-4000:])
        print("error: the unmutated scratch copy does not build")
        return 1
    start = time.monotonic()
    _, caught, where = build.verdict(3600)
    if caught:
        print(f"error: the unmutated tests fail ({where}); fix them before measuring")
        return 1
    timeout = args.timeout or max(60.0, 4 * (time.monotonic() - start))

    survivors, unbuilt, killed = [], [], 0
    for index, (number, file, original, replacement) in enumerate(mutations, 1):
        target = scratch / file
        text = target.read_text()
        target.write_text(text.replace(original, replacement, 1))
        try:
            built, caught, where = build.verdict(timeout, file)
            if not built:
                unbuilt.append((number, file, original, replacement))
                verdict = "does not build"
            elif caught:
                killed += 1
                verdict = f"killed ({where})"
            else:
                survivors.append((number, file, original, replacement))
                verdict = "SURVIVED"
        finally:
            target.write_text(text)
        print(f"[{index}/{len(mutations)}] line {number} {file}: {verdict}", flush=True)

    built_count = len(mutations) - len(unbuilt)
    score = 100.0 * killed / built_count if built_count else 0.0
    print(f"\nScore: {killed} of {built_count} mutations killed ({score:.1f} %)")
    if survivors:
        print("Survivors:")
        for number, file, original, replacement in survivors:
            print(f"  line {number} {file}: {original} => {replacement}")
    if unbuilt:
        for number, file, original, replacement in unbuilt:
            print(f"error: line {number} {file}: the mutant does not build: {original} => {replacement}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
