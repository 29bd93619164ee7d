#!/bin/bash
# The settings program's start-up, memory and idle CPU, beside the launcher's about window and
# the list clock, in one run on one private display.
#
#   bench/setup/run.sh [BUILD_DIR] [RUNS] [SECONDS]
#
# Start-up: from the process's start to its window being mapped (zelsetup maps its window after
# all six slots, the lists and the details panel are filled), median of RUNS starts, each
# zelsetup run followed by one of zelhome's about window measured the same way. The window is
# looked for every 5 ms with xdotool (visible windows only), so the figures carry a few ms of polling.
# Then zelsetup (three places) and zelroll (six places) run side by side: after a warm-up of 5 s
# their CPU time is read from /proc/<pid>/stat over SECONDS; peak memory is VmHWM at the end.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-10}
secs=${3:-30}
export ZEL_BIN_DIR=$build/bin ZEL_TEST_TOOLS=$build/tests/tools
source "$(dirname "$0")/../../tests/e2e/lib.sh"
bin=$ZEL_BIN_DIR
store=$ZEL_TEST_TOOLS/zelstore
zel_start_x 1280x800

"$store" set Settings SelectPattern 1
"$store" set Settings JE 1
"$store" set Data PlcCount 2
for n in 0 1 2; do "$store" set Data "No$n" $((100 + 40 * n)); done

# mapped_ms NAME COMMAND...: milliseconds from the start until a window of NAME is mapped; the
# process is ended afterwards.
mapped_ms() {
    local name=$1
    shift
    local t0 t1 pid
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until [ -n "$(xdotool search --onlyvisible --classname "^$name\$" 2>/dev/null)" ]; do
        # Seen too late (the about window lives half a second): no figure for this run.
        kill -0 "$pid" 2>/dev/null || { echo -; return 0; }
        sleep 0.005
    done
    t1=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(((t1 - t0) / 1000000))
}

median() { grep -v -- - | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

setup_ms=()
about_ms=()
"$store" set Settings Kind 9 # the launcher then starts no display
for i in $(seq "$runs"); do
    "$store" set Settings Start 1
    setup_ms+=("$(cd "$bin" && mapped_ms zelsetup "$bin/zelsetup")")
    about_ms+=("$(cd "$bin" && mapped_ms zelhome "$bin/zelhome")")
done
printf 'start-up to mapped window, ms (median of %d): zelsetup %s, zelhome about window %s\n' "$runs" \
    "$(printf '%s\n' "${setup_ms[@]}" | median)" "$(printf '%s\n' "${about_ms[@]}" | median)"
echo "  zelsetup runs: ${setup_ms[*]}"
echo "  zelhome runs:  ${about_ms[*]}"

# Side by side: the settings window with its 500 ms timer and the list clock.
"$store" set Data PlcCount 5
zel_store_six_places
"$store" set Data PlcCount 2
declare -A pid_of
"$store" set Settings Start 1
(cd "$bin" && exec "$bin/zelsetup") >/dev/null 2>&1 &
pid_of[zelsetup]=$!
ZEL_PIDS+=($!)
sleep 2
"$store" set Data PlcCount 5
"$store" set Settings Start 1
"$bin/zelroll" >/dev/null 2>&1 &
pid_of[zelroll]=$!
ZEL_PIDS+=($!)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
sleep 5
declare -A before
for p in zelsetup zelroll; do before[$p]=$(cpu_ticks "${pid_of[$p]}"); done
sleep "$secs"
hz=$(getconf CLK_TCK)
printf '%-10s %16s %10s\n' program "idle cpu-%" "peak-kB"
for p in zelsetup zelroll; do
    pid=${pid_of[$p]}
    kill -0 "$pid" 2>/dev/null || { echo "$p ended early" >&2; exit 1; }
    after=$(cpu_ticks "$pid")
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    awk -v n="$p" -v b="${before[$p]}" -v a="$after" -v hz="$hz" -v s="$secs" -v m="$peak" \
        'BEGIN { printf "%-10s %16.3f %10d\n", n, 100 * (a - b) / hz / s, m }'
done
