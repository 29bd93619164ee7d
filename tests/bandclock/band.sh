# The task-bar clock as a real process: on a desktop without a tray its list window at the
# bottom right corner, which keeps its position; with a real tray (trayer) its icon embedded in
# the tray, the list on a left click, and the menu's hand-over to the list clock.
source "$ZEL_E2E_LIB"
zel_start_x 1024x600

places() {
    zel_store_set Data PlcCount 1
    zel_store_set Data CT 1
    zel_store_set Data WP0 "Tokyo"
    zel_store_set Data WD0 9
    zel_store_set Data WP1 "Paris"
    zel_store_set Data WD1 1
}

# No hand-over: ends at once.
zel_run zelband
zel_wait_exit "$ZEL_LAST_PID" 5 || zel_fail "zelband ran although Start is missing"

# No tray: the list as a window of its own in the bottom right corner.
places
zel_store_set Settings Start 1
zel_run zelband
band_pid=$ZEL_LAST_PID
list=$(zel_wait_window zelband 10) || zel_fail "no fallback window"
zel_expect_store Settings Start 0
read -r lx ly lw lh < <(zel_geometry "$list")
[ $((lx + lw)) = 1024 ] && [ $((ly + lh)) = 600 ] ||
    zel_fail "fallback window at $lx,$ly ${lw}x$lh, not in the bottom right corner"
[ "$lh" -gt 40 ] || zel_fail "fallback window only $lh pixels high for three rows"
zel_log "no tray: list window at $lx,$ly ${lw}x$lh"
mkdir -p "$ZEL_TMP/shots"
zel_screenshot "$ZEL_TMP/shots/fallback.png"
[ -z "${ZEL_KEEP_FALLBACK:-}" ] || cp "$ZEL_TMP/shots/fallback.png" "$ZEL_KEEP_FALLBACK"

zel_store_set Data Change 1
for i in $(seq 50); do [ "$(zel_store_get Data Change)" = 0 ] && break; sleep 0.02; done
zel_expect_store Data Change 0

# "Start at login", the sixth entry (after "12-hour clock"), writes the desktop's login entry for the launcher beside
# the programs, which desktop-file-validate accepts; chosen again, it removes it.
xdotool windowmove --sync "$list" 200 150
read -r mx my mw mh < <(zel_geometry "$list")
entry="$XDG_CONFIG_HOME/autostart/zelhome.desktop"
login_item() {
    xdotool mousemove $((mx + 10)) $((my + 8))
    sleep 0.2
    xdotool click 3
    sleep 0.5
    xdotool key Down Down Down Down Down Down Return
}
login_item
zel_poll 5 test -f "$entry" || zel_fail "no login entry at $entry"
desktop-file-validate "$entry" || zel_fail "desktop-file-validate refuses the login entry"
grep -qx "Exec=$ZEL_BIN_DIR/zelhome" "$entry" || zel_fail "the login entry does not start zelhome: $(cat "$entry")"
login_item
zel_poll 5 test ! -e "$entry" || zel_fail "the login entry is still there"
zel_log "start at login: $entry written, valid, and removed"

# Moved, then ended from its menu (the seventh entry): the position is kept for the next start.
xdotool mousemove $((mx + 10)) $((my + 8))
sleep 0.2
xdotool click 3
sleep 0.5
xdotool key Down Down Down Down Down Down Down Return
zel_wait_exit "$band_pid" 5 || zel_fail "zelband did not end from its menu"
zel_expect_store Settings BandLeft $((mx * 15))
zel_expect_store Settings BandTop $((my * 15))
zel_store_set Settings Start 1
zel_run zelband
band_pid=$ZEL_LAST_PID
list=$(zel_wait_window zelband 10) || zel_fail "no fallback window on restart"
read -r rx ry rw rh < <(zel_geometry "$list")
[ "$rx $ry" = "$mx $my" ] || zel_fail "restarted at $rx,$ry, expected $mx,$my"
zel_log "ended from the menu at $mx,$my and reopened there"
kill "$band_pid"
zel_wait_exit "$band_pid" 5 || zel_fail "zelband did not end on SIGTERM"

# A real tray: the icon is embedded in it and no fallback window shows.
trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true \
    >"$ZEL_TMP/trayer.log" 2>&1 &
ZEL_PIDS+=($!)
zel_store_set Settings Start 1
zel_run zelband
band_pid=$ZEL_LAST_PID
# embedded_icon: the id of a zelband window inside trayer's panel window, in the window tree.
embedded_icon() {
    xwininfo -root -tree | awk '
        /\("panel" "trayer"\)/ { match($0, /^ */); depth = RLENGTH; inside = 1; next }
        inside { match($0, /^ */); if (RLENGTH <= depth) inside = 0 }
        inside && /\("zelband" "zelband"\)/ { if (!found) print $1; found = 1 }'
}
icon=
for i in $(seq 100); do
    icon=$(embedded_icon || true)
    [ -n "$icon" ] && break
    sleep 0.1
done
[ -n "$icon" ] || zel_fail "no zelband window in the tray's tree: $(xwininfo -root -tree)"
sleep 1 # the tray lays out its icons after embedding them
read -r ix iy iw ih < <(xwininfo -id "$icon" | awk -F: '
    /Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
    /Width/{w=$2} /Height/{h=$2} END{print x+0, y+0, w+0, h+0}')
[ "$iw" -ge 16 ] && [ "$ih" -ge 16 ] || zel_fail "tray icon is ${iw}x$ih"
# Only the icon is up: no list window yet.
[ -z "$(xdotool search --onlyvisible --name '^zelband list$' 2>/dev/null || true)" ] ||
    zel_fail "a list window shows beside the tray icon"
zel_log "icon embedded in trayer at $ix,$iy ${iw}x$ih"

# Left click: the list opens above the icon; a second click closes it.
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2))
sleep 0.2
xdotool click 1
list=
for i in $(seq 50); do
    list=$(xdotool search --onlyvisible --name '^zelband list$' 2>/dev/null | head -n1 || true)
    [ -n "$list" ] && break
    sleep 0.1
done
[ -n "$list" ] || zel_fail "a left click opened no list"
zel_screenshot "$ZEL_TMP/shots/tray.png"
[ -z "${ZEL_KEEP_TRAY:-}" ] || cp "$ZEL_TMP/shots/tray.png" "$ZEL_KEEP_TRAY"
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2))
sleep 0.3
xdotool click 1
for i in $(seq 30); do
    [ -z "$(xdotool search --onlyvisible --name '^zelband list$' 2>/dev/null || true)" ] && break
    sleep 0.1
done
[ -z "$(xdotool search --onlyvisible --name '^zelband list$' 2>/dev/null || true)" ] ||
    zel_fail "a second click left the list open"
zel_log "left click opens the list, a second one closes it"

# Right click, third entry: the list clock, with "Kind" 2.
xdotool click 3
sleep 0.5
xdotool key Down Down Down Return
zel_wait_window zelroll 10 >/dev/null || zel_fail "the tray menu did not start the list clock"
zel_wait_exit "$band_pid" 5 || zel_fail "zelband still runs beside the list clock"
zel_expect_store Settings Kind 2
zel_expect_store Settings Start 0
zel_log "tray menu: list clock started, Kind 2"
echo "task-bar clock: all checks passed"
