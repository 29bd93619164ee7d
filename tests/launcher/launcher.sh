# The launcher as the user starts it: about window first, then the display of "Kind" from the
# start directory, then the launcher ends; the hand-over goes through "Start".
source "$ZEL_E2E_LIB"
zel_start_x

# zel_display_after_about KIND-DISPLAY: the about window shows while no display runs yet, then
# the display's window appears and the launcher has ended.
# The about window lives for half a second: it is found and measured in one xdotool call, so a
# loaded machine cannot close it between the two.
about_size() {
    xdotool search --onlyvisible --classname zelhome getwindowgeometry --shell 2>/dev/null |
        awk -F= '$1=="WIDTH"{w=$2} $1=="HEIGHT"{h=$2} END{if (w == "") exit 1; print w, h}'
}
zel_display_after_about() {
    local display=$1 size
    size=$(zel_poll 10 about_size) || zel_fail "no about window"
    zel_no_window "$display" || zel_fail "$display was up before the about window"
    [ "$size" = "292 102" ] || zel_fail "about window is $size"
    zel_wait_window "$display" 10 >/dev/null || zel_fail "$display did not start"
    zel_wait_exit "$ZEL_LAST_PID" 5 || zel_fail "zelhome still runs beside $display"
    zel_no_window zelhome || zel_fail "the about window stayed"
}

# A start directory whose displays only record what they found: "Start" must be "1" when the
# display starts, and the display must come from the start directory.
fake="$ZEL_TMP/fake"
mkdir -p "$fake"
cp "$ZEL_BIN_DIR/zelhome" "$fake/"
for display in zelpane zelroll zelcaption; do
    cat >"$fake/$display" <<SCRIPT
#!/usr/bin/env bash
echo "$display \$("$ZEL_TEST_TOOLS/zelstore" get Settings Start) \$PWD" >>"$ZEL_TMP/started"
SCRIPT
    chmod +x "$fake/$display"
done
run_fake() {
    (cd "$fake" && exec ./zelhome) >"$ZEL_TMP/fake-zelhome.log" 2>&1 &
    ZEL_LAST_PID=$!
    ZEL_PIDS+=("$ZEL_LAST_PID")
}
for kind in missing 0 1 2; do
    rm -rf "$XDG_CONFIG_HOME"/* "$ZEL_TMP/started"
    zel_store_set Settings Start 0
    [ "$kind" = missing ] || zel_store_set Settings Kind "$kind"
    started_at=$(date +%s%N)
    run_fake
    zel_wait_exit "$ZEL_LAST_PID" 10 || zel_fail "zelhome with Kind $kind did not end"
    for i in $(seq 50); do [ -s "$ZEL_TMP/started" ] && break; sleep 0.1; done
    case $kind in 0) want=zelcaption ;; 2) want=zelroll ;; *) want=zelpane ;; esac
    [ "$(cat "$ZEL_TMP/started" 2>/dev/null)" = "$want 1 $fake" ] ||
        zel_fail "Kind $kind: started '$(cat "$ZEL_TMP/started" 2>/dev/null)', expected '$want 1 $fake'"
    elapsed_ms=$((($(date +%s%N) - started_at) / 1000000))
    [ "$elapsed_ms" -ge 450 ] || zel_fail "Kind $kind: handed over after only $elapsed_ms ms"
    zel_expect_store Settings Start 1
    zel_log "Kind $kind starts $want from the start directory with Start 1 ($elapsed_ms ms)"
done

# Kind 3 names no display: nothing starts, "Start" is written all the same.
rm -rf "$XDG_CONFIG_HOME"/* "$ZEL_TMP/started"
zel_store_set Settings Kind 3
run_fake
zel_wait_exit "$ZEL_LAST_PID" 10 || zel_fail "zelhome with Kind 3 did not end"
sleep 0.5
[ ! -e "$ZEL_TMP/started" ] || zel_fail "Kind 3 started $(cat "$ZEL_TMP/started")"
zel_expect_store Settings Start 1
zel_log "Kind 3 starts nothing and leaves Start 1"

# The real displays: they take the request ("Start" back to "0") and show their window.
rm -rf "$XDG_CONFIG_HOME"/*
zel_run zelhome
zel_display_after_about zelpane
zel_expect_store Settings Start 0
zel_no_window zelroll || zel_fail "zelroll started with an empty store"
zel_log "empty store: about window, then zelpane, which took Start"
kill $(xdotool search --onlyvisible --classname zelpane getwindowpid 2>/dev/null) 2>/dev/null || true
for i in $(seq 50); do zel_no_window zelpane && break; sleep 0.1; done

rm -rf "$XDG_CONFIG_HOME"/*
zel_store_set Settings Kind 2
zel_run zelhome
zel_display_after_about zelroll
zel_expect_store Settings Start 0
zel_no_window zelpane || zel_fail "zelpane started for Kind 2"
zel_log "Kind 2: about window, then zelroll, which took Start"
kill $(xdotool search --onlyvisible --classname zelroll getwindowpid 2>/dev/null) 2>/dev/null || true

# No display where it should be: a message names it, "Start" goes back to "0", and the
# launcher ends once the message is answered.
rm -rf "$XDG_CONFIG_HOME"/*
zel_run_alone zelhome
for i in $(seq 100); do
    [ "$(zel_store_get Settings Start 2>/dev/null)" = 0 ] && break
    sleep 0.1
done
zel_expect_store Settings Start 0
sleep 0.5
kill -0 "$ZEL_LAST_PID" 2>/dev/null || zel_fail "zelhome ended without showing why"
box=$(xdotool search --onlyvisible --pid "$ZEL_LAST_PID" 2>/dev/null | tail -n1)
[ -n "$box" ] || zel_fail "no message window"
zel_screenshot "$ZEL_TMP/missing.png"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key --clearmodifiers Return
zel_wait_exit "$ZEL_LAST_PID" 5 || zel_fail "zelhome did not end after the message"
zel_log "missing display: message shown, Start back to 0, launcher ended"
echo "launcher: all checks passed"
