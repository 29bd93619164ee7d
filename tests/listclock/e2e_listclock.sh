# The list clock as a person meets it: on top of other windows, dragged by a label and by its
# background, its position kept across runs, and its hand-over to the panel clock.
source "$ZEL_E2E_LIB"
zel_start_x

start_list() {
    zel_store_set Settings Start 1
    zel_run zelroll
    LIST_PID=$ZEL_LAST_PID
    LIST_WIN=$(zel_wait_window zelroll 10) || zel_fail "zelroll showed no window"
    sleep 0.5
}

# Waits until the window stands still (a move loop may still be running on a busy machine).
settle() {
    local a b i
    a=$(zel_geometry "$1")
    for i in $(seq 20); do
        sleep 0.3
        b=$(zel_geometry "$1")
        [ "$a" = "$b" ] && return 0
        a=$b
    done
}

# The left press at (x, y) inside the window, moved by (dx, dy), then released.
drag() {
    local win=$1 x=$2 y=$3 dx=$4 dy=$5
    read -r wx wy _ _ < <(zel_geometry "$win")
    # The move starts with the first motion, as a person's hand gives it: a small one first.
    xdotool mousemove $((wx + x)) $((wy + y)) sleep 0.2 mousedown 1 sleep 0.2 \
        mousemove $((wx + x + 1)) $((wy + y + 1)) sleep 0.3 \
        mousemove $((wx + x + dx / 2)) $((wy + y + dy / 2)) sleep 0.2 \
        mousemove $((wx + x + dx)) $((wy + y + dy)) sleep 0.3 mouseup 1
    settle "$win"
}

# Six places; the window opens at the stored position, width raised to the minimum.
zel_store_set Data PlcCount 5
for i in 0 1 2 3 4 5; do
    zel_store_set Data "WP$i" "Place $i"
    zel_store_set Data "WD$i" "$i"
done
zel_store_set Settings MainLLeft 1500
zel_store_set Settings MainLTop 1500
zel_store_set Settings MainLWidth 5000
start_list
read -r x y w h < <(zel_geometry "$LIST_WIN")
[ "$w" -eq 545 ] && [ "$h" -eq 144 ] || zel_fail "size ${w}x$h, expected 545x144"
[ "$x" -ge 100 ] && [ "$x" -le 102 ] && [ "$y" -ge 100 ] && [ "$y" -le 102 ] ||
    zel_fail "opened at $x,$y, expected 100,100 plus the border"
zel_log "six places: ${w}x$h at $x,$y"
w=$(zel_wakeups "$LIST_PID" 4)
[ "$w" -le 12 ] || zel_fail "the idle list clock woke $w times in 4 s"
zel_log "idle: $w wake-ups in 4 s"

# Stays on top of a window that is activated after it.
xclock -geometry 400x200+90+90 &
CLOCK_PID=$!
ZEL_PIDS+=("$CLOCK_PID")
CLOCK_WIN=$(zel_wait_window xclock "$ZEL_X_START_LIMIT") || zel_fail "xclock did not show"
xdotool windowactivate "$CLOCK_WIN" 2>/dev/null || true
xdotool windowraise "$CLOCK_WIN"
sleep 0.5
# A pixel of a strip cell where both windows overlap must show a strip colour, never the
# activated window's white: a day, night or afternoon ground, or, in the hours when all six
# places are at work on a weekday, the working-hours line along the cell's foot.
read -r x y w h < <(zel_geometry "$LIST_WIN")
shot="$ZEL_TMP/top.png"
zel_screenshot "$shot"
pixel=$(convert "$shot" -format "%[pixel:p{$((x + 40 + 16 * 3 + 14)),$((y + 40 + 14))}]" info:)
case "$pixel" in
srgb\(255,255,128\) | srgb\(0,0,128\) | srgb\(128,255,128\) | srgb\(0,100,0\)) ;;
*) zel_fail "the list clock is hidden by the activated window (pixel $pixel)" ;;
esac
# ...while the activated window is really there, just below the list clock.
below=$(convert "$shot" -format "%[pixel:p{$((x + 40 + 16 * 3 + 14)),$((y + h + 20))}]" info:)
case "$below" in
srgb\(255,255,128\) | srgb\(0,0,128\) | srgb\(128,255,128\)) zel_fail "no other window below" ;;
esac
zel_log "stays on top of an activated window"
kill "$CLOCK_PID" 2>/dev/null || true

# Dragging by a place label moves the window with the pointer.
read -r x0 y0 _ _ < <(zel_geometry "$LIST_WIN")
drag "$LIST_WIN" 500 44 120 80
read -r x1 y1 _ _ < <(zel_geometry "$LIST_WIN")
[ $((x1 - x0)) -ge 100 ] && [ $((y1 - y0)) -ge 60 ] ||
    zel_fail "drag by a label moved the window from $x0,$y0 to $x1,$y1"
zel_log "dragged by a label: $x0,$y0 -> $x1,$y1"

# And by the bare background (the gap between the local row and the place rows).
drag "$LIST_WIN" 200 37 -90 -50
read -r x2 y2 _ _ < <(zel_geometry "$LIST_WIN")
[ $((x1 - x2)) -ge 70 ] && [ $((y1 - y2)) -ge 30 ] ||
    zel_fail "drag by the background moved the window from $x1,$y1 to $x2,$y2"
zel_log "dragged by the background: $x1,$y1 -> $x2,$y2"

# The exit button saves the position, and the next start restores it.
read -r wx wy _ _ < <(zel_geometry "$LIST_WIN")
xdotool mousemove $((wx + 28)) $((wy + 8)) sleep 0.2 click 1
zel_wait_exit "$LIST_PID" 5 || zel_fail "the exit button did not end zelroll"
left=$(zel_store_get Settings MainLLeft)
top=$(zel_store_get Settings MainLTop)
[ "$(zel_store_get Settings MainLWidth)" = 8175 ] || zel_fail "width not saved"
[ "$(zel_store_get Settings Start)" = 0 ] || zel_fail "Start changed by the exit"
zel_log "saved at $left,$top"
start_list
read -r x3 y3 _ _ < <(zel_geometry "$LIST_WIN")
[ "$x3" = "$x2" ] && [ "$y3" = "$y2" ] || zel_fail "restored at $x3,$y3, closed at $x2,$y2"
zel_log "restored at $x3,$y3"
# Closed where it opened, it keeps exactly its place: no creep from run to run.
read -r wx wy _ _ < <(zel_geometry "$LIST_WIN")
xdotool mousemove $((wx + 28)) $((wy + 8)) sleep 0.2 click 1
zel_wait_exit "$LIST_PID" 5 || zel_fail "the exit button did not end zelroll"
[ "$(zel_store_get Settings MainLLeft)" = "$left" ] && [ "$(zel_store_get Settings MainLTop)" = "$top" ] ||
    zel_fail "unmoved window saved at $(zel_store_get Settings MainLLeft), not $left"
start_list

# imgView hands over to the panel clock, which then runs; the position is saved again.
drag "$LIST_WIN" 500 44 30 30
read -r x4 y4 _ _ < <(zel_geometry "$LIST_WIN")
read -r wx wy _ _ < <(zel_geometry "$LIST_WIN")
xdotool mousemove $((wx + 12)) $((wy + 8)) sleep 0.2 click 1
zel_wait_exit "$LIST_PID" 5 || zel_fail "imgView did not end zelroll"
[ "$(zel_store_get Settings Kind)" = 2 ] || zel_fail "Kind is not 2"
zel_wait_window zelpane 10 >/dev/null || zel_fail "the panel clock did not start"
# The panel consumed the request.
zel_expect_store Settings Start 0
[ "$(zel_store_get Settings MainLLeft)" != "$left" ] || zel_fail "position not saved on hand-over"
zel_log "imgView: Kind 2, zelpane runs"
echo "list clock end to end: all checks passed"
