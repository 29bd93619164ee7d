# The title-bar clock as a real process under a real window manager (each of those the test is
# run under): the start check, waiting hidden on an empty desktop, sitting inside a real xterm's
# title bar, left of its first button and in its colours, and following it and the foreground,
# never taking the focus, the reload flag, the menu's hand-over to the list clock, and the
# launcher's "Kind" 0.
source "$ZEL_E2E_LIB"
zel_start_x 1024x600

# Where this window manager's first button stands, read from a frame that nothing covers.
env -u ENV xterm -geometry 120x12+150+120 -title probe -e sh &
probe=$!
probe_window=$(zel_wait_window probe 20) || zel_fail "no xterm"
sleep 0.5
button=$(zel_first_button "$probe_window")
kill "$probe"
zel_log "$ZEL_WM: the first button's left edge $button pixels left of the frame's right end"

# inside WINDOW: the caption lies wholly in WINDOW's title bar, centred on its height within a
# pixel, its right end left of the first button.
inside() {
    local fl ft fr fb title cx cy cw ch
    read -r fl ft fr fb < <(zel_frame_of "$1")
    title=$(zel_title_height "$1")
    read -r cx cy cw ch < <(zel_geometry "$caption")
    [ "$cx" -ge "$fl" ] && [ $((cx + cw)) -le $((fr - button)) ] && [ "$cy" -ge "$ft" ] &&
        [ $((cy + ch)) -le $((ft + title)) ] && [ $((2 * cy + ch - 2 * ft - title)) -le 2 ] &&
        [ $((2 * cy + ch - 2 * ft - title)) -ge -2 ]
}
await_inside() {
    zel_poll 10 inside "$1" ||
        zel_fail "caption at $(zel_geometry "$caption"), frame $(zel_frame_of "$1"), title bar $(zel_title_height "$1") high, first button $button from its right end"
}

# No hand-over: the program ends at once without a window and leaves "Start" alone.
zel_run zelcaption
zel_wait_exit "$ZEL_LAST_PID" 5 || zel_fail "zelcaption ran although Start is missing"
[ -z "$(zel_store_get Settings Start 2>/dev/null || true)" ] || zel_fail "Start was written"

zel_store_set Settings Start 1
zel_store_set Data PlcCount 1
zel_store_set Data CT 1
zel_store_set Data WP0 "Tokyo"
zel_store_set Data WD0 9
zel_store_set Data WP1 "Paris"
zel_store_set Data WD1 1
zel_run zelcaption
caption_pid=$ZEL_LAST_PID
for i in $(seq 50); do [ "$(zel_store_get Settings Start)" = 0 ] && break; sleep 0.1; done
zel_expect_store Settings Start 0
# An empty desktop: the clock waits, hidden.
sleep 1
kill -0 "$caption_pid" || zel_fail "zelcaption ended on an empty desktop"
zel_no_window zelcaption || zel_fail "zelcaption shows without a window to sit on"
zel_log "empty desktop: running, hidden"

# A plain sh without start-up files: the typing check below must not wait on the user's shell
# set-up (a .bashrc that runs version managers can take a minute).
env -u ENV xterm -geometry 120x12+150+120 -title "xterm one" -e sh &
ZEL_PIDS+=($!)
xt=$(zel_wait_window "xterm one" 20) || zel_fail "no xterm"
xdotool windowactivate --sync "$xt"
caption=$(zel_wait_window zelcaption 10) || zel_fail "no caption over the xterm"
await_inside "$xt"
read -r fl ft fr fb < <(zel_frame_of "$xt")
read -r cx cy cw ch < <(zel_geometry "$caption")
zel_log "inside the xterm's title bar: $cx $cy ${cw}x$ch of frame $fl $ft $fr $fb, $((fr - button - cx - cw)) pixels left of the first button"
xprop -id "$caption" _NET_WM_STATE | grep -q DEMANDS_ATTENTION && zel_fail "the caption demands attention"

# No box of another colour: on the screen, the caption's ground (its margin) is the title bar's
# beside it, painted in it or, under a compositor, the title bar itself seen through.
grounds_match() {
    bar=$(zel_screen_colour $((cx - 3)) $((cy + ch / 2)))
    ground=$(zel_screen_colour "$cx" $((cy + ch / 2)))
    [ "$ground" = "$bar" ]
}
# A window manager may draw the bar as active a moment after the clock came; the clock reads it
# again as it moves on to the next place (every second here).
sleep 1.2
zel_poll 3 grounds_match || true
title=$(zel_title_height "$xt")
# The title's strokes (centred by each of these window managers' default themes, and narrower
# than 100 pixels), and the place name's.
title_ink=$(zel_screen_ink $(((fl + fr) / 2 - 50)) "$ft" 100 "$title" "$bar")
place_ink=$(zel_screen_ink $((cx + cw * 2 / 3)) "$cy" $((cw / 3)) "$ch" "$ground")
zel_log "$ZEL_WM: title bar ${title} px high, ground $bar, title $title_ink; caption ${ch} px high, ground $ground, place $place_ink, $((fr - button - cx - cw)) px left of the first button"
[ "$ground" = "$bar" ] || zel_fail "caption ground $ground on a title bar of $bar"
[ -n "$place_ink" ] || zel_fail "the place name does not stand out from the caption's ground"

# The xterm keeps the focus, and the caption is drawn above it.
sleep 0.5
[ $(($(xdotool getactivewindow))) = $((xt)) ] || zel_fail "the xterm lost the foreground"
[ $(($(xdotool getwindowfocus -f))) = $((xt)) ] || zel_fail "the xterm lost the keyboard focus"
stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
pos_of() { local i=0 w; for w in $stack; do [ $((w)) = $(($1)) ] && echo $i; i=$((i + 1)); done; }
[ -z "$(pos_of "$caption")" ] || [ "$(pos_of "$caption")" -gt "$(pos_of "$xt")" ] ||
    zel_fail "caption is below the xterm"
mkdir -p "$ZEL_TMP/shots"
zel_screenshot "$ZEL_TMP/shots/caption.png"
[ -z "${ZEL_KEEP_SCREENSHOT:-}" ] || cp "$ZEL_TMP/shots/caption.png" "$ZEL_KEEP_SCREENSHOT"

# The xterm moves and grows: the caption goes with it.
xdotool windowmove --sync "$xt" 300 300
xdotool windowsize --sync "$xt" 700 200
await_inside "$xt"
zel_log "followed the xterm to $(zel_geometry "$caption")"

# Another window comes to the foreground: the caption moves to its title bar, and back.
xterm -geometry 120x8+10+10 -title "xterm two" &
ZEL_PIDS+=($!)
for i in $(seq 100); do
    xt2=$(xdotool search --onlyvisible --name "^xterm two\$" 2>/dev/null | head -n1 || true)
    [ -n "$xt2" ] && break
    sleep 0.1
done
[ -n "$xt2" ] || zel_fail "no second xterm"
xdotool windowactivate --sync "$xt2"
await_inside "$xt2"
xdotool windowactivate --sync "$xt"
await_inside "$xt"
[ $(($(xdotool getwindowfocus -f))) = $((xt)) ] || zel_fail "the first xterm has no focus back"
zel_log "went to the second xterm and back; the xterm keeps the focus"

# Typing still reaches the xterm under the caption.
xdotool type --window "$xt" --delay 20 "echo typed > $ZEL_TMP/typed"
xdotool key --window "$xt" Return
for i in $(seq 30); do [ -s "$ZEL_TMP/typed" ] && break; sleep 0.1; done
[ "$(cat "$ZEL_TMP/typed" 2>/dev/null)" = typed ] || zel_fail "typing did not reach the xterm"

# Reload: "Change" = "1" from another process is consumed at once.
zel_store_set Data Change 1
for i in $(seq 50); do [ "$(zel_store_get Data Change)" = 0 ] && break; sleep 0.02; done
zel_expect_store Data Change 0
zel_log "Change consumed"

# Right click, second entry: the list clock, with "Kind" 2 for the launcher.
read -r cx cy cw ch < <(zel_geometry "$caption")
xdotool mousemove $((cx + cw / 2)) $((cy + ch / 2))
sleep 0.2
xdotool click 3
sleep 0.5
xdotool key Down Down Return
zel_wait_window zelroll 10 >/dev/null || zel_fail "the menu did not start the list clock"
zel_wait_exit "$caption_pid" 5 || zel_fail "zelcaption still runs beside the list clock"
zel_expect_store Settings Kind 2
zel_expect_store Settings Start 0
zel_log "menu: list clock started, Kind 2"
zel_kill_program zelroll

# The launcher with "Kind" 0 starts the title-bar clock.
zel_store_set Settings Kind 0
zel_run zelhome
zel_wait_exit "$ZEL_LAST_PID" 10 || zel_fail "zelhome did not end"
xdotool windowactivate --sync "$xt"
caption=$(zel_wait_window zelcaption 10) || zel_fail "the launcher with Kind 0 started no caption"
await_inside "$xt"
zel_log "launcher, Kind 0: zelcaption in the xterm's title bar"
echo "title-bar clock: all checks passed"
