#!/bin/bash
# CPU time and peak memory of zelpane while it follows a foreground window, side by side in
# the same run with "xclock -digital -update 1" and an empty Qt Widgets window.
#   bench/panelclock/run.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
secs=${2:-60}
bin=$build/bin
tmp=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp/config LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC
mkdir -p "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM

mkfifo "$tmp/fd"
Xvfb -displayfd 3 -screen 0 1024x600x24 -nolisten tcp 3>"$tmp/fd" >/dev/null 2>&1 &
pids+=($!)
read -r n <"$tmp/fd"
export DISPLAY=:$n
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1
xmessage -geometry 420x160+300+200 "foreground" &
pids+=($!)
sleep 0.5
xdotool search --sync --onlyvisible --classname xmessage | head -n1 | xargs xdotool windowactivate

"$build/tests/tools/zelstore" set Settings Start 1
measure() { # NAME COMMAND...: elapsed, user, system seconds and peak kB into $tmp/NAME
    local name=$1
    shift
    /usr/bin/time -o "$tmp/$name" -f "%e %U %S %M" timeout -s TERM "$secs" "$@" >/dev/null 2>&1 || true
}
measure zelpane "$bin/zelpane" &
measured=($!)
measure xclock xclock -digital -update 1 &
measured+=($!)
measure emptywindow "$bin/zel_emptywindow" &
measured+=($!)
sleep 2
xdotool search --onlyvisible --classname xmessage | head -n1 | xargs xdotool windowactivate
wait "${measured[@]}" || true

printf '%-12s %9s %9s %9s %12s\n' program elapsed-s cpu-s cpu-% peak-kB
for name in zelpane xclock emptywindow; do
    read -r e u s m < <(tail -n1 "$tmp/$name")
    awk -v n="$name" -v e="$e" -v u="$u" -v s="$s" -v m="$m" \
        'BEGIN { printf "%-12s %9.1f %9.2f %9.3f %12d\n", n, e, u + s, 100 * (u + s) / e, m }'
done
