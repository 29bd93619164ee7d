# The panel clock as a real process under a real window manager (each of those the test is run
# under): started by the launcher over the window in front without taking its keyboard,
# following that window's title bar with no frame of its own and out of the task bar, the follow
# toggle, dragging by a label, the saved position, the reload flag, and the end of the display.
source "$ZEL_E2E_LIB"
wm=$ZEL_WM
zel_start_x 1024x600

# expect_near WHAT GOT WANT: equal within one pixel.
expect_near() {
    local d=$(($2 - $3))
    [ "${d#-}" -le 1 ] || zel_fail "$1 is $2, expected $3"
}

# panel_frame_at X Y: the panel's frame (its thin border included) has its top left there.
panel_frame_at() {
    local l t r b
    read -r l t r b < <(zel_frame_of "$panel")
    [ "$l" = "$1" ] && [ "$t" = "$2" ]
}

# await_panel_at X Y: the panel's frame reaches the position within five seconds.
await_panel_at() {
    local l t r b
    zel_poll 5 panel_frame_at "$1" "$2" && return 0
    read -r l t r b < <(zel_frame_of "$panel")
    zel_fail "panel frame at $l,$t, expected $1,$2"
}

# panel_frame_width: the width of the panel with its border.
panel_frame_width() {
    local l t r b
    read -r l t r b < <(zel_frame_of "$panel")
    echo $((r - l))
}

xmessage -geometry 420x160+300+200 "another window" &
ZEL_PIDS+=($!)
other=$(zel_wait_window xmessage "$ZEL_X_START_LIMIT") || zel_fail "no xmessage window"
xdotool windowactivate --sync "$other"

zel_store_set Settings Kind 1
zel_store_set Data PlcCount 0
zel_store_set Data WP0 "Tokyo"
zel_store_set Data WD0 9
zel_run zelhome
panel=$(zel_wait_window zelpane 20) || zel_fail "the launcher started no panel"
pane_pid=$(zel_display_pids zelpane)

# Following at once: the panel's right edge 60 pixels left of the window's in front, 2.48 (so 2)
# below its top, and that window keeps the keyboard.
read -r fl ft fr fb < <(zel_frame_of "$other")
read -r px py pw ph < <(zel_geometry "$panel")
pw=$(panel_frame_width)
await_panel_at $((fr - 60 - pw)) $((ft + 2))
[ "$ph" = 24 ] || zel_fail "panel height $ph, expected 24 (360 twips)"
zel_log "panel over the title bar at $((fr - 60 - pw)),$((ft + 2)) of frame $fl,$ft-$fr,$fb"
active=$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //; s/,.*//')
[ $((active)) = $((other)) ] || zel_fail "the window in front lost the keyboard to $active"
# A tool window: no frame from the window manager, out of the task bar and the pager, and never
# asking for attention.
extents=$(xprop -id "$panel" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')
[ -z "$extents" ] || [ "$extents" = "0, 0, 0, 0" ] || zel_fail "$wm framed the panel: $extents"
states=$(xprop -id "$panel" _NET_WM_STATE)
for state in SKIP_TASKBAR SKIP_PAGER; do
    [[ $states == *_NET_WM_STATE_$state* ]] || zel_fail "the panel is not $state: $states"
done
[[ $states != *DEMANDS_ATTENTION* ]] || zel_fail "the panel demands attention: $states"
read -r pl pt pr pb < <(zel_frame_of "$panel")
zel_log "$wm: panel frame extents '${extents:-none}', $((pt - ft)) px below the top, $((fr - pr)) px left of the right end"
mkdir -p "$ZEL_TMP/shots"
zel_screenshot "$ZEL_TMP/shots/following.png"
[ -z "${ZEL_KEEP_SCREENSHOT:-}" ] || cp "$ZEL_TMP/shots/following.png" "$ZEL_KEEP_SCREENSHOT"

# Stacking: the panel is above the window it follows.
stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
pos_of() { local i=0 w; for w in $stack; do [ $((w)) = $(($1)) ] && echo $i; i=$((i + 1)); done; }
[ "$(pos_of "$panel")" -gt "$(pos_of "$other")" ] || zel_fail "panel is below the other window"

# The followed window moves: the panel goes with it.
xdotool windowmove --sync "$other" 150 330
read -r fl ft fr fb < <(zel_frame_of "$other")
await_panel_at $((fr - 60 - pw)) $((ft + 2))
zel_log "panel followed the window to $((fr - 60 - pw)),$((ft + 2))"
# Following an unmoving window, it learns of changes from the window system: it does not ask
# ten times a second.
w=$(zel_wakeups "$pane_pid" 4)
[ "$w" -le 12 ] || zel_fail "the idle panel woke $w times in 4 s"
zel_log "idle while following: $w wake-ups in 4 s"

# Clicking the panel itself (a label) makes it the foreground window: it stays put.
read -r px py pw ph < <(zel_geometry "$panel")
read -r fx fy fr2 fb2 < <(zel_frame_of "$panel")
zel_pointer mousemove $((px + 200)) $((py + 8)) click 1
sleep 0.5
await_panel_at "$fx" "$fy"

# Following off: the panel stays where it is when the other window moves.
zel_pointer mousemove $((px + 28)) $((py + 8)) click 1
sleep 0.3
xdotool windowactivate --sync "$other"
xdotool windowmove --sync "$other" 400 100
sleep 0.5
await_panel_at "$fx" "$fy"
zel_log "following off: panel stays at $px,$py"

# Dragging by a label moves the window with the pointer: the window system's move starts at the
# first small move with the left button held and follows the pointer from there.
zel_pointer mousemove $((px + 200)) $((py + 8)) mousedown 1
sleep 0.2
zel_pointer mousemove $((px + 202)) $((py + 10))
sleep 0.3
zel_pointer mousemove $((px + 232)) $((py + 60))
sleep 0.2
zel_pointer mousemove $((px + 262)) $((py + 110))
sleep 0.3
zel_pointer mouseup 1
sleep 0.3
read -r nx ny nw nh < <(zel_geometry "$panel")
d=$((nx - px - 60)); [ "${d#-}" -le 3 ] || zel_fail "dragged to x $nx, expected about $((px + 60))"
d=$((ny - py - 100)); [ "${d#-}" -le 3 ] || zel_fail "dragged to y $ny, expected about $((py + 100))"
zel_log "dragged from $px,$py to $nx,$ny"

# Reload: "Change" = "1" from another process is consumed at once.
zel_store_set Data WP0 "Paris"
start=$(date +%s%N)
zel_store_set Data Change 1
for i in $(seq 50); do
    [ "$(zel_store_get Data Change)" = 0 ] && break
    sleep 0.02
done
zel_expect_store Data Change 0
zel_log "Change reset after $((($(date +%s%N) - start) / 1000000)) ms (store tool start-up included)"

# The end button saves the position of the frame (its border included); the next start comes
# back there.
read -r px py pw ph < <(zel_geometry "$panel")
read -r fx fy fr2 fb2 < <(zel_frame_of "$panel")
zel_pointer mousemove $((px + 36)) $((py + 8))
sleep 0.2
zel_pointer click 1
zel_wait_exit "$pane_pid" 5 || zel_fail "zelpane did not end on imgend"
zel_expect_store Settings MainLeft $((fx * 15))
zel_expect_store Settings MainTop $((fy * 15))
# The width was never changed: the default's twips stay as they were.
zel_expect_store Settings MainWidth 5000
zel_store_set Settings Start 1
xdotool windowactivate --sync "$other" # zelpane only follows while following is on...
xdotool windowminimize --sync "$other" || true # ...so nothing may be in the foreground
# From a folder of its own, where the title-bar clock it switches to below is missing.
zel_run_alone zelpane
pane_pid=$ZEL_LAST_PID
panel=$(zel_wait_window zelpane 10) || zel_fail "no panel window on restart"
# Where the window system has put it once mapped (a compositor may take a moment).
restored() {
    read -r rx ry rw rh < <(zel_geometry "$panel")
    [ "$rx $ry $rw" = "$px $py $pw" ]
}
zel_poll 5 restored || zel_fail "restarted at $rx,$ry width $rw, expected $px,$py $pw"
zel_log "position restored: $rx,$ry width $rw"

# A switch to a program that is not there (the panel runs alone in a folder of its own): the
# panel stays, with a message, and Start is 0.
kill "$pane_pid"
zel_wait_exit "$pane_pid" 10 || zel_fail "zelpane did not end"
zel_store_set Settings Start 1
zel_run_alone zelpane
pane_pid=$ZEL_LAST_PID
panel=$(zel_wait_window zelpane 20) || zel_fail "no panel window from its own folder"
zel_poll 10 panel_frame_at "$fx" "$fy" || zel_fail "the lone panel did not open at $fx,$fy"
read -r rx ry rw rh < <(zel_geometry "$panel")
zel_pointer mousemove $((rx + 4)) $((ry + 8)) click 1
zel_wait_window "zelpane" 3 >/dev/null
zel_poll 10 bash -c "[ \$(xdotool search --onlyvisible --name zelpane 2>/dev/null | wc -l) -ge 2 ]" || true
msg=$(xdotool search --onlyvisible --name "zelpane" 2>/dev/null | wc -l)
kill -0 "$pane_pid" || zel_fail "zelpane ended although zelcaption is missing"
zel_expect_store Settings Start 0
zel_expect_store Settings Kind 1
[ "$msg" -ge 2 ] || zel_fail "no message about the missing program"
zel_log "missing zelcaption: panel stays, message shown, Start 0"

# The display goes away: a clear exit, not a crash.
kill "$ZEL_DISPLAY_PID"
zel_wait_exit "$pane_pid" 10 || zel_fail "zelpane outlived its display"
set +e
wait "$pane_pid"
code=$?
set -e
[ "$code" -ne 0 ] && [ "$code" -lt 128 ] || zel_fail "zelpane exited $code when the display went away"
zel_log "display gone: exit $code, said: $(tail -n1 "$ZEL_TMP/alone-zelpane.log")"
echo "panel clock: all checks passed"
