# A Wayland desktop without X: the list clock and the settings run natively and show their
# texts, the panel runs without following and says why, and the title-bar clock, which has no
# title bar to sit in there, hands over to the panel.
source "$ZEL_E2E_LIB"
zel_start_atspi
zel_start_weston

zel_store_set Settings Start 1
zel_run zelroll
roll=$ZEL_LAST_PID
zel_wait_text zelroll Local 30 || zel_fail "zelroll shows no 'Local' on Wayland: $(cat "$ZEL_TMP/zelroll.log")"
[ "$(zel_platform "$roll")" = wayland ] || zel_fail "zelroll is not on Wayland"
zel_wait_text zelroll "Day - Night" 5 || zel_fail "zelroll's strip button is missing"
zel_expect_store Settings Start 0
kill "$roll"
zel_log "the list clock runs on Wayland alone"

zel_store_set Settings Start 1
zel_run zelsetup
zel_wait_text zelsetup Cancel 30 "push button" || zel_fail "zelsetup shows no 'Cancel' on Wayland: $(cat "$ZEL_TMP/zelsetup.log")"
zel_kill_program zelsetup
zel_log "the settings program runs on Wayland alone"

# The title-bar clock says why once and starts the panel, leaving Kind 1 for the launcher.
zel_store_set Settings Start 1
zel_store_set Settings Kind 0
zel_run zelcaption
zel_wait_exit "$ZEL_LAST_PID" 20 || zel_fail "zelcaption did not hand over"
grep -q "panel clock shows the places instead" "$ZEL_TMP/zelcaption.log" ||
    zel_fail "zelcaption did not say why: $(cat "$ZEL_TMP/zelcaption.log")"
zel_expect_store Settings Kind 1
zel_wait_text zelpane Japan 30 || zel_fail "the panel did not take over"
zel_has_text zelpane "This desktop does not show other programs' windows to the panel (Wayland without X), so it cannot follow their title bars." "push button" ||
    zel_fail "the panel's follow button does not say why it cannot follow"
zel_log "the title-bar clock hands over to a panel that does not follow"

# No display at all keeps the one-line refusal.
zel_store_set Settings Start 1
out=$(cd "$ZEL_BIN_DIR" && WAYLAND_DISPLAY= ./zelroll 2>&1) && zel_fail "zelroll started without a display"
[ "$out" = "zelroll: no display to show a window on (DISPLAY is not set)" ] ||
    zel_fail "refusal without a display: '$out'"
zel_log "no display at all: one line"

# The task-bar clock without a tray: its own window, with its texts.
zel_store_set Settings Start 1
zel_run zelband
zel_wait_text zelband Local 30 || zel_fail "zelband shows no window on Wayland: $(cat "$ZEL_TMP/zelband.log")"
zel_log "the task-bar clock shows its own window on Wayland alone"
