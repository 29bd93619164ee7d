# A tray that comes after the task-bar clock (a panel started late, a tray program restarted):
# the clock's own window gives way to the icon in the tray, and comes back when the tray goes.
source "$ZEL_E2E_LIB"
zel_start_x 1024x600

zel_store_set Data PlcCount 1
zel_store_set Data CT 1
zel_store_set Settings Start 1
zel_run zelband
band_pid=$ZEL_LAST_PID
list_shown() { [ -n "$(xdotool search --onlyvisible --name '^zelband list$' 2>/dev/null || true)" ]; }
list_gone() { ! list_shown; }
zel_poll 20 list_shown || zel_fail "no fallback window without a tray"

trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true \
    >"$ZEL_TMP/trayer.log" 2>&1 &
trayer_pid=$!
ZEL_PIDS+=("$trayer_pid")
# in_tray: a zelband window inside trayer's panel window, in the window tree.
in_tray() {
    xwininfo -root -tree | awk '
        /\("panel" "trayer"\)/ { match($0, /^ */); depth = RLENGTH; inside = 1; next }
        inside { match($0, /^ */); if (RLENGTH <= depth) inside = 0 }
        inside && /\("zelband" "zelband"\)/ { found = 1 }
        END { exit !found }'
}
zel_poll 20 in_tray || zel_fail "the icon did not go into the tray that came"
zel_poll 10 list_gone || zel_fail "the fallback window stayed beside the tray icon"
zel_log "a tray that came took the icon; the window went"

kill "$trayer_pid"
zel_poll 20 list_shown || zel_fail "the fallback window did not come back when the tray went"
kill -0 "$band_pid" || zel_fail "zelband ended with the tray"
zel_log "the tray went: the window is back"
