#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every installed program has a man page, and every option a program's --help prints is in its page, so a
# new option fails here until it is documented; the window's synopsis names each of its few options too:
# man_pages.sh STAGE_DIR
set -euo pipefail
usr=$1/usr
status=0
for tool in "$usr"/bin/*; do
  name=$(basename "$tool")
  page=$usr/share/man/man1/$name.1.gz
  if [ ! -f "$page" ]; then
    echo "FAIL: $name has no man page" >&2
    status=1
    continue
  fi
  # The page's source without roff escapes: \-\-out reads --out.
  text=$(gzip -dc "$page" | tr -d '\\')
  # The window and zephra-plot read their options once Qt has started, which needs no display offscreen.
  options=$(QT_QPA_PLATFORM=offscreen timeout 10 "$tool" --help |
            grep -oE '(^|[][ ,|(])--?[A-Za-z][A-Za-z0-9-]*' | grep -oE -- '--?[A-Za-z0-9-]+' | sort -u)
  [ -n "$options" ] || { echo "FAIL: $name --help names no options" >&2; status=1; }
  synopsis=$(sed -n '/^\.SH SYNOPSIS/,/^\.SH DESCRIPTION/p' <<<"$text")
  for option in $options; do
    if ! grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|\$)" <<<"$text"; then
      echo "FAIL: $name.1 does not mention $option" >&2
      status=1
    elif [ "$name" = zephra ] && ! grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|\$)" <<<"$synopsis"; then
      echo "FAIL: the synopsis of $name.1 leaves out $option" >&2
      status=1
    fi
  done
done
exit $status
