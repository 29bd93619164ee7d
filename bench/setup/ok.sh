#!/bin/bash
# What one OK of the settings program costs, on one private display:
#
#   bench/setup/ok.sh [BUILD_DIR] [RUNS]
#
# Store writes per OK: the renames that replace the store file during one OK of zelsetup with a
# fresh store (each write of the store is one rename), counted with strace (installed for
# measuring only; "-" without it). Only zelsetup's own calls count, not the started display's.
# Click to window: from the click on OK until the list clock's window is mapped, median of RUNS,
# each followed by a bare start of the list clock measured from its process start the same way.
# Windows are looked for every 5 ms with xdotool, so the figures carry a few ms of polling.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-10}
export ZEL_BIN_DIR=$build/bin ZEL_TEST_TOOLS=$build/tests/tools
source "$(dirname "$0")/../../tests/e2e/lib.sh"
bin=$ZEL_BIN_DIR
store=$ZEL_TEST_TOOLS/zelstore
zel_start_x 1280x800
storefile=$("$store" path)
OK_X=7440 # the centre of "O K", in twips of the client area
OK_Y=5900

median() { grep -v -- - | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

shown() { [ -n "$(xdotool search --onlyvisible --classname "^$1\$" 2>/dev/null)" ]; }

# end_list_clock: ends the list clock that OK started and waits for its window to go.
end_list_clock() {
    local wid pid
    wid=$(zel_wait_window '^zelroll$' 30)
    pid=$(xdotool getwindowpid "$wid")
    kill "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
}

# press_ok [PREFIX...]: starts zelsetup (under PREFIX), clicks OK once its window is there and
# prints the milliseconds from the click to the list clock's window.
press_ok() {
    local wid x y t0 t1
    "$store" set Settings Start 1
    (cd "$bin" && exec "$@" "$bin/zelsetup") >/dev/null 2>&1 &
    ZEL_PIDS+=($!)
    wid=$(zel_wait_window '^zelsetup$' 60)
    sleep 0.5 # past the first timer tick
    # The client area's corner on the screen (xwininfo is exact for decorated windows too).
    read -r x y < <(xwininfo -id "$wid" | awk -F: '/Absolute upper-left X/{x=$2}
        /Absolute upper-left Y/{y=$2} END{print x+0, y+0}')
    xdotool mousemove $((x + OK_X / 15)) $((y + OK_Y / 15))
    sleep 0.3
    t0=$(date +%s%N)
    xdotool click 1
    until shown zelroll; do
        sleep 0.005
        # A click before the window took input is lost: click again and count from there.
        [ $((($(date +%s%N) - t0) / 1000000)) -lt 5000 ] || { xdotool click 1; t0=$(date +%s%N); }
    done
    t1=$(date +%s%N)
    echo $(((t1 - t0) / 1000000))
    end_list_clock
}

"$store" set Settings Kind 2 # OK starts the list clock
writes=-
if command -v strace >/dev/null; then
    rm -f "$storefile"
    "$store" set Settings Kind 2
    press_ok strace -qq -e trace=rename,renameat,renameat2 -o "$ZEL_TMP/ok.strace" >/dev/null
    sleep 0.5
    writes=$(grep -cF "\"$storefile\")" "$ZEL_TMP/ok.strace" || true)
fi

ok_ms=()
bare_ms=()
for i in $(seq "$runs"); do
    ok_ms+=("$(press_ok)")
    "$store" set Settings Start 1
    t0=$(date +%s%N)
    (cd "$bin" && exec "$bin/zelroll") >/dev/null 2>&1 &
    ZEL_PIDS+=($!)
    until shown zelroll; do sleep 0.005; done
    t1=$(date +%s%N)
    bare_ms+=($(((t1 - t0) / 1000000)))
    end_list_clock
done
printf 'store writes per OK (fresh store): %s\n' "$writes"
printf 'click on OK to list clock mapped, ms (median of %d): %s; bare start of zelroll: %s\n' \
    "$runs" "$(printf '%s\n' "${ok_ms[@]}" | median)" "$(printf '%s\n' "${bare_ms[@]}" | median)"
echo "  OK runs:   ${ok_ms[*]}"
echo "  bare runs: ${bare_ms[*]}"
