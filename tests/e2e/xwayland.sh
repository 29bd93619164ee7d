# A Wayland desktop with XWayland, where Qt would choose Wayland by itself: the clocks run on X
# all the same and follow X windows as far as the compositor's X window manager tells which one
# is active; the settings program is left to Qt.
source "$ZEL_E2E_LIB"
zel_start_weston --xwayland
export XDG_SESSION_TYPE=wayland

zel_store_set Settings Start 1
zel_run zelpane
pane=$ZEL_LAST_PID
panel=$(zel_wait_window zelpane 30) || zel_fail "no panel window on XWayland: $(cat "$ZEL_TMP/zelpane.log")"
[ "$(zel_platform "$pane")" = xcb ] || zel_fail "zelpane is not on X: $(zel_platform "$pane")"
zel_log "the panel runs on X under a Wayland session"

read -r pl pt pr pb < <(zel_frame_of "$panel")

xterm -geometry 60x10+200+150 -T followed &
ZEL_PIDS+=($!)
term=$(zel_wait_window followed 30) || zel_fail "no xterm"
xdotool windowactivate "$term" 2>/dev/null || true
sleep 1
active=$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p')
zel_log "weston's X window manager reports the active window as $active (xterm $(printf '0x%x' "$term"))"
if [ $((active)) = $((term)) ]; then
    read -r fl ft fr fb < <(zel_frame_of "$term")
    zel_await_frame_at "the panel" "$panel" $((fr - 60 - (pr - pl))) $((ft + 2))
    zel_log "the panel follows the xterm to $((fr - 60 - (pr - pl))),$((ft + 2))"
else
    # Headless weston has no keyboard, so no window ever has the focus; with no active X
    # window the panel stays where it was, shown, as with a native Wayland window in front.
    zel_frame_at "$panel" "$pl" "$pt" || zel_fail "the panel moved with no active window: $(zel_frame_of "$panel")"
    zel_find_window zelpane >/dev/null || zel_fail "the panel hid with no active window"
    zel_log "no active X window: the panel stays at $pl,$pt"
    # The title-bar clock waits hidden, as on an empty desktop.
    zel_store_set Settings Start 1
    zel_run zelcaption
    caption=$ZEL_LAST_PID
    started() { [ "$(zel_store_get Settings Start)" = 0 ]; }
    zel_poll 20 started || zel_fail "zelcaption did not start"
    sleep 1
    kill -0 "$caption" 2>/dev/null || zel_fail "zelcaption ended: $(cat "$ZEL_TMP/zelcaption.log")"
    [ "$(zel_platform "$caption")" = xcb ] || zel_fail "zelcaption is not on X"
    zel_no_window zelcaption || zel_fail "the title-bar clock shows with no active window"
    zel_log "no active X window: the title-bar clock waits hidden"
fi

# The settings program is left to Qt, which takes Wayland in a Wayland session.
zel_store_set Settings Start 1
zel_run zelsetup
setup=$ZEL_LAST_PID
platform_known() { [ -n "$(zel_platform "$1")" ]; }
zel_poll 30 platform_known "$setup" || zel_fail "zelsetup did not start: $(cat "$ZEL_TMP/zelsetup.log")"
[ "$(zel_platform "$setup")" = wayland ] || zel_fail "zelsetup is on $(zel_platform "$setup")"
zel_log "the settings program runs natively on Wayland"
