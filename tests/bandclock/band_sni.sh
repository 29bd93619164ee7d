# The task-bar clock on a desktop whose tray speaks StatusNotifierItem (KDE, GNOME with its
# AppIndicator extension): with a watcher on the session bus the icon registers there, its tool
# tip lists the places, no fallback window shows, and when the watcher goes away the fallback
# window shows until it comes back and the icon registers again without a restart.
source "$ZEL_E2E_LIB"
zel_start_x 1024x600
zel_start_atspi # a private session bus

watcher_log="$ZEL_TMP/watcher.log"
start_watcher() {
    "$(dirname "${BASH_SOURCE[0]}")/sni_watcher.py" >>"$watcher_log" 2>&1 &
    watcher=$!
    ZEL_PIDS+=("$watcher")
    zel_poll 20 grep -q "watcher ready" "$watcher_log" || zel_fail "no watcher: $(cat "$watcher_log")"
}
start_watcher

zel_store_set Data PlcCount 1
zel_store_set Data WP0 "Tokyo"
zel_store_set Data WD0 9
zel_store_set Data WP1 "Paris"
zel_store_set Data WD1 1
zel_store_set Settings Start 1
zel_run zelband
band_pid=$ZEL_LAST_PID
zel_poll 30 grep -q "^item " "$watcher_log" || zel_fail "no item registered: $(cat "$watcher_log" "$ZEL_TMP/zelband.log")"
zel_poll 10 grep -q '^tooltip .*Tokyo.*Paris' "$watcher_log" ||
    zel_fail "the tool tip does not list the places: $(cat "$watcher_log")"
zel_no_window zelband || zel_fail "the fallback window shows beside the tray icon"
zel_log "registered: $(grep -m1 '^item ' "$watcher_log"); $(grep -m1 '^tooltip ' "$watcher_log")"

# The tray restarts: the icon comes back by itself.
kill "$watcher"
zel_wait_exit "$watcher" 10 || zel_fail "the watcher did not end"
list_shown() { [ -n "$(xdotool search --onlyvisible --name '^zelband list$' 2>/dev/null || true)" ]; }
zel_poll 5 list_shown || zel_fail "no fallback window while the tray is gone"
: >"$watcher_log"
start_watcher
zel_poll 30 grep -q '^item ' "$watcher_log" || zel_fail "the icon did not register again: $(cat "$watcher_log")"
zel_poll 5 eval '! list_shown' || zel_fail "the fallback window stays beside the tray icon"
kill -0 "$band_pid" || zel_fail "zelband ended with the tray"
zel_log "registered again after the watcher restarted"
