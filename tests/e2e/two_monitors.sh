# Two 1280 x 800 monitors side by side: a place saved on the second opens there; the panel
# follows an xterm on the second monitor onto its title bar there; and once the second monitor
# is gone, the place saved on it opens on the first, wholly visible.
source "$ZEL_E2E_LIB"
zel_start_two_monitors 1280x800
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] || zel_x_fail "not two monitors"

# 1800,200 pixels, on the second monitor, in twips.
zel_store_set Settings Start 1
zel_store_set Settings MainLeft 27000
zel_store_set Settings MainTop 3000
zel_run zelpane
panel=$(zel_wait_window zelpane 30) || zel_fail "no panel window"
zel_await_frame_at "the panel's saved place on the second monitor" "$panel" 1800 200
zel_log "saved place 1800,200 opens on the second monitor"

xterm -geometry 70x12+1700+400 -T followed &
ZEL_PIDS+=($!)
term=$(zel_wait_window followed 20) || zel_fail "no xterm"
xdotool windowactivate --sync "$term"
read -r fl ft fr fb < <(zel_frame_of "$term")
[ "$fl" -ge 1280 ] || zel_fail "xterm at $fl, not on the second monitor"
read -r pl pt pr pb < <(zel_frame_of "$panel")
zel_await_frame_at "the panel over the xterm" "$panel" $((fr - 60 - (pr - pl))) $((ft + 2))
zel_log "the panel follows the xterm to $((fr - 60 - (pr - pl))),$((ft + 2)) on the second monitor"
zel_kill_program zelpane
zel_poll 10 zel_no_window zelpane || zel_fail "zelpane did not end"
kill "${ZEL_PIDS[-1]}"
zel_poll 10 zel_no_window followed || zel_fail "xterm did not end"

# The second monitor unplugged: the place saved on it is nearest the first one's right edge.
xrandr --output DUMMY1 --off && xrandr --fb 1280x800 || zel_x_fail "the second monitor stays"
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 1" ] || zel_x_fail "the second monitor stays"
zel_store_set Settings Start 1
zel_store_set Settings MainLeft 27000
zel_store_set Settings MainTop 3000
zel_run zelpane
panel=$(zel_wait_window zelpane 30) || zel_fail "no panel window after the monitor went"
read -r pl pt pr pb < <(zel_frame_of "$panel")
zel_await_frame_at "the panel saved on the gone monitor" "$panel" $((1280 - (pr - pl))) 200
read -r pl pt pr pb < <(zel_frame_of "$panel")
[ "$pl" -ge 0 ] && [ "$pr" -le 1280 ] && [ "$pt" -ge 0 ] && [ "$pb" -le 800 ] ||
    zel_fail "panel at $pl,$pt-$pr,$pb, not wholly on the 1280 x 800 monitor left"
zel_log "saved on the gone monitor, it opens at $pl,$pt-$pr,$pb on the one left"
