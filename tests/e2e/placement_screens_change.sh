# Screens that change under running clocks: when the second monitor goes, the panel on it moves
# wholly onto the first; when the first shrinks from 1280 x 800 to 800 x 600, the list clock
# and the tray clock's window near its bottom right corner move wholly into what is left.
source "$ZEL_E2E_LIB"
zel_start_two_monitors 1280x800

# wholly_within WINDOW WIDTH HEIGHT: the window's frame lies inside 0,0 - WIDTH,HEIGHT.
wholly_within() {
    local l t r b
    read -r l t r b < <(zel_frame_of "$1")
    [ "$l" -ge 0 ] && [ "$t" -ge 0 ] && [ "$r" -le "$2" ] && [ "$b" -le "$3" ]
}
expect_within() {
    zel_poll 10 wholly_within "$2" "$3" "$4" && return 0
    zel_fail "$1 at $(zel_frame_of "$2"), not wholly within $3 x $4"
}

zel_store_set Data PlcCount 1
zel_store_set Settings MainLLeft $((700 * 15)) # pixels in twips
zel_store_set Settings MainLTop $((600 * 15))
zel_store_set Settings MainLeft $((1800 * 15))
zel_store_set Settings MainTop $((200 * 15))
zel_store_set Settings Start 1
zel_run zelroll
list=$(zel_wait_window zelroll 30) || zel_fail "no list clock"
zel_store_set Settings Start 1
zel_run zelpane
panel=$(zel_wait_window zelpane 30) || zel_fail "no panel"
zel_await_frame_at "the panel on the second monitor" "$panel" 1800 200
wholly_within "$list" 800 600 && zel_fail "the list clock is within 800 x 600 before the change"

xrandr --output DUMMY1 --off && xrandr --fb 1280x800 || zel_x_fail "the second monitor stays"
expect_within "the panel after its monitor went" "$panel" 1280 800
zel_log "the second monitor went: the panel moved to $(zel_frame_of "$panel")"

# The panel would follow the tray clock's window as the foreground.
zel_kill_program zelpane
zel_store_set Settings Start 1
zel_run zelband # no tray: its window in the bottom right corner
band=$(zel_poll 30 xdotool search --onlyvisible --name '^zelband list$') || zel_fail "no zelband"

xrandr --output DUMMY0 --mode 800x600 --fb 800x600 || zel_x_fail "no 800 x 600 mode"
expect_within "the list clock after the screen shrank" "$list" 800 600
expect_within "the tray clock's window after the screen shrank" "$band" 800 600
zel_log "1280 x 800 became 800 x 600: the list clock moved to $(zel_frame_of "$list")"
