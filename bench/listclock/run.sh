#!/bin/bash
# CPU time and peak memory of zelroll with six places, measured in the same run and on the same
# display as zelpane and, for reference, "xclock -digital -update 1" and an empty Qt Widgets
# window (zelpane and the empty window when they are built).
#   bench/listclock/run.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
secs=${2:-60}
bin=$build/bin
store=$build/tests/tools/zelstore
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

"$store" set Data PlcCount 5
names=("Tokyo" "London" "New York" "Delhi" "Kathmandu" "Sydney")
hours=(9 0 -5 5 6 10)
minutes=(0 0 0 -30 -15 0)
for i in 0 1 2 3 4 5; do
    "$store" set Data "WP$i" "${names[$i]}"
    "$store" set Data "WD$i" "${hours[$i]}"
    "$store" set Data "WDM$i" "${minutes[$i]}"
done

measure() { # NAME COMMAND...: elapsed, user, system seconds and peak kB into $tmp/NAME
    local name=$1
    shift
    /usr/bin/time -o "$tmp/$name" -f "%e %U %S %M" timeout -s TERM "$secs" "$@" >/dev/null 2>&1 || true
}
# Each clock consumes "Start": start them one after the other.
wait_start_consumed() {
    local i
    for i in $(seq 100); do
        [ "$("$store" get Settings Start 2>/dev/null || true)" = 0 ] && return 0
        sleep 0.1
    done
    echo "a clock did not start" >&2
    exit 1
}
programs=(zelroll)
"$store" set Settings Start 1
measure zelroll "$bin/zelroll" &
measured=($!)
wait_start_consumed
if [ -x "$bin/zelpane" ]; then
    programs+=(zelpane)
    "$store" set Settings Start 1
    measure zelpane "$bin/zelpane" &
    measured+=($!)
    wait_start_consumed
fi
programs+=(xclock)
measure xclock xclock -digital -update 1 &
measured+=($!)
if [ -x "$bin/zel_emptywindow" ]; then
    programs+=(emptywindow)
    measure emptywindow "$bin/zel_emptywindow" &
    measured+=($!)
fi
wait "${measured[@]}" || true

printf '%-12s %9s %9s %9s %12s\n' program elapsed-s cpu-s cpu-% peak-kB
for name in "${programs[@]}"; do
    # time(1) puts a line about the exit status of timeout(1) first.
    read -r e u s m < <(tail -n1 "$tmp/$name")
    awk -v n="$name" -v e="$e" -v u="$u" -v s="$s" -v m="$m" \
        'BEGIN { printf "%-12s %9.1f %9.2f %9.3f %12d\n", n, e, u + s, 100 * (u + s) / e, m }'
done
