# The real zelsetup's Help and About buttons under a window manager: Help opens the build's own
# help on its contents page in a window of its own, About the about box; the settings window
# stays open through both and nothing is saved.
source "$ZEL_E2E_LIB"
zel_start_x 1024x700
shots="$ZEL_TMP/shots"
mkdir -p "$shots"

# press WINDOW X Y: a click at twips X, Y of the window's client area.
press() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15))
    sleep 0.1
    xdotool click 1
}

# wait_named PATTERN SECONDS: the id of the first visible window whose name matches.
wait_named() {
    local i id
    for i in $(seq $(($2 * 10))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && echo "$id" && return 0
        sleep 0.1
    done
    return 1
}

zel_store_set Settings Start 1
zel_run zelsetup
setup_pid=$ZEL_LAST_PID
settings=$(wait_named "^Zel's World Clock\$" 20) || zel_fail "no settings window"
store_before=$(cat "$(zel_store_file)")

press "$settings" 8527 5542 # Help
help=$(wait_named "^Zel's World Clock Help" 10) || zel_fail "Help opened no help window"
title=$(xdotool getwindowname "$help")
# The tests run under an English locale: the English contents page.
[ "$title" = "Zel's World Clock Help - Contents" ] || zel_fail "help window shows '$title'"
sleep 0.5
zel_screenshot "$shots/help.png"
kill -0 "$setup_pid" || zel_fail "zelsetup ended after Help"
xdotool windowactivate --sync "$help" key Escape
zel_wait_exit "$setup_pid" 1 && zel_fail "zelsetup ended with its help"
for i in $(seq 50); do
    xdotool search --onlyvisible --name "^Zel's World Clock Help" >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^Zel's World Clock Help" >/dev/null 2>&1 &&
    zel_fail "Escape left the help window open"
zel_log "Help: the contents page in its own window, closed by Escape; the settings stay"

press "$settings" 7447 5542 # About
about=$(wait_named "^About Zel's World Clock\$" 10) || zel_fail "About opened no about box"
sleep 0.5
zel_screenshot "$shots/about.png"
xdotool windowactivate --sync "$about" key Return
zel_wait_exit "$setup_pid" 1 && zel_fail "zelsetup ended with its about box"
xdotool search --onlyvisible --name "^Zel's World Clock\$" >/dev/null || zel_fail "settings window gone"
[ "$(cat "$(zel_store_file)")" = "$store_before" ] || zel_fail "Help or About changed the store"
[ -z "${ZEL_SHOTS_DIR:-}" ] || cp "$shots"/*.png "$ZEL_SHOTS_DIR/"
zel_log "About: the about box, closed by Enter; the settings stay, the store unchanged"
echo "help: all checks passed"
