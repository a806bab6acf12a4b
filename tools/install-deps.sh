#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Zephra needs to build, test and run, when any of them is missing.
# Extra package names given as arguments are installed too (clang for the fuzzers, dpkg-dev for the package,
# emscripten, chromium and glibc-source for the page).
# Qt Charts needs the Qt OpenGL development files to be found by CMake (libqt6opengl6-dev); python3, GNU Parallel,
# Slurm and munge run and test zephra-sweep; nlohmann's JSON and zlib read and write run files.
set -euo pipefail
packages=(g++ cmake ninja-build make qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl1-mesa-dev
          nlohmann-json3-dev zlib1g-dev libgtest-dev libbenchmark-dev libfast-float-dev xvfb xauth fonts-dejavu-core
          fonts-noto-mono desktop-file-utils appstream
          python3 parallel slurm-wlm munge "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
