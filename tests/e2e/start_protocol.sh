# The start hand-over: the settings program and the clocks run only when another program of the
# suite asked for them through "Start"; the clocks consume the request.
source "$ZEL_E2E_LIB"
zel_start_x

for program in zelsetup zelroll zelpane zelcaption zelband; do
    for start in missing 0; do
        rm -rf "$XDG_CONFIG_HOME"/*
        [ "$start" = missing ] || zel_store_set Settings Start 0
        before=$(cat "$(zel_store_file)" 2>/dev/null || true)
        zel_run "$program"
        zel_wait_exit "$ZEL_LAST_PID" 5 || zel_fail "$program with Start $start kept running"
        zel_no_window "$program" || zel_fail "$program with Start $start showed a window"
        after=$(cat "$(zel_store_file)" 2>/dev/null || true)
        [ "$before" = "$after" ] || zel_fail "$program with Start $start changed the store"
        # Someone who typed the name is told, in one line, what to start instead.
        said=$(cat "$ZEL_TMP/$program.log")
        [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] && [[ $said == "$program: "*zelhome* ]] ||
            zel_fail "$program with Start $start said: $said"
        zel_log "$program ends at once with Start $start"
    done
done

for program in zelroll zelpane; do
    rm -rf "$XDG_CONFIG_HOME"/*
    zel_store_set Settings Start 1
    zel_run "$program"
    zel_wait_window "$program" 10 >/dev/null || zel_fail "$program with Start 1 showed no window"
    zel_expect_store Settings Start 0
    kill -0 "$ZEL_LAST_PID" || zel_fail "$program ended"
    kill "$ZEL_LAST_PID"
    zel_wait_exit "$ZEL_LAST_PID" 5 || zel_fail "$program did not end"
    zel_log "$program runs with Start 1 and leaves Start 0"
done

# The settings program leaves the request where it is.
rm -rf "$XDG_CONFIG_HOME"/*
zel_store_set Settings Start 1
zel_run zelsetup
zel_wait_window zelsetup 10 >/dev/null || zel_fail "zelsetup with Start 1 showed no window"
zel_expect_store Settings Start 1
zel_log "zelsetup runs with Start 1 and leaves it"

# No display: one line on standard error and a non-zero exit, not an abort.
for program in zelroll zelpane zelsetup; do
    zel_store_set Settings Start 1
    set +e
    out=$(cd "$ZEL_BIN_DIR" && env -u DISPLAY "./$program" 2>&1)
    code=$?
    set -e
    [ "$code" -ne 0 ] && [ "$code" -lt 128 ] || zel_fail "$program without display exited $code"
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || zel_fail "$program without display said: $out"
    case "$out" in *display*) ;; *) zel_fail "$program without display said: $out" ;; esac
    zel_log "$program without a display: $out"
done
echo "start protocol: all checks passed"
