# The title-bar clock as a real process under a real window manager: the start check, waiting
# hidden on an empty desktop, sitting inside a real xterm's title bar and following it and the
# foreground, never taking the focus, the reload flag, the menu's hand-over to the list clock,
# and the launcher's "Kind" 0.
source "$ZEL_E2E_LIB"
zel_start_x 1024x600

# await_inside WINDOW: the caption lies in WINDOW's title bar, right end 96 pixels left of the
# frame's right end (the default gap, three 32-pixel buttons), within two seconds.
await_inside() {
    local i fl ft fr fb title cx cy cw ch
    for i in $(seq 20); do
        read -r fl ft fr fb < <(zel_frame_of "$1")
        title=$(zel_title_height "$1")
        read -r cx cy cw ch < <(zel_geometry "$caption")
        if [ $((cx + cw)) = $((fr - 96)) ] && [ "$cy" = $((ft + 2)) ]; then
            [ $((cy + ch)) -le $((ft + title)) ] ||
                zel_fail "caption bottom $((cy + ch)) below the title bar's $((ft + title))"
            return 0
        fi
        sleep 0.1
    done
    zel_fail "caption at $cx,$cy ${cw}x$ch, expected right end $((fr - 96)) and top $((ft + 2))"
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
env -u ENV xterm -geometry 70x12+150+120 -title "xterm one" -e sh &
ZEL_PIDS+=($!)
xt=$(zel_wait_window xterm 10) || zel_fail "no xterm"
xdotool windowactivate --sync "$xt"
caption=$(zel_wait_window zelcaption 10) || zel_fail "no caption over the xterm"
await_inside "$xt"
zel_log "inside the xterm's title bar: $(zel_geometry "$caption") of frame $(zel_frame_of "$xt")"

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
xdotool windowsize --sync "$xt" 600 200
await_inside "$xt"
zel_log "followed the xterm to $(zel_geometry "$caption")"

# Another window comes to the foreground: the caption moves to its title bar, and back.
xterm -geometry 50x8+40+30 -title "xterm two" &
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
