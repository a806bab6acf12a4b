#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder, as a package build does: stage.sh BUILD_DIR STAGE_DIR
set -euo pipefail
build=$1 stage=$2
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr
