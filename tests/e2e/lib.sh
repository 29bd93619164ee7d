# Shared by the end-to-end tests: sourced, never run. Gives the test a private X display with a
# real window manager, a private settings folder, a pinned locale and time zone, and helpers to
# read the store, find windows and wait for processes. Everything started is ended on exit.
set -euo pipefail

: "${ZEL_BIN_DIR:?run through ctest}"
: "${ZEL_TEST_TOOLS:?run through ctest}"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC
unset QT_QPA_PLATFORM
ZEL_TMP=$(mktemp -d "${TMPDIR:-/tmp}/zel-e2e.XXXXXX")
export XDG_CONFIG_HOME="$ZEL_TMP/config" XDG_RUNTIME_DIR="$ZEL_TMP/runtime"
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
ZEL_PIDS=()

# zel_display_pids [PROGRAM]: the suite's processes (or one program's) on this test's display.
# Tests run side by side, each on a display of its own: never touch another test's programs.
# A Wayland-only test knows its programs by the compositor's socket instead.
zel_display_pids() {
    local pid mark
    if [ -n "${DISPLAY:-}" ]; then
        mark="DISPLAY=$DISPLAY"
    elif [ -n "${WAYLAND_DISPLAY:-}" ]; then
        mark="WAYLAND_DISPLAY=$WAYLAND_DISPLAY"
    else
        return 0
    fi
    for pid in $(pgrep -f "^$ZEL_BIN_DIR/${1:-}" 2>/dev/null || true); do
        if tr '\0' '\n' </proc/"$pid"/environ 2>/dev/null | grep -qx "$mark"; then
            echo "$pid"
        fi
    done
}

# zel_kill_program PROGRAM: ends that program wherever it runs on this test's display.
zel_kill_program() {
    local pid
    for pid in $(zel_display_pids "$1"); do kill "$pid" 2>/dev/null || true; done
}

zel_cleanup() {
    local pid
    for pid in "${ZEL_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    # Programs started by other programs are not in the list: end every suite program that
    # runs on this test's display.
    for pid in $(zel_display_pids); do kill "$pid" 2>/dev/null || true; done
    sleep 0.2
    for pid in "${ZEL_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$ZEL_TMP"
}
trap zel_cleanup EXIT

zel_fail() {
    echo "FAIL: $*" >&2
    # What the programs said, so that a failure seen once can be understood afterwards.
    local f
    for f in "$ZEL_TMP"/*.log; do
        [ -s "$f" ] || continue
        echo "--- ${f##*/}:" >&2
        tail -n 20 "$f" >&2
    done
    exit 1
}

zel_log() {
    echo "-- $*"
}

# zel_x_logs: the X server's and the window manager's logs, for a failure message.
zel_x_logs() {
    local f
    for f in "$ZEL_TMP/xvfb.log" "$ZEL_TMP/$ZEL_WM.log" "$ZEL_TMP/weston.log"; do
        echo "---- $(basename "$f"):" >&2
        cat "$f" >&2 2>/dev/null || echo "(none)" >&2
    done
}

# zel_x_fail MESSAGE: fails with the logs that tell why the display did not come up.
zel_x_fail() {
    zel_x_logs
    zel_fail "$*"
}

# zel_poll SECONDS COMMAND...: true as soon as COMMAND succeeds, polling every tenth of a second
# against the wall clock (a loaded machine makes each try slow, so tries are not counted).
zel_poll() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    while :; do
        "$@" && return 0
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# zel_wakeups PID SECONDS: how often the program's main thread woke up (went to sleep again)
# during SECONDS; an idle clock wakes about once a second, not ten times.
zel_wakeups() {
    local a b
    a=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status")
    sleep "$2"
    b=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status")
    echo $((b - a))
}

zel_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# How long the X server and the window manager may take to start: a cold machine right after
# installing them loads fonts and libraries from disk for many seconds.
ZEL_X_START_LIMIT=${ZEL_X_START_LIMIT:-30}

# The window manager of this run: a test registered for several (zel_add_e2e ... WMS) runs once
# under each, named in ZEL_WM; openbox otherwise.
ZEL_WM=${ZEL_WM:-openbox}

# zel_start_x [WIDTHxHEIGHT] [WINDOW-MANAGER]: a private Xvfb display and the window manager
# named (by default this run's), with its usual arguments, on it.
zel_start_x() {
    local size=${1:-1280x800} wm=${2:-$ZEL_WM}
    local fifo="$ZEL_TMP/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo" >"$ZEL_TMP/xvfb.log" 2>&1 &
    ZEL_PIDS+=($!)
    ZEL_DISPLAY_PID=$!
    local n
    read -r -t "$ZEL_X_START_LIMIT" n <"$fifo" || zel_x_fail "Xvfb did not start"
    export DISPLAY=":$n"
    case $wm in
    mutter | kwin)
        zel_start_compositor "$wm" "$size"
        return
        ;;
    openbox) openbox --sm-disable >"$ZEL_TMP/openbox.log" 2>&1 & ;;
    xfwm4)
        # Its settings come from xfconf, a service on the session bus: a bus of its own, which
        # takes xfconf with it when it ends.
        local bus
        bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) ||
            zel_x_fail "no D-Bus session for xfwm4"
        ZEL_PIDS+=("${bus##*$'\n'}")
        DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*} NO_AT_BRIDGE=1 xfwm4 --sm-client-disable \
            >"$ZEL_TMP/xfwm4.log" 2>&1 &
        ;;
    *) "$wm" >"$ZEL_TMP/$wm.log" 2>&1 & ;;
    esac
    ZEL_PIDS+=($!)
    zel_poll "$ZEL_X_START_LIMIT" zel_wm_ready ||
        zel_x_fail "$wm did not start within $ZEL_X_START_LIMIT s"
}

# The X server of the display the programs run on (Xvfb, or a compositor's XWayland): ending it
# takes their display away.
ZEL_DISPLAY_PID=

# Where the screen is seen: the X display whose root shows what the user sees. Under a Wayland
# compositor that is the Xvfb display it draws into, not XWayland's, whose root shows nothing.
ZEL_SCREEN_DISPLAY=

# zel_start_compositor mutter|kwin WIDTHxHEIGHT: GNOME Shell's or KDE Plasma's compositor as a
# window of this test's Xvfb display (as large as the display, at its top left), with XWayland.
# DISPLAY then names XWayland's display, where the clocks run as they do on those desktops.
# Skips the test where the compositor is not installed (tools/install-desktops installs it).
zel_start_compositor() {
    local wm=$1 size=$2 pid
    local program=${wm/#kwin/kwin_wayland}
    command -v "$program" >/dev/null || {
        echo "SKIP: $program is not installed (tools/install-desktops)"
        exit 77
    }
    ZEL_SCREEN_DISPLAY=$DISPLAY
    zel_start_session_bus
    case $wm in
    mutter)
        MUTTER_DEBUG_DUMMY_MODE_SPECS=$size mutter --nested --wayland \
            --wayland-display=wayland-zel >"$ZEL_TMP/mutter.log" 2>&1 &
        ;;
    kwin)
        # A copy without the file capability that lets it raise its priority, which a container
        # may refuse to honour by refusing to run it at all.
        cp "$(command -v kwin_wayland)" "$ZEL_TMP/kwin_wayland"
        "$ZEL_TMP/kwin_wayland" --x11-display "$DISPLAY" --xwayland --socket wayland-zel \
            --width "${size%x*}" --height "${size#*x}" >"$ZEL_TMP/kwin.log" 2>&1 &
        ;;
    esac
    pid=$!
    ZEL_PIDS+=("$pid")
    # XWayland, the compositor's child, names its display (and any key to it) on its command line.
    local i args=
    for i in $(seq $((ZEL_X_START_LIMIT * 5))); do
        args=$(ps -o pid=,args= --ppid "$pid" | grep -m1 Xwayland || true)
        [ -n "$args" ] && break
        sleep 0.2
    done
    [[ $args =~ \ (:[0-9]+)\  ]] || zel_x_fail "$wm started no XWayland"
    read -r ZEL_DISPLAY_PID _ <<<"$args"
    export DISPLAY=${BASH_REMATCH[1]}
    if [[ $args =~ -auth\ ([^ ]+) ]]; then
        export XAUTHORITY=${BASH_REMATCH[1]}
    fi
    unset WAYLAND_DISPLAY
    zel_poll "$ZEL_X_START_LIMIT" zel_wm_ready ||
        zel_x_fail "$wm did not start within $ZEL_X_START_LIMIT s"
}

# zel_start_two_monitors WIDTHxHEIGHT: a private X display with two monitors of that size side
# by side, as RandR outputs (Qt takes its screens from RandR only), and openbox on it. Xvfb has
# one output and ignores added monitors, so this is Xorg with the dummy driver; Xorg accepts a
# configuration file of the caller's only from root. Shares the console rather than taking it.
zel_start_two_monitors() {
    local size=$1
    local w=${size%x*} h=${size#*x}
    [ "$(id -u)" -eq 0 ] || { echo "SKIP: Xorg with a configuration of its own needs root"; exit 77; }
    cat >"$ZEL_TMP/xorg.conf" <<CONF
Section "ServerFlags"
  Option "AutoAddDevices" "false"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5-200
  VertRefresh 5-200
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual $((2 * w)) $h
  EndSubSection
EndSection
CONF
    local fifo="$ZEL_TMP/displayfd"
    mkfifo "$fifo"
    Xorg -displayfd 3 -config "$ZEL_TMP/xorg.conf" -logfile "$ZEL_TMP/xvfb.log" -noreset \
        -nolisten tcp -sharevts -novtswitch 3>"$fifo" >/dev/null 2>&1 &
    ZEL_PIDS+=($!)
    local n
    read -r -t "$ZEL_X_START_LIMIT" n <"$fifo" || zel_x_fail "Xorg did not start"
    export DISPLAY=":$n"
    xrandr --fb "$((2 * w))x$h" --output DUMMY0 --mode "$size" --pos 0x0 ||
        zel_x_fail "no $size mode on the first monitor"
    xrandr --addmode DUMMY1 "$size" && xrandr --output DUMMY1 --mode "$size" --right-of DUMMY0 ||
        zel_x_fail "no second monitor"
    openbox --sm-disable >"$ZEL_TMP/openbox.log" 2>&1 &
    ZEL_PIDS+=($!)
    zel_poll "$ZEL_X_START_LIMIT" zel_wm_ready ||
        zel_x_fail "openbox did not start within $ZEL_X_START_LIMIT s"
}

# zel_run PROGRAM: starts a suite program in the background from its folder (the start
# directory); its pid is in ZEL_LAST_PID.
zel_run() {
    local program=$1
    shift
    (cd "$ZEL_BIN_DIR" && exec "$@" "$ZEL_BIN_DIR/$program") >"$ZEL_TMP/$program.log" 2>&1 &
    ZEL_LAST_PID=$!
    ZEL_PIDS+=("$ZEL_LAST_PID")
}

# zel_run_alone PROGRAM: starts a copy of a suite program from a folder of its own, where none
# of the other programs is found; its pid is in ZEL_LAST_PID.
zel_run_alone() {
    local folder="$ZEL_TMP/alone-$1"
    mkdir -p "$folder"
    cp "$ZEL_BIN_DIR/$1" "$folder/"
    (cd "$folder" && exec "./$1") >"$ZEL_TMP/alone-$1.log" 2>&1 &
    ZEL_LAST_PID=$!
    ZEL_PIDS+=("$ZEL_LAST_PID")
}

zel_store_get() { "$ZEL_TEST_TOOLS/zelstore" get "$1" "$2"; }
zel_store_set() { "$ZEL_TEST_TOOLS/zelstore" set "$1" "$2" "$3"; }
zel_store_file() { "$ZEL_TEST_TOOLS/zelstore" path; }

# zel_expect_store SECTION KEY VALUE
zel_expect_store() {
    local got
    got=$(zel_store_get "$1" "$2") || got="<missing>"
    [ "$got" = "$3" ] || zel_fail "$1/$2 is '$got', expected '$3'"
}

# zel_wait_exit PID SECONDS: true when the process ended in time.
zel_wait_exit() {
    local pid=$1
    zel_poll "$2" zel_process_gone "$pid"
}
zel_process_gone() { ! kill -0 "$1" 2>/dev/null; }

# zel_find_window NAME: prints the id of the first visible window whose WM_CLASS or name
# matches NAME; false when there is none.
zel_find_window() {
    local id
    id=$(xdotool search --onlyvisible --classname "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] || id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] || return 1
    echo "$id"
}

# zel_wait_window NAME SECONDS: prints the id of the first visible window whose WM_CLASS or
# name matches NAME.
zel_wait_window() {
    zel_poll "$2" zel_find_window "$1"
}

# zel_no_window NAME: true when no visible window of that name exists.
zel_no_window() {
    [ -z "$(xdotool search --onlyvisible --classname "$1" 2>/dev/null || true)" ]
}

# zel_geometry WINDOW: prints "X Y WIDTH HEIGHT" of the window's client area on the screen.
zel_geometry() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '
        $1=="X"{x=$2} $1=="Y"{y=$2} $1=="WIDTH"{w=$2} $1=="HEIGHT"{h=$2}
        END{print x, y, w, h}'
}

# zel_store_six_places: six places in the store's six slots, from Tokyo to Sydney, with whole,
# half and quarter hours; PlcCount is left to the caller.
zel_store_six_places() {
    local names=("Tokyo" "London" "New York" "Delhi" "Kathmandu" "Sydney")
    local hours=(9 0 -5 5 6 10) minutes=(0 0 0 -30 -15 0) i
    for i in 0 1 2 3 4 5; do
        zel_store_set Data "WP$i" "${names[$i]}"
        zel_store_set Data "WD$i" "${hours[$i]}"
        zel_store_set Data "WDM$i" "${minutes[$i]}"
    done
}

zel_screenshot() {
    DISPLAY=${ZEL_SCREEN_DISPLAY:-$DISPLAY} import -window root "$1"
}

# zel_pointer XDOTOOL-COMMANDS...: the user's own pointer and buttons. Under a Wayland compositor
# XWayland's pointer (which plain xdotool moves) never reaches the compositor, so what it does
# itself, such as moving a window for it, takes the pointer of the display it draws into.
zel_pointer() {
    DISPLAY=${ZEL_SCREEN_DISPLAY:-$DISPLAY} xdotool "$@"
}

# zel_screen_pixels X Y WIDTH HEIGHT: the screen's pixels there as ImageMagick's text, one line
# a pixel ("x,y: (...) #RRGGBB ..."), as the user sees them: title bars drawn by a compositor
# included, and windows above others covering them.
zel_screen_pixels() {
    DISPLAY=${ZEL_SCREEN_DISPLAY:-$DISPLAY} import -window root -crop "$3x$4+$1+$2" +repage txt:-
}

# zel_start_session_bus: a private D-Bus session bus for what this test starts from now on.
zel_start_session_bus() {
    local out
    out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) ||
        zel_fail "no D-Bus session"
    export DBUS_SESSION_BUS_ADDRESS=${out%%$'\n'*}
    ZEL_PIDS+=("${out##*$'\n'}")
}

# zel_start_atspi: a private D-Bus session with the accessibility bus, so that zel_atspi_texts
# can read the windows' texts. Programs started afterwards expose their widgets on it.
zel_start_atspi() {
    zel_start_session_bus
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$ZEL_TMP/atspi.log" 2>&1 &
    ZEL_PIDS+=($!)
    # Qt offers its widgets only when told that a reader is there.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# zel_atspi_texts APPLICATION [ROLE]: "x y text" for every label (or control of ROLE) of the
# application, top to bottom.
zel_atspi_texts() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_texts.py" "$@"
}

# zel_has_text PROGRAM TEXT [ROLE]: true when PROGRAM shows TEXT as the whole text of a control
# (a label, or another role as atspi_texts.py names it).
zel_has_text() {
    zel_atspi_texts "$1" ${3:+"$3"} 2>/dev/null | cut -d' ' -f3- | grep -qxF "$2"
}

# zel_wait_text PROGRAM TEXT SECONDS [ROLE]: true once PROGRAM shows TEXT.
zel_wait_text() { zel_poll "$3" zel_has_text "$1" "$2" ${4:+"$4"}; }

# zel_start_weston [--xwayland]: a private headless Wayland compositor, no X display unless
# asked for one (then X clients get XWayland through weston's own window manager).
zel_start_weston() {
    unset DISPLAY
    export WAYLAND_DISPLAY=wayland-zel
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        --width=1280 --height=800 "$@" >"$ZEL_TMP/weston.log" 2>&1 &
    ZEL_PIDS+=($!)
    zel_poll "$ZEL_X_START_LIMIT" test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
        zel_x_fail "weston did not start within $ZEL_X_START_LIMIT s"
    if [ "${1:-}" = --xwayland ]; then
        zel_poll "$ZEL_X_START_LIMIT" grep -q 'xserver listening on display' "$ZEL_TMP/weston.log" ||
            zel_x_fail "weston gave no X display"
        DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$ZEL_TMP/weston.log" | head -n1)
        export DISPLAY
    fi
}

# zel_platform PID: the Qt platform plugin the program has loaded ("xcb", "wayland").
zel_platform() {
    grep -o 'libqxcb\.so\|libqwayland-[a-z]*\.so' "/proc/$1/maps" 2>/dev/null | head -n1 |
        sed 's/libq\(xcb\|wayland\).*/\1/'
}

# zel_frame_of WINDOW: "LEFT TOP RIGHT BOTTOM" of an X window with its decoration.
zel_frame_of() {
    local x y w h ext l r t b
    read -r x y w h < <(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
        /Width/{w=$2} /Height/{h=$2} END{print x+0, y+0, w+0, h+0}')
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
    echo $((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))
}

# zel_title_height WINDOW: the height of the window's decoration above its client, the title bar.
zel_title_height() {
    local ext l r t b
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
    echo "$t"
}

# zel_frame_at WINDOW X Y: the window's frame has its top left corner there.
zel_frame_at() {
    local l t r b
    read -r l t r b < <(zel_frame_of "$1")
    [ "$l" = "$2" ] && [ "$t" = "$3" ]
}

# zel_await_frame_at WHAT WINDOW X Y: the window's frame reaches the place within ten seconds.
zel_await_frame_at() {
    local l t r b
    zel_poll 10 zel_frame_at "$2" "$3" "$4" && return 0
    read -r l t r b < <(zel_frame_of "$2")
    zel_fail "$1 at $l,$t, expected $3,$4"
}

# For awk over ImageMagick's text of pixels: a colour's channel from its hex digits, and how far
# apart two colours ("RRGGBB") look, the largest of the channel differences.
ZEL_AWK_COLOURS='
    function hex(s) { s = tolower(s); return 16 * (index("0123456789abcdef", substr(s, 1, 1)) - 1) + index("0123456789abcdef", substr(s, 2, 1)) - 1 }
    function dist(a, b,   i, d, m) {
        for (i = 1; i <= 5; i += 2) { d = hex(substr(a, i, 2)) - hex(substr(b, i, 2)); if (d < 0) d = -d; if (d > m) m = d }
        return m
    }'

# zel_screen_colour X Y: the screen's colour at X,Y as #RRGGBB.
zel_screen_colour() {
    zel_screen_pixels "$1" "$2" 1 1 | sed -n 's/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p' | tail -n1
}

# zel_screen_ink X Y WIDTH HEIGHT GROUND: the commonest colour there that stands well apart from
# GROUND (#RRGGBB), as a text's strokes do from anti-aliased edges; nothing when none does.
zel_screen_ink() {
    zel_screen_pixels "$1" "$2" "$3" "$4" | awk -v g="${5#\#}" "$ZEL_AWK_COLOURS"'
        /^[0-9]/ { c = $0; sub(/.*#/, "", c); c = substr(c, 1, 6); if (dist(c, g) > 96) n[c]++ }
        END { for (c in n) if (n[c] > best) { best = n[c]; ink = c } if (ink != "") print "#" ink }'
}

# zel_first_button WINDOW: how far the left edge of the first button of WINDOW's title bar lies
# from its frame's right end, read from the frame's own pixels (right of the title, the first
# column that differs from the bar's ground, with no wider stretch of ground than half the bar's
# height inside the button group). Read from the screen, where compositors draw title bars too,
# while nothing else covers that title bar.
zel_first_button() {
    local l t r b h
    read -r l t r b < <(zel_frame_of "$1")
    h=$(zel_title_height "$1")
    zel_screen_pixels "$l" $((t + 2)) $((r - l)) $((h - 4)) | awk -F'[,: ]+' -v t="$h" "$ZEL_AWK_COLOURS"'
        /^[0-9]/ {
            x = $1; y = $2; c = $0; sub(/.*#/, "", c); c = substr(c, 1, 6)
            px[x, y] = c; count[y, c]++; if (x > w) w = x; if (y > h) h = y
        }
        END {
            for (k in count) { split(k, p, SUBSEP); if (count[k] > best[p[1]]) { best[p[1]] = count[k]; ground[p[1]] = p[2] } }
            for (x = 0; x <= w; x++) { ink[x] = 0; for (y = 0; y <= h; y++) if (dist(px[x, y], ground[y]) > 40) ink[x] = 1 }
            x = w; while (x > 0 && ink[x]) x--            # the right border
            while (x > 0 && !ink[x]) x--                  # the ground right of the buttons
            first = x; run = 0
            for (; x >= 0; x--) {
                if (ink[x]) { first = x; run = 0 } else if (++run > t / 2) break
            }
            print w + 1 - first
        }'
}
