# The panel clock as a new user meets it: it keeps its stored place to the twip when it was not
# moved, a drag by a label moves it by the drag and no more, its border makes it wider but never
# taller, it never lays itself over a window of its own (its message box), and its tool tips
# show while another window is active.
source "$ZEL_E2E_LIB"
zel_start_x 1024x600

# frame_extents WINDOW: "LEFT RIGHT TOP BOTTOM" of the window manager's decoration.
frame_extents() {
    local ext
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    echo "${ext:-0,0,0,0}" | tr ',' ' '
}

# client_geometry WINDOW: "X Y WIDTH HEIGHT" of the window's inside on the screen.
client_geometry() {
    xwininfo -id "$1" | awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
        /Width/{w=$2} /Height/{h=$2} END{print x+0, y+0, w+0, h+0}'
}

# settle WINDOW: waits until the window has stayed put for half a second.
settle() {
    local before now i
    before=$(client_geometry "$1")
    for i in $(seq 40); do
        sleep 0.5
        now=$(client_geometry "$1")
        [ "$now" = "$before" ] && return 0
        before=$now
    done
    zel_fail "window $1 never came to rest"
}

start_panel() {
    zel_store_set Settings Start 1
    zel_run zelpane
    panel=$(zel_wait_window zelpane 20) || zel_fail "no panel window"
    pane_pid=$ZEL_LAST_PID
    # Placed and drawn before anything is done to it.
    settle "$panel"
}

# end_panel: the end button, then the saved place is there.
end_panel() {
    local x y w h
    read -r x y w h < <(client_geometry "$panel")
    xdotool mousemove $((x + 36)) $((y + 8)) sleep 0.3 click 1
    zel_wait_exit "$pane_pid" 10 || zel_fail "zelpane did not end on imgend"
}

# 1. Opened and closed without a move, three times: the stored twips stay exactly.
zel_store_set Settings MainLeft 1000
zel_store_set Settings MainTop 1507
zel_store_set Settings MainWidth 4995
for try in 1 2 3; do
    start_panel
    read -r x y w h < <(client_geometry "$panel")
    end_panel
    zel_expect_store Settings MainLeft 1000
    zel_expect_store Settings MainTop 1507
    zel_expect_store Settings MainWidth 4995
done
zel_log "unmoved panel keeps MainLeft 1000, MainTop 1507, MainWidth 4995 over three closes"

# 2. No frame from the window manager (the panel draws its own border); the width may change,
# the height may not.
start_panel
read -r l r t b < <(frame_extents "$panel")
[ "$l $r $t $b" = "0 0 0 0" ] ||
    zel_fail "panel frame extents $l $r $t $b: expected none, the panel draws its own border"
hints=$(xprop -id "$panel" WM_NORMAL_HINTS)
min_h=$(sed -n 's/.*minimum size: [0-9]* by \([0-9]*\).*/\1/p' <<<"$hints")
max_h=$(sed -n 's/.*maximum size: [0-9]* by \([0-9]*\).*/\1/p' <<<"$hints")
max_w=$(sed -n 's/.*maximum size: \([0-9]*\) by.*/\1/p' <<<"$hints")
[ "$min_h" = 24 ] && [ "$max_h" = 24 ] || zel_fail "panel height not held at 24: $hints"
[ "${max_w:-0}" -gt 1024 ] || zel_fail "panel width cannot grow: $hints"
# Drag the right border (the panel's own last column) outwards by 80 pixels.
read -r x y w h < <(client_geometry "$panel")
edge=$((x + w - 1))
xdotool mousemove "$edge" $((y + 12)) sleep 0.3 mousedown 1 sleep 0.3 \
    mousemove $((edge + 40)) $((y + 12)) sleep 0.3 mousemove $((edge + 80)) $((y + 12)) sleep 0.3 \
    mouseup 1
zel_poll 5 bash -c "xwininfo -id $panel | grep -q 'Width: $((w + 80))\$'" ||
    zel_fail "dragging the border made the panel $(client_geometry "$panel"), expected width $((w + 80))"
read -r x2 y2 w2 h2 < <(client_geometry "$panel")
[ "$h2" = 24 ] || zel_fail "the panel became $h2 high"
zel_log "border drag: width $w -> $w2, height $h2"

# 3. A drag by a label moves the panel by the drag, not by its own place.
xdotool mousemove $((x2 + 200)) $((y2 + 8)) sleep 0.2 mousedown 1 sleep 0.2 \
    mousemove $((x2 + 202)) $((y2 + 10)) sleep 0.3 mousemove $((x2 + 232)) $((y2 + 60)) sleep 0.2 \
    mousemove $((x2 + 262)) $((y2 + 110)) sleep 0.3 mouseup 1
zel_poll 5 bash -c "xwininfo -id $panel | grep -q 'Absolute upper-left Y: *$((y2 + 100))\$'" ||
    zel_fail "dragged by (60,100) from $x2,$y2 to $(client_geometry "$panel")"
read -r x3 y3 w3 h3 < <(client_geometry "$panel")
[ "$x3" = $((x2 + 60)) ] || zel_fail "dragged by (60,100) from $x2,$y2 to $x3,$y3"
end_panel
# The saved place reopens the panel exactly there, at its new width.
zel_expect_store Settings MainWidth $((w2 * 15))
start_panel
read -r x4 y4 w4 h4 < <(client_geometry "$panel")
[ "$x4 $y4 $w4" = "$x3 $y3 $w3" ] || zel_fail "reopened at $x4,$y4 width $w4, closed at $x3,$y3 width $w3"
zel_log "dragged from $x2,$y2 to $x3,$y3 and reopened there"

# 4. Tool tips while another window is active. From here the panel runs alone in a folder of
# its own, so that every switch finds its program missing.
end_panel
zel_store_set Settings Start 1
zel_run_alone zelpane
pane_pid=$ZEL_LAST_PID
panel=$(zel_wait_window zelpane 20) || zel_fail "no panel window from its own folder"
settle "$panel"
xmessage -geometry 420x160+300+200 "another window" &
ZEL_PIDS+=($!)
other=$(zel_wait_window xmessage "$ZEL_X_START_LIMIT") || zel_fail "no xmessage window"
xdotool windowactivate --sync "$other"
tooltip_shown() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pane_pid" 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && return 0
    done
    return 1
}
zel_poll 5 bash -c "xprop -root _NET_ACTIVE_WINDOW | grep -qi \"$(printf '0x%x' "$other")\"" ||
    zel_fail "xmessage did not become active"
settle "$panel" # over xmessage's title bar now
read -r px py pw ph < <(client_geometry "$panel")
xdotool mousemove $((px + 12)) $((py + 8)) sleep 0.2 mousemove $((px + 13)) $((py + 9))
zel_poll 10 tooltip_shown || zel_fail "no tool tip over a button while another window is active"
zel_log "tool tip shown while xmessage is active"

# 5. The message box of a failed switch is the panel's own: the panel stays over xmessage.
read -r px py pw ph < <(client_geometry "$panel")
xdotool mousemove $((px + 4)) $((py + 8)) sleep 0.2 click 1
zel_poll 10 bash -c "[ \$(xdotool search --onlyvisible --pid $pane_pid 2>/dev/null | wc -l) -ge 2 ]" ||
    zel_fail "no message about the missing program"
box=$(xdotool search --onlyvisible --pid "$pane_pid" | grep -vx "$panel" | head -n1)
zel_poll 5 bash -c "xprop -root _NET_ACTIVE_WINDOW | grep -qi \"$(printf '0x%x' "$box")\"" ||
    zel_fail "the message box did not become active"
sleep 1
read -r qx qy qw qh < <(client_geometry "$panel")
[ "$qx $qy" = "$px $py" ] || zel_fail "the panel moved from $px,$py to $qx,$qy over its own message box"
zel_log "panel stays at $px,$py while its message box is active"
echo "panel faults: all checks passed"
