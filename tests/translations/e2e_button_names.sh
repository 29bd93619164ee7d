# The names a screen reader hears for the panel clock's and the list clock's buttons, read over
# AT-SPI from the real programs started under the locale given as the first argument: Japanese
# as quoted under a Japanese locale, English under any other.
source "$ZEL_E2E_LIB"
locale=$1
export LANG=$locale LC_ALL=$locale
zel_start_x
zel_start_atspi

case $locale in
ja_*)
    panel_names=("タイトルバーの中に入れる" "時差を絵で表示" "環境設定" "タイトルバーを追わない" "終了")
    list_names=("タイトルバーの中に入れる" "独立した時計で表示" "環境設定" "終了")
    ;;
*)
    panel_names=("Put into the title bar" "Show time differences as a picture" "Settings"
        "Stop following the title bar" "End")
    list_names=("Put into the title bar" "Show as a separate clock" "Settings" "End")
    ;;
esac

# button_names PROGRAM: the names of its push buttons, sorted.
button_names() { zel_atspi_texts "$1" "push button" 2>/dev/null | cut -d' ' -f3- | LC_ALL=C sort; }
expected() { printf '%s\n' "$@" | LC_ALL=C sort; }
names_are() { [ "$(button_names "$1")" = "$2" ]; }

check_program() { # PROGRAM NAMES...
    local program=$1 want
    shift
    want=$(expected "$@")
    zel_store_set Settings Start 1
    zel_run "$program"
    zel_wait_window "$program" 10 >/dev/null || zel_fail "$program showed no window"
    zel_poll 10 names_are "$program" "$want" ||
        zel_fail "$program under $locale: buttons named '$(button_names "$program" | paste -sd'|')'," \
            "expected '$(printf '%s\n' "$want" | paste -sd'|')'"
    zel_log "$program under $locale: $(printf '%s\n' "$want" | paste -sd'|')"
    zel_kill_program "$program"
}

check_program zelpane "${panel_names[@]}"
check_program zelroll "${list_names[@]}"
