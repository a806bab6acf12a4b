#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build as `make deb` does and reads the package as apt and a packager would:
# package.sh BUILD_DIR SOURCE_DIR
# Beside the libraries dpkg-shlibdeps finds, the package depends on zephra-sweep's interpreter and suggests the
# engines it drives; the copyright file (Debian's machine-readable format), the AppStream metadata and the
# source's LICENSE agree on GPL-3.0-or-later.
set -euo pipefail
build=$1 source=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v dpkg-shlibdeps > /dev/null || { echo "dpkg-shlibdeps (dpkg-dev) is not installed: not packed"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 || fail "cpack: $(cat "$out/cpack.log")"
deb=$(echo "$out"/*.deb)
[ -f "$deb" ] || fail "cpack made no package: $(cat "$out/cpack.log")"

depends=$(dpkg-deb -f "$deb" Depends)
grep -qE '(^|, )python3(,|$)' <<<"$depends" || fail "Depends lacks python3: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks the libraries dpkg-shlibdeps finds: $depends"
suggests=$(dpkg-deb -f "$deb" Suggests)
[ "$suggests" = "parallel, slurm-client" ] || fail "Suggests is '$suggests'"

unpacked() { dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/$1"; }
copyright=$(unpacked doc/zephra/copyright)
[ "$(head -1 <<<"$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "the copyright file is not in the machine-readable format"
[ "$(grep -cx 'License: GPL-3.0-or-later' <<<"$copyright")" -eq 2 ] ||
  fail "the copyright file does not license every file under GPL-3.0-or-later, with its text"
grep -q '/usr/share/common-licenses/GPL-3' <<<"$copyright" || fail "the copyright file does not point to the GPL-3 text"
metainfo=$(unpacked metainfo/org.example.zephra.metainfo.xml)
grep -q '<project_license>GPL-3.0-or-later</project_license>' <<<"$metainfo" ||
  fail "the AppStream metadata names no project licence"
grep -q '^ *Version 3, 29 June 2007$' "$source/LICENSE" && grep -q 'How to Apply These Terms' "$source/LICENSE" ||
  fail "LICENSE is not the whole GPL-3.0 text"
