#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A packager's configure, in scratch folders: configure.sh SOURCE_DIR
# Without tests the build needs no QtTest (hidden from CMake here, which stops a configure with tests), and a
# source pattern that matches nothing stops the configure rather than leaving a program out of the build.
set -euo pipefail
source=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
configure() {  # configure SOURCE BUILD OPTIONS...: CMake's output in $scratch/log
  local from=$1 to=$2
  shift 2
  cmake -S "$from" -B "$to" -G Ninja "$@" > "$scratch/log" 2>&1
}

configure "$source" "$scratch/packager" -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON ||
  fail "a configure without tests asked for QtTest: $(tail -20 "$scratch/log")"
! configure "$source" "$scratch/tests" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON ||
  fail "a configure with tests went on without QtTest"

mkdir "$scratch/source"
tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$scratch/source" -xf -
rm "$scratch/source"/src/batch/*.cpp
! configure "$scratch/source" "$scratch/no-batch" -DZEPHRA_QT=OFF -DBUILD_TESTING=OFF ||
  fail "a configure without zephra-batch's sources went on"
grep -q 'No file matches src/batch/\*\.cpp' "$scratch/log" || fail "the configure did not say what is missing: $(cat "$scratch/log")"
