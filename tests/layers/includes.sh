#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each folder below the window includes only its own headers and those of the layers below it:
# toolkit <- engine <- tracking, display <- scenarios <- ui. Prints every include that runs the other way.
# usage: includes.sh SOURCE_DIR
set -u
cd "$1/src" || exit 2
declare -A allowed=(
    [toolkit]="toolkit"
    [engine]="toolkit engine"
    [tracking]="toolkit engine tracking"
    [display]="toolkit engine display"
    [scenarios]="toolkit engine tracking display scenarios"
)
status=0
for layer in "${!allowed[@]}"; do
    while IFS= read -r line; do
        file=${line%%:*}
        used=$(sed -n 's/.*#include "\([a-z]*\)\/.*/\1/p' <<<"$line")
        if [[ " ${allowed[$layer]} " != *" $used "* ]]; then
            echo "$line"
            status=1
        fi
    done < <(grep -H '#include "[a-z]*/' "$layer"/*.h "$layer"/*.cpp)
done
exit $status
