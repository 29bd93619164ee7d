# Looking ahead in the running list clock, its texts read over AT-SPI: three wheel notches over a
# strip move every row's time by three hours, Escape brings back the present, and "9" typed on
# a row with Enter shows 09:00 in that row.
source "$ZEL_E2E_LIB"
zel_start_x
zel_start_atspi

zel_store_set Data PlcCount 1
zel_store_set Data WP0 Tokyo
zel_store_set Data WD0 9
zel_store_set Data TZ0 Asia/Tokyo
zel_store_set Data WP1 Bergen
zel_store_set Data WD1 1
zel_store_set Data TZ1 Europe/Oslo
zel_store_set Settings MainLLeft 1500
zel_store_set Settings MainLTop 1500
zel_store_set Settings Start 1
# Early in a minute, so that the minute does not turn while the test reads.
zel_run zelroll faketime "2026-06-10 13:20:02"
LIST_PID=$ZEL_LAST_PID
LIST_WIN=$(zel_wait_window zelroll 10) || zel_fail "zelroll showed no window"

# The rows' times ("13:20 "), top to bottom, then the distance beside "Local" if shown.
times() { zel_atspi_texts zelroll | awk '$3 ~ /^[0-9][0-9]:[0-9][0-9]$/ { printf "%s ", $3 }'; }
distance() { zel_atspi_texts zelroll | awk '$3 ~ /^[+\xe2]/ { print $3 }'; }
times_are() { [ "$(times)" = "$1" ]; }
expect_times() { # EXPECTED WHAT
    zel_poll 10 times_are "$1" || zel_fail "$2: times are '$(times)', expected '$1'"
}

expect_times "13:20 22:20 15:20 " "at start"
read -r x y _ _ < <(zel_geometry "$LIST_WIN")
# Over the first place's strip, three notches away from the user.
xdotool mousemove $((x + 200)) $((y + 45)) sleep 0.3 click 4 sleep 0.1 click 4 sleep 0.1 click 4
expect_times "16:20 01:20 18:20 " "three notches ahead"
[ "$(distance)" = "+3:00" ] || zel_fail "the distance reads '$(distance)', expected +3:00"
zel_log "three notches: $(times)($(distance))"

xdotool windowfocus --sync "$LIST_WIN" 2>/dev/null || xdotool windowactivate "$LIST_WIN"
xdotool key --window "$LIST_WIN" Escape
expect_times "13:20 22:20 15:20 " "after Escape"
[ -z "$(distance)" ] || zel_fail "the distance stays after Escape"
zel_log "Escape: $(times)"

# "9" and Enter with the pointer on Bergen's row: 09:00 there tomorrow, 07:00 UTC.
xdotool mousemove $((x + 500)) $((y + 61)) sleep 0.3 type --delay 100 9
xdotool sleep 0.3 key Return
expect_times "07:00 16:00 09:00 " "9 typed on Bergen's row"
zel_log "typed 9 on Bergen: $(times)"
kill "$LIST_PID"
echo "looking ahead end to end: all checks passed"
