# The title-bar clock's gap under icewm, whose title bar holds five buttons: the default gap
# clears them, a drag along the title bar sets another gap, which is stored and used again by the
# next start.
source "$ZEL_E2E_LIB"
zel_start_x 1024x600 icewm

zel_store_set Settings Start 1
zel_run zelcaption
caption_pid=$ZEL_LAST_PID
xterm -geometry 140x12+100+120 -title "under icewm" &
ZEL_PIDS+=($!)
xt=$(zel_wait_window "under icewm" 20) || zel_fail "no xterm"
xdotool windowactivate --sync "$xt" 2>/dev/null || true
caption=$(zel_wait_window zelcaption 20) || zel_fail "the clock did not show over the xterm"

# gap_is GAP: the clock's right end lies GAP pixels left of the xterm frame's, in its title bar.
gap_is() {
    local fl ft fr fb cx cy cw ch
    read -r fl ft fr fb < <(zel_frame_of "$xt")
    read -r cx cy cw ch < <(zel_geometry "$caption")
    [ $((cx + cw)) = $((fr - $1)) ]
}
# Five buttons of a 24 pixel bar, and air.
zel_poll 10 gap_is 116 || zel_fail "clock at $(zel_geometry "$caption"), xterm frame $(zel_frame_of "$xt")"
zel_screenshot "$ZEL_TMP/icewm.png"
[ -z "${ZEL_KEEP_SCREENSHOT:-}" ] || cp "$ZEL_TMP/icewm.png" "$ZEL_KEEP_SCREENSHOT"
read -r fl ft fr fb < <(zel_frame_of "$xt")
zel_log "default gap: right end 116 pixels left of the frame's right end $fr"

# Dragged 50 pixels to the left: a gap of 166, stored, and kept by the next start.
read -r cx cy cw ch < <(zel_geometry "$caption")
xdotool mousemove $((cx + 5)) $((cy + 5)) mousedown 1
sleep 0.2
xdotool mousemove $((cx - 20)) $((cy + 5))
sleep 0.2
xdotool mousemove $((cx - 45)) $((cy + 25))
sleep 0.3
xdotool mouseup 1
sleep 0.3
zel_expect_store Settings CaptionGap $((166 * 15))
kill "$caption_pid"
zel_wait_exit "$caption_pid" 10 || zel_fail "zelcaption did not end"
zel_store_set Settings Start 1
zel_run zelcaption
caption_pid=$ZEL_LAST_PID
xdotool windowactivate --sync "$xt" 2>/dev/null || true
caption=$(zel_wait_window zelcaption 20) || zel_fail "the clock did not come back"
zel_poll 10 gap_is 166 || zel_fail "restarted at $(zel_geometry "$caption"), frame $(zel_frame_of "$xt")"
zel_log "dragged gap 166 kept across a restart"
