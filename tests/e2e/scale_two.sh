# At QT_SCALE_FACTOR=2 every window is twice as large in the X server's pixels: a saved place
# reopens where it was, the panel lies over an xterm's title bar 60 logical pixels left of its
# right end, and what it saves on closing is that place again.
source "$ZEL_E2E_LIB"
zel_start_x 1280x800
export QT_SCALE_FACTOR=2

# near_twips WHAT GOT WANT: within one logical pixel, 15 twips.
near_twips() {
    local d=$(($2 - $3))
    [ "${d#-}" -le 15 ] || zel_fail "$1 is $2, expected $3"
}

# 200,100 logical pixels: 400,200 on the X server.
zel_store_set Settings Start 1
zel_store_set Settings MainLeft 3000
zel_store_set Settings MainTop 1500
zel_run zelpane
pane=$ZEL_LAST_PID
panel=$(zel_wait_window zelpane 30) || zel_fail "no panel window"
# Within a logical pixel: openbox's border is one device pixel wide, half a logical one.
frame_near() {
    local l2 t2 r2 b2
    read -r l2 t2 r2 b2 < <(zel_frame_of "$panel")
    [ $((l2 - $1)) -le 2 ] && [ $(($1 - l2)) -le 2 ] && [ $((t2 - $2)) -le 2 ] && [ $(($2 - t2)) -le 2 ]
}
zel_poll 10 frame_near 400 200 || zel_fail "opened at $(zel_frame_of "$panel"), expected 400 200"
read -r px py pw ph < <(zel_geometry "$panel")
[ "$ph" = 48 ] || zel_fail "panel height $ph device pixels, expected 48 (360 twips at scale 2)"
zel_log "saved place 3000,1500 twips opens at device 400,200"

xterm -geometry 70x12+420+300 -T followed &
ZEL_PIDS+=($!)
term=$(zel_wait_window followed 20) || zel_fail "no xterm"
xdotool windowactivate --sync "$term"
read -r fl ft fr fb < <(zel_frame_of "$term")
# The panel's one-device-pixel borders are half a logical pixel each, which Qt rounds: right
# end within three device pixels.
on_title_bar() {
    local l t r b
    read -r l t r b < <(zel_frame_of "$panel")
    [ $((fr - 120 - r)) -le 3 ] && [ $((fr - 120 - r)) -ge -3 ] &&
        [ $((ft + 4 - t)) -le 2 ] && [ $((ft + 4 - t)) -ge -2 ]
}
zel_poll 10 on_title_bar || zel_fail "panel at $(zel_frame_of "$panel"), xterm frame $fl $ft $fr $fb"
read -r l t r b < <(zel_frame_of "$panel")
zel_log "panel right end $r, xterm's $fr: 120 device pixels apart; top $t under $ft"
zel_screenshot "$ZEL_TMP/scale2.png"
[ -z "${ZEL_KEEP_SCREENSHOT:-}" ] || cp "$ZEL_TMP/scale2.png" "$ZEL_KEEP_SCREENSHOT"

# The end button, 36,8 logical pixels into the panel: the place is saved in logical twips.
read -r px py pw ph < <(zel_geometry "$panel")
xdotool mousemove $((px + 72)) $((py + 16))
sleep 0.2
xdotool click 1
zel_wait_exit "$pane" 10 || zel_fail "zelpane did not end on imgend"
near_twips "saved MainLeft" "$(zel_store_get Settings MainLeft)" $((l * 15 / 2))
near_twips "saved MainTop" "$(zel_store_get Settings MainTop)" $((t * 15 / 2))
zel_log "saved $(zel_store_get Settings MainLeft),$(zel_store_get Settings MainTop) twips"

# Nothing in front to follow: it reopens where it was closed.
kill "${ZEL_PIDS[-1]}"
zel_poll 10 zel_no_window followed || zel_fail "xterm did not end"
zel_store_set Settings Start 1
zel_run zelpane
panel=$(zel_wait_window zelpane 30) || zel_fail "no panel window on restart"
zel_poll 10 frame_near "$l" "$t" || zel_fail "reopened at $(zel_frame_of "$panel"), closed at $l $t"
zel_log "reopened at $(zel_frame_of "$panel")"
