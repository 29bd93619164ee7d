#!/usr/bin/env bash
# Every text of the code is in every translation, and every translation is complete: lupdate run
# over the programs' sources into copies of the .ts files must find nothing new, and leave no
# message unfinished or vanished (a text gone from the code, or changed without its translation).
# Usage: check_ts.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
src=$2
dirs=(common chrome setup listclock panelclock captionclock bandclock launcher)
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zel-ts.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

status=0
for ts in "$src"/translations/*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$tmp/$name"
    out=$(cd "$src" && "$lupdate" -locations none -extensions cpp,h "${dirs[@]}" \
        -ts "$tmp/$name" 2>&1)
    new=$(printf '%s\n' "$out" | sed -n 's/.*(\([0-9]*\) new and.*/\1/p' | head -n1)
    if [ -z "$new" ]; then
        echo "FAIL: $name: lupdate said nothing of what it found:" >&2
        printf '%s\n' "$out" >&2
        status=1
        continue
    fi
    if [ "$new" -ne 0 ]; then
        echo "FAIL: $name: $new text(s) of the code are not in it; run the update_translations" \
             "target and translate them:" >&2
        diff "$ts" "$tmp/$name" | grep '<source>' >&2 || true
        status=1
    fi
    for kind in unfinished vanished obsolete; do
        if grep -q "type=\"$kind\"" "$tmp/$name"; then
            echo "FAIL: $name: $kind message(s):" >&2
            grep -B2 "type=\"$kind\"" "$tmp/$name" | grep '<source>' >&2 || true
            status=1
        fi
    done
    echo "$name: $(printf '%s\n' "$out" | grep -m1 'Found')"
done
exit $status
