# The programs as the package installs them, run from its usr/bin under Xvfb with a store of the
# test's own: they find one another and the help there exactly as in the build's bin/.
source "$(dirname "$0")/package.sh"
source "$ZEL_E2E_LIB"
root="$ZEL_TMP/root"
dpkg-deb -x "$ZEL_DEB" "$root"
# The e2e helpers start, find and end the programs of this folder.
ZEL_BIN_DIR="$root/usr/bin"

# packaged_window PROGRAM: the id of the program's window, once it is up and runs the packaged file.
packaged_window() {
    local window pid
    window=$(zel_wait_window "$1" 20) || zel_fail "no $1 window"
    pid=$(xdotool getwindowpid "$window")
    [ "$(readlink "/proc/$pid/exe")" = "$ZEL_BIN_DIR/$1" ] ||
        zel_fail "$1 runs $(readlink "/proc/$pid/exe"), not the packaged one"
    echo "$window"
}

# click WINDOW X Y: a click at pixel X, Y of the window's client area.
click() {
    local x y w h
    read -r x y w h < <(zel_geometry "$1")
    xdotool mousemove $((x + $2)) $((y + $3)) sleep 0.2 click 1
}

zel_start_x 1024x700

# As a menu that ignores the entry's Path starts it: from the home folder, where the launcher
# finds the panel clock beside itself.
mkdir -p "$ZEL_TMP/home"
(cd "$ZEL_TMP/home" && exec "$ZEL_BIN_DIR/zelhome") >"$ZEL_TMP/zelhome.log" 2>&1 &
launcher=$!
ZEL_PIDS+=("$launcher")
panel=$(packaged_window zelpane)
zel_wait_exit "$launcher" 10 || zel_fail "zelhome still runs"
zel_log "zelhome from usr/bin started the packaged zelpane"

# The panel's second button switches to the list clock, found beside the panel.
click "$panel" 12 8
list=$(packaged_window zelroll)
zel_poll 10 zel_no_window zelpane || zel_fail "zelpane stayed after the switch"
zel_expect_store Settings Start 0
zel_log "zelpane switched to the packaged zelroll"

# The list clock's settings button, then Help: the settings program shows the pages of
# usr/share/zelclock/help (a help that cannot be found gives a message box instead).
click "$list" 20 8
settings=$(packaged_window zelsetup)
help_window() { xdotool search --onlyvisible --name "^Zel's World Clock Help" 2>/dev/null | grep -m1 .; }
help=""
for _ in 1 2 3; do # a click that came before the window took input is given again
    xdotool mousemove --window "$settings" $((8527 / 15)) $((5542 / 15)) sleep 0.2 click 1
    help=$(zel_poll 5 help_window) && break
done
[ -n "$help" ] || zel_fail "Help showed no help window"
zel_log "zelsetup found its help: $(xdotool getwindowname "$help")"
echo "package run: all checks passed"
