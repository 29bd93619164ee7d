# Looking ahead in the running list clock, its texts read over AT-SPI: three wheel notches over a
# strip move every row's time by three hours, Ctrl+C then puts the looked-at moment on the X
# clipboard, Escape brings back the present, "9" typed on a row with Enter shows 09:00 in that
# row, and "Clock12" shows 12 hours; then the panel clock holds a place tied to the window in
# front.
source "$ZEL_E2E_LIB"
zel_start_x
zel_start_atspi

zel_store_set Data PlcCount 4
places=("Tokyo|Asia/Tokyo" "Bergen|Europe/Oslo" "Kathmandu|Asia/Kathmandu"
    "New York|America/New_York" "Sydney|Australia/Sydney")
for i in 0 1 2 3 4; do
    IFS='|' read -r name zone <<<"${places[$i]}"
    zel_store_set Data "WP$i" "$name"
    zel_store_set Data "TZ$i" "$zone"
done
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

expect_times "13:20 22:20 15:20 19:05 09:20 23:20 " "at start"
read -r x y _ _ < <(zel_geometry "$LIST_WIN")
# Over the first place's strip, three notches away from the user.
xdotool mousemove $((x + 200)) $((y + 45)) sleep 0.3 click 4 sleep 0.1 click 4 sleep 0.1 click 4
expect_times "16:20 01:20 18:20 22:05 12:20 02:20 " "three notches ahead"
[ "$(distance)" = "+3:00" ] || zel_fail "the distance reads '$(distance)', expected +3:00"
zel_log "three notches: $(times)($(distance))"

xdotool windowfocus --sync "$LIST_WIN" 2>/dev/null || xdotool windowactivate "$LIST_WIN"
xdotool key --window "$LIST_WIN" ctrl+c
copied="Local  Wed 10 Jun 2026 16:20 (UTC+0)
Tokyo  Thu 11 Jun 2026 01:20 (UTC+9)
Bergen  Wed 10 Jun 2026 18:20 (UTC+2)
Kathmandu  Wed 10 Jun 2026 22:05 (UTC+5:45)
New York  Wed 10 Jun 2026 12:20 (UTC-4)
Sydney  Thu 11 Jun 2026 02:20 (UTC+10)"
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$copied" ]; }
zel_poll 10 clipboard_is ||
    zel_fail "Ctrl+C put '$(xclip -o -selection clipboard 2>&1)' on the clipboard"
zel_log "Ctrl+C: $(xclip -o -selection clipboard | wc -l) lines on the clipboard"
xdotool key --window "$LIST_WIN" Escape
expect_times "13:20 22:20 15:20 19:05 09:20 23:20 " "after Escape"
[ -z "$(distance)" ] || zel_fail "the distance stays after Escape"
zel_log "Escape: $(times)"

# "9" and Enter with the pointer on Bergen's row: 09:00 there tomorrow, 07:00 UTC.
xdotool mousemove $((x + 500)) $((y + 61)) sleep 0.3 type --delay 100 9
xdotool sleep 0.3 key Return
expect_times "07:00 16:00 09:00 12:45 03:00 17:00 " "9 typed on Bergen's row"
zel_log "typed 9 on Bergen: $(times)"
# "Clock12" from another program: the rows turn to 12 hours on "Change".
shows() { zel_atspi_texts "$1" | cut -d' ' -f3- | grep -qx "$2 *"; } # PROGRAM TEXT
zel_store_set Settings Clock12 1
zel_store_set Data Change 1
zel_poll 10 shows zelroll "7:00 AM" || zel_fail "Clock12 1: no 7:00 AM in $(zel_atspi_texts zelroll)"
kill "$LIST_PID"

# Bergen tied to windows titled with its word: while one is in front the panel holds Bergen, in
# 12 hours; with another window in front it rotates again (CT 1 s through five places).
zel_store_set Data ShowWhile1 "bergen team"
xmessage -title "Chat - Bergen Team" -geometry 300x100+100+300 tied &
ZEL_PIDS+=($!)
tied=$(zel_wait_window xmessage "$ZEL_X_START_LIMIT") || zel_fail "no tied xmessage window"
xdotool windowactivate --sync "$tied"
zel_store_set Settings Start 1
zel_run zelpane faketime "2026-06-10 13:20:02"
zel_poll 15 shows zelpane "Bergen" || zel_fail "the panel does not show Bergen for the tied window"
for _ in 1 2 3 4; do
    sleep 0.7
    shows zelpane "Bergen" || zel_fail "the panel turned away from the tied window's place"
done
shows zelpane "3:20 PM" || zel_fail "the panel's time is not 3:20 PM: $(zel_atspi_texts zelpane)"
xmessage -geometry 300x100+500+300 other &
ZEL_PIDS+=($!)
zel_poll 10 bash -c "[ \$(xdotool search --onlyvisible --classname xmessage | wc -l) -ge 2 ]" ||
    zel_fail "no second xmessage window"
other=$(xdotool search --onlyvisible --classname xmessage | grep -vx "$((tied))" | head -n1)
xdotool windowactivate --sync "$other"
zel_poll 10 shows zelpane "Tokyo" || zel_fail "the panel did not rotate again after the tie"
zel_log "tied window in front: the panel held Bergen at 3:20 PM, and rotates again after it"
echo "looking ahead end to end: all checks passed"
