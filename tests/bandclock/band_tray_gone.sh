# The tray program ends under a running task-bar clock: its fallback window shows at once (not
# at the next minute's tick), and goes into the tray again as soon as one comes back.
source "$ZEL_E2E_LIB"
zel_start_x 1024x600

start_tray() {
    trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true \
        >>"$ZEL_TMP/trayer.log" 2>&1 &
    trayer_pid=$!
    ZEL_PIDS+=("$trayer_pid")
}
window_shown() { [ -n "$(xdotool search --onlyvisible --name '^zelband list$' 2>/dev/null || true)" ]; }
window_gone() { ! window_shown; }

start_tray
zel_poll 20 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null || zel_fail "no window manager"
zel_poll 20 sh -c 'xwininfo -root -tree | grep -q "(\"panel\" \"trayer\")"' || zel_fail "no tray"
zel_store_set Data PlcCount 0 # the computer's own time only: one tick a minute
zel_store_set Settings Start 1
zel_run zelband
band_pid=$ZEL_LAST_PID
zel_poll 20 sh -c 'xwininfo -root -tree | grep -q "(\"zelband\" \"zelband\")"' ||
    zel_fail "no tray icon"
window_gone || zel_fail "the fallback window shows beside the tray"

# Each change must be seen within three seconds; the next minute's tick is further away.
[ "$(date +%S | sed 's/^0//')" -lt 50 ] || sleep 12
kill "$trayer_pid"
zel_poll 3 window_shown || zel_fail "no fallback window within 3 s of the tray's end"
zel_log "the tray ended: the fallback window shows"
start_tray
zel_poll 3 window_gone || zel_fail "the fallback window stays 3 s after a tray came"
kill -0 "$band_pid" || zel_fail "zelband ended"
zel_log "a tray came again: the window went"
