# The names a screen reader hears for the panel clock's, the list clock's and the settings
# program's buttons, read over AT-SPI from the real programs started under the locale given as
# the first argument: Japanese as quoted under a Japanese locale, English under any other. The
# clocks leave the keyboard with the window the user types in when they show and move, and take
# it with a click: Tab then goes through their buttons and Space presses one.
source "$ZEL_E2E_LIB"
locale=$1
export LANG=$locale LC_ALL=$locale
zel_start_x
zel_start_atspi

case $locale in
ja_*)
    panel_names=("タイトルバーの中に入れる" "時差を絵で表示" "環境設定" "タイトルバーを追わない" "終了")
    list_names=("タイトルバーの中に入れる" "独立した時計で表示" "環境設定" "終了" "帯の色分けを切り替える")
    slot=("スロット%s：%s" "空き")
    unfollow="「タイトルバーを追う」に変更"
    ;;
*)
    panel_names=("Put into the title bar" "Show time differences as a picture" "Settings"
        "Stop following the title bar" "End")
    list_names=("Put into the title bar" "Show as a separate clock" "Settings" "End"
        "Switch the strips' colouring")
    slot=("Slot %s: %s" "empty")
    unfollow='Change to "Follow the title bar"'
    ;;
esac
setup_names=("$(printf "${slot[0]}" 1 Bergen)" Japanese English Country City)
for i in 2 3 4 5 6; do setup_names+=("$(printf "${slot[0]}" "$i" "${slot[1]}")"); done

# button_names PROGRAM [ROLE]: the names of its push buttons (or controls of ROLE), sorted.
button_names() {
    zel_atspi_texts "$1" "${2:-push button}" 2>/dev/null | cut -d' ' -f3- | LC_ALL=C sort
}
expected() { printf '%s\n' "$@" | LC_ALL=C sort; }
names_are() { [ "$(button_names "$1" "${3:-}")" = "$2" ]; }
typing_in_xterm() { [ $(($(xdotool getwindowfocus -f))) = $((xt)) ]; }

check_program() { # PROGRAM ROLE NAMES...: the program left running
    local program=$1 role=$2 want
    shift 2
    want=$(expected "$@")
    zel_store_set Settings Start 1
    zel_run "$program"
    zel_wait_window "$program" 10 >/dev/null || zel_fail "$program showed no window"
    zel_poll 10 names_are "$program" "$want" "$role" ||
        zel_fail "$program under $locale: ${role}s named" \
            "'$(button_names "$program" "$role" | paste -sd'|')'," \
            "expected '$(printf '%s\n' "$want" | paste -sd'|')'"
    zel_log "$program under $locale: $(printf '%s\n' "$want" | paste -sd'|')"
}

# tab_and_press PROGRAM LABEL TABS: a click on the program's label of that text, then Tab TABS
# times and Space.
tab_and_press() {
    local x y
    read -r x y < <(zel_atspi_texts "$1" | awk -v t="$2" '$0 ~ " " t "$" { print $1, $2; exit }')
    xdotool mousemove $((x + 4)) $((y + 4)) click 1
    zel_poll 5 eval '! typing_in_xterm' || zel_fail "$1 took no keyboard from a click"
    xdotool key --delay 100 $(printf 'Tab %.0s' $(seq "$3")) space
}

env -u ENV xterm -geometry 70x12+150+120 -e sh &
ZEL_PIDS+=($!)
xt=$(zel_wait_window xterm "$ZEL_X_START_LIMIT") || zel_fail "no xterm"
xdotool windowactivate --sync "$xt"

check_program zelpane "push button" "${panel_names[@]}"
xdotool windowmove --sync "$xt" 200 200
sleep 1
typing_in_xterm || zel_fail "the panel clock took the keyboard as it showed and moved"
tab_and_press zelpane Japan 4 # the fourth from the left: following on and off
zel_poll 10 names_are zelpane "$(expected "${panel_names[@]:0:3}" "$unfollow" "${panel_names[4]}")" ||
    zel_fail "Tab and Space did not reach the follow button: $(button_names zelpane | paste -sd'|')"
zel_kill_program zelpane

xdotool windowactivate --sync "$xt"
check_program zelroll "push button" "${list_names[@]}"
typing_in_xterm || zel_fail "the list clock took the keyboard as it showed"
cells=$(zel_atspi_texts zelroll 2>/dev/null | grep -c ':00$' || true)
[ "$cells" -ge 72 ] || zel_fail "the list clock's strips name $cells cells, not 3 x 24"
tab_and_press zelroll Local 5 # the strip mode's switch, right of the four at the left
zel_wait_text zelroll "AM - PM" 10 || zel_fail "Tab and Space did not switch the strips' mode"
zel_kill_program zelroll

check_program zelsetup "radio button" "${setup_names[@]}"
zel_has_text zelsetup OK "push button" || zel_fail "OK is not named OK"
zel_kill_program zelsetup
