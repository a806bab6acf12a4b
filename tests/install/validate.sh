#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a staging install (stage.sh) as a desktop would see it: validate.sh STAGE_DIR APP_ID ICON_SIZES...
# The menu entry and the AppStream metadata pass their validators and agree with each other and with the
# icons; the installed programs start from there, and the window keeps its drift file in the user's folder.
set -euo pipefail
stage=$1 id=$2
shift 2
usr=$stage/usr
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
# Hints count too: one says, for instance, that the entry would land in no menu section.
findings=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $findings"
[ -z "$findings" ] || fail "desktop-file-validate: $findings"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metadata does not launch $id.desktop"
# Run files open in the window: the entry takes a file and names the type the installed type list declares.
mime=$usr/share/mime/packages/$id.xml
type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$desktop")
[ -n "$type" ] || fail "the menu entry registers no type of file"
grep -q "^Exec=.* %f$" "$desktop" || fail "the menu entry does not pass the file it opens"
grep -q "<mime-type type=\"$type\">" "$mime" && grep -q '<glob pattern="\*.zephra"/>' "$mime" ||
  fail "$mime does not declare $type for *.zephra"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$usr/bin/$exec_name" ] || fail "the menu entry runs $exec_name, which is not installed"

# Every icon is a PNG of the size its folder names (width and height from the IHDR chunk).
for size in "$@"; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no icon $png"
  read -r -a b < <(od -An -tu1 -j16 -N8 "$png")
  width=$(( (b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3] ))
  height=$(( (b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7] ))
  [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] || fail "$png is ${width}x${height}"
done

# The installed zephra-batch runs from the staging folder and writes its drift file where --out says.
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$usr/bin/zephra-batch" --scenario 3 --orbits 1 --out "$out" > "$out/summary.json"
grep -q '"orbits": 1,' "$out/summary.json" || fail "zephra-batch did not complete an orbit: $(cat "$out/summary.json")"
grep -q 'Orbit # 1 drift' "$out/data-drift.txt" || fail "zephra-batch wrote no drift record"

# The installed window starts and keeps running (timeout ends it), and picks the drift file's folder at
# start-up: an installed window never writes beside itself, even where it may (the staged bin/ is writable,
# and for root every folder is), so it makes the user's data folder.
status=0
env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$out/data" timeout 3 "$usr/bin/zephra" || status=$?
[ "$status" -eq 124 ] || fail "the installed zephra exited with status $status"
[ -d "$out/data/zephra" ] || fail "the installed window (user $(id -un)) did not choose the user's data folder"
[ ! -e "$usr/bin/zephra-build-tree" ] || fail "the install copied the build tree's mark"
