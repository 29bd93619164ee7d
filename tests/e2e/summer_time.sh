# New York's spring change seen by a running list clock: started under faketime 90 seconds
# before 07:00 UTC on 2027-03-14, its New York row must read like a fixed UTC-5 row before the
# change and like a fixed UTC-4 row after it, without a reload. The rows are compared as
# pixels, so the check needs no reading of text: equal time texts draw equal pictures.
source "$ZEL_E2E_LIB"
zel_start_x

zel_store_set Data PlcCount 2
zel_store_set Data WP0 "New York"
zel_store_set Data WD0 -5
zel_store_set Data WDM0 0
zel_store_set Data SA0 0
zel_store_set Data TZ0 America/New_York
zel_store_set Data WP1 "UTC-4"
zel_store_set Data WD1 -4
zel_store_set Data WDM1 0
zel_store_set Data WP2 "UTC-5"
zel_store_set Data WD2 -5
zel_store_set Data WDM2 0
zel_store_set Settings MainLLeft 1500
zel_store_set Settings MainLTop 1500
zel_store_set Settings Start 1

zel_run zelroll faketime "2027-03-14 06:58:30"
WIN=$(zel_wait_window zelroll 20) || zel_fail "zelroll showed no window"
read -r wx wy _ _ < <(zel_geometry "$WIN")

# The picture of the time label of place row r (1 = place 0), from one screenshot.
time_label() {
    local shot=$1 row=$2
    # Time labels: left 6360, width 615, rows at 360 + 240 r twips; the inside of the label,
    # clear of the borders it shares with its neighbours.
    convert "$shot" -crop "36x14+$((wx + 426))+$((wy + 25 + 16 * row))" +repage rgb:- | md5sum
}

# Polls screenshots (for up to `limit` seconds) until the New York row matches the wanted reference row and differs from
# the other one; prints how long it took.
wait_rows() {
    local same=$1 other=$2 limit=$3 shot ny ref alt
    local deadline=$((SECONDS + limit))
    shot="$ZEL_TMP/rows.png"
    while [ "$SECONDS" -lt "$deadline" ]; do
        # The window manager may still place the window after it first maps: measure each time.
        read -r wx wy _ _ < <(zel_geometry "$WIN")
        zel_screenshot "$shot"
        ny=$(time_label "$shot" 1)
        ref=$(time_label "$shot" "$same")
        alt=$(time_label "$shot" "$other")
        if [ "$ny" = "$ref" ] && [ "$ny" != "$alt" ]; then
            return 0
        fi
        sleep 0.25
    done
    return 1
}

# Before the change (01:59 EST): like the UTC-5 row, not like the UTC-4 one (02:59).
wait_rows 3 2 85 || { [ -n "${ZEL_SHOT_DIR:-}" ] && cp "$ZEL_TMP/rows.png" "$ZEL_SHOT_DIR/summer_fail.png"; zel_fail "before 07:00 UTC New York does not read 01:59"; }
cp "$ZEL_TMP/rows.png" "$ZEL_TMP/before.png"
zel_log "01:59 before the change"
# After it (03:00 EDT): like the UTC-4 row, no longer like the UTC-5 one (02:00). The process
# keeps running: the change must come from its own ticks.
wait_rows 2 3 150 || {
    [ -n "${ZEL_SHOT_DIR:-}" ] && cp "$ZEL_TMP/rows.png" "$ZEL_SHOT_DIR/summer_fail.png"
    zel_fail "after 07:00 UTC New York does not read 03:00 (window at $wx,$wy)"
}
kill -0 "$ZEL_LAST_PID" || zel_fail "zelroll ended"
zel_log "03:00 after the change, in the same process"
[ -n "${ZEL_SHOT_DIR:-}" ] && cp "$ZEL_TMP/rows.png" "$ZEL_SHOT_DIR/summer_after.png"
exit 0
