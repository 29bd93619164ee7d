#!/bin/bash
# CPU time and peak memory of the two clocks, side by side in one run on one private display:
# zelpane following a foreground window, zelroll with six places, zelcaption in the foreground
# window's title bar, zelband as an icon in trayer's tray, and as references
# "xclock -digital -update 1" and an empty Qt Widgets window.
#
#   bench/clocks/run.sh [BUILD_DIR] [SECONDS]
#
# "steady" is the CPU used during the measured SECONDS, after a warm-up of 5 s, summed over the
# process's threads from /proc/<pid>/task/*/schedstat (nanoseconds: the clocks use a few tens of
# milliseconds a minute, too little for /proc/<pid>/stat's hundredths of a second); "with
# start" is all the CPU of the process's life from /proc/<pid>/stat (loading Qt, fonts, the
# first paint included).
# Peak memory is the peak resident set (VmHWM) at the end; "x empty" is it divided by the
# empty window's, the toolkit's own floor on the same display.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
secs=${2:-60}
warmup=5
# The end-to-end tests' kit: a private Xvfb with openbox, a private settings folder, cleanup.
export ZEL_BIN_DIR=$build/bin ZEL_TEST_TOOLS=$build/tests/tools
source "$(dirname "$0")/../../tests/e2e/lib.sh"
bin=$ZEL_BIN_DIR
store=$ZEL_TEST_TOOLS/zelstore
zel_start_x 1280x800

"$store" set Data PlcCount 5
zel_store_six_places
"$store" set Data CT 5

xmessage -geometry 420x160+300+300 "foreground" >/dev/null 2>&1 &
ZEL_PIDS+=($!)

declare -A pid_of start_of
launch() { # NAME COMMAND...
    local name=$1
    shift
    start_of[$name]=$(date +%s.%N)
    "$@" >/dev/null 2>&1 &
    pid_of[$name]=$!
    ZEL_PIDS+=($!)
}
start_consumed() {
    local i
    for i in $(seq 100); do
        [ "$("$store" get Settings Start 2>/dev/null || true)" = 0 ] && return 0
        sleep 0.1
    done
    echo "a clock did not start" >&2
    exit 1
}
"$store" set Settings Start 1
launch zelpane "$bin/zelpane"
start_consumed
"$store" set Settings Start 1
launch zelroll "$bin/zelroll"
start_consumed
"$store" set Settings Start 1
launch zelcaption "$bin/zelcaption"
start_consumed
trayer --edge bottom --align right --widthtype request --height 32 >/dev/null 2>&1 &
ZEL_PIDS+=($!)
sleep 1
"$store" set Settings Start 1
launch zelband "$bin/zelband"
start_consumed
launch xclock xclock -digital -update 1
launch emptywindow "$bin/zel_emptywindow"
sleep 1
# The panel follows the foreground window; give it one.
xdotool search --sync --onlyvisible --classname xmessage | head -n1 | xargs xdotool windowactivate

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%.0f", s }'; }
programs=(zelpane zelroll zelcaption zelband xclock emptywindow)
sleep "$warmup"
declare -A before
for p in "${programs[@]}"; do before[$p]=$(cpu_ns "${pid_of[$p]}"); done
measured_from=$(date +%s.%N)
sleep "$secs"
hz=$(getconf CLK_TCK)
now=$(date +%s.%N)
printf '%-12s %14s %18s %10s %8s\n' program "steady cpu-%" "with start cpu-%" "peak-kB" \
    "x empty"
kill -0 "${pid_of[emptywindow]}" 2>/dev/null || { echo "emptywindow ended early" >&2; exit 1; }
empty_peak=$(awk '/^VmHWM/ { print $2 }' "/proc/${pid_of[emptywindow]}/status")
for p in "${programs[@]}"; do
    pid=${pid_of[$p]}
    kill -0 "$pid" 2>/dev/null || { echo "$p ended early" >&2; exit 1; }
    after=$(cpu_ns "$pid")
    life=$(cpu_ticks "$pid")
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    awk -v n="$p" -v b="${before[$p]}" -v a="$after" -v l="$life" -v hz="$hz" -v s="$secs" \
        -v t0="${start_of[$p]}" -v t1="$now" -v m="$peak" -v f="$measured_from" \
        -v e="$empty_peak" 'BEGIN {
            printf "%-12s %14.3f %18.3f %10d %8.2f\n", n, 100 * (a - b) / 1e9 / (t1 - f),
                100 * l / hz / (t1 - t0), m, m / e }'
done
