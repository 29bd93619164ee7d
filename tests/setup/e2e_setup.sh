# zelsetup as a real process between the real launcher and clocks: the start check, the typical
# day (launcher → panel clock → settings → Tokyo → OK → panel clock), a second round from the
# list clock in Japanese by country with Cancel and then OK, a close by the window manager, and
# the task-bar and title-bar styles.
source "$ZEL_E2E_LIB"
zel_start_x 1024x700
shots="$ZEL_TMP/shots"
mkdir -p "$shots"
# shot NAME: a screenshot, kept in ZEL_SHOTS_DIR when that is set (to look at a failure).
shot() {
    zel_screenshot "$shots/$1"
    [ -z "${ZEL_SHOTS_DIR:-}" ] || cp "$shots/$1" "$ZEL_SHOTS_DIR/"
}

# client_at WINDOW: "X Y" of the client area's top left on the screen (xwininfo is exact for
# decorated windows too).
client_at() {
    xwininfo -id "$1" | awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
        END{print x+0, y+0}'
}

# click_at WINDOW X Y: a click at twips X, Y of the window's client area.
click_at() {
    local x y
    read -r x y < <(client_at "$1")
    xdotool mousemove $((x + $2 / 15)) $((y + $3 / 15))
    sleep 0.1
    xdotool click 1
    sleep 0.3
}

# await_store SECTION KEY VALUE SECONDS
await_store() {
    local i
    for i in $(seq $(($4 * 10))); do
        [ "$(zel_store_get "$1" "$2" 2>/dev/null || true)" = "$3" ] && return 0
        sleep 0.1
    done
    zel_expect_store "$1" "$2" "$3"
}

# Centres of the controls, in twips of the client area.
OPT_JAPANESE="1520 360"    # frame 120 + box 1200 + 200, 240 + 120
OPT_COUNTRY="1920 675"     # frame 120 + box 1680 + 120, 555 + 120
STYLE="600 640"            # lblCltp
SLOT1="360 1200"           # optClock(1)
LIST_TOP_ROW="1800 3140"   # the first visible row of the pick list, under the search field
OK="7440 5900"
CANCEL="8520 5900"

# (a) Without "Start" = 1 the settings program ends at once, without a window, and leaves
# "Start" as it was.
zel_run zelsetup
zel_wait_exit "$ZEL_LAST_PID" 10 || zel_fail "zelsetup ran without Start"
zel_no_window zelsetup || zel_fail "zelsetup showed a window without Start"
zel_store_get Settings Start >/dev/null 2>&1 && zel_fail "zelsetup wrote Start"
zel_store_set Settings Start 0
zel_run zelsetup
zel_wait_exit "$ZEL_LAST_PID" 10 || zel_fail "zelsetup ran with Start 0"
zel_expect_store Settings Start 0
zel_log "start check: no window, Start untouched"

# (b) The typical day on an empty store.
rm -f "$(zel_store_file)"
zel_run zelhome
panel=$(zel_wait_window zelpane 15) || zel_fail "the launcher started no panel clock"
read -r px py pw ph < <(zel_geometry "$panel")
xdotool mousemove $((px + 20)) $((py + 6))
sleep 0.2
xdotool click 1
setup=$(zel_wait_window zelsetup 15) || zel_fail "the panel's settings button started no zelsetup"
zel_wait_exit "$(zel_display_pids zelpane | head -n1)" 5 || true
zel_no_window zelpane || zel_fail "the panel clock stayed open"
xdotool windowactivate --sync "$setup"
shot opened.png
# Slot 0 is on; typing a name's first letters in the focused city list picks it.
xdotool type --delay 80 Tokyo
sleep 0.5
shot tokyo.png
zel_log "settings window at $(client_at "$setup")"
click_at "$setup" $OK
shot after-ok.png
await_store Data WP0 Tokyo 5
zel_expect_store Data PlcCount 0
zel_expect_store Data WD0 9
zel_expect_store Data WDM0 0
zel_expect_store Settings Kind 1
panel=$(zel_wait_window zelpane 15) || zel_fail "OK started no panel clock"
await_store Settings Start 0 5 # the panel took the hand-over
zel_no_window zelsetup || zel_fail "zelsetup stayed open after OK"
sleep 1
shot panel-tokyo.png
[ -z "${ZEL_KEEP_SCREENSHOT:-}" ] || cp "$shots/panel-tokyo.png" "$ZEL_KEEP_SCREENSHOT"
zel_log "typical day: Tokyo saved, panel clock running"

# (c) From the list clock: Japanese, by country, two places, the list style; Cancel keeps the
# store, OK writes it and the list clock shows it.
read -r px py pw ph < <(zel_geometry "$panel")
xdotool mousemove $((px + 12)) $((py + 6))
sleep 0.2
xdotool click 1
list=$(zel_wait_window zelroll 15) || zel_fail "the panel started no list clock"
second_round() {
    read -r lx ly lw lh < <(zel_geometry "$list")
    xdotool mousemove $((lx + 20)) $((ly + 4))
    sleep 0.2
    xdotool click 1
    setup=$(zel_wait_window zelsetup 15) || zel_fail "the list clock started no zelsetup"
    xdotool windowactivate --sync "$setup"
    click_at "$setup" $OPT_JAPANESE
    click_at "$setup" $OPT_COUNTRY
    click_at "$setup" $STYLE # Independence → List
    click_at "$setup" $SLOT1
    click_at "$setup" $LIST_TOP_ROW
    xdotool key Down Down
    sleep 0.3
}
second_round
shot japanese.png
click_at "$setup" $CANCEL
list=$(zel_wait_window zelroll 15) || zel_fail "Cancel did not start the list style"
zel_no_window zelsetup || zel_fail "zelsetup stayed open after Cancel"
zel_expect_store Data WP0 Tokyo
zel_expect_store Settings JE 1
zel_expect_store Settings Kind 1
second_round
click_at "$setup" $OK
list=$(zel_wait_window zelroll 15) || zel_fail "OK did not start the list clock"
zel_expect_store Settings JE 0
zel_expect_store Settings SelectPattern 0
zel_expect_store Settings Kind 2
zel_expect_store Data PlcCount 1
zel_expect_store Data WD0 9
name0=$(zel_store_get Data WP0)
name1=$(zel_store_get Data WP1)
[ "$name0" = "日本" ] || zel_fail "slot 0 is '$name0', expected Japan in Japanese"
[ -n "$name1" ] || zel_fail "the second place was not saved"
await_store Settings Start 0 5
sleep 1
shot list-japanese.png
zel_log "second round: $name0, $name1 in the list clock"

# (d) Closing the window by the window manager saves nothing and starts nothing.
zel_kill_program zelroll
zel_store_set Settings Start 1
before=$(md5sum <"$(zel_store_file)")
zel_run zelsetup
setup_pid=$ZEL_LAST_PID
setup=$(zel_wait_window zelsetup 15) || zel_fail "no settings window"
xdotool windowactivate --sync "$setup"
click_at "$setup" $STYLE
xdotool key --clearmodifiers alt+F4 # openbox's close
zel_wait_exit "$setup_pid" 10 || zel_fail "zelsetup did not end when closed"
[ "$(md5sum <"$(zel_store_file)")" = "$before" ] || zel_fail "closing the window changed the store"
sleep 1
zel_no_window zelpane && zel_no_window zelroll || zel_fail "closing the window started a display"
zel_log "closed by the window manager: store unchanged, nothing started"

# (e) A stored "Kind" 3 is the task-bar clock: OK starts zelband (here, without a tray, in a
# window of its own). One click on the style turns it into the title-bar clock, which OK starts.
zel_store_set Settings Kind 3
zel_store_set Settings Start 1
zel_run zelsetup
setup=$(zel_wait_window zelsetup 15) || zel_fail "no settings window for Kind 3"
xdotool windowactivate --sync "$setup"
shot task-bar.png
click_at "$setup" $OK
zel_wait_window zelband 15 >/dev/null || zel_fail "OK with Kind 3 started no zelband"
zel_expect_store Settings Kind 3
await_store Settings Start 0 5
zel_log "Kind 3: OK started zelband"
zel_kill_program zelband
zel_store_set Settings Start 1
zel_run zelsetup
setup=$(zel_wait_window zelsetup 15) || zel_fail "no settings window for the second style"
xdotool windowactivate --sync "$setup"
click_at "$setup" $STYLE # Task bar → Tytle bar
click_at "$setup" $OK
zel_wait_exit "$ZEL_LAST_PID" 10 || zel_fail "zelsetup did not end on OK"
zel_expect_store Settings Kind 0
await_store Settings Start 0 5
[ -n "$(zel_display_pids zelcaption)" ] || zel_fail "OK with the title-bar style started no zelcaption"
[ -z "$(zel_display_pids zelband)" ] || zel_fail "zelband still runs"
zel_log "one click on Task bar: Tytle bar, OK started zelcaption"
