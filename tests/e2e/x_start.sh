# The kit's own display start: a window manager slower than a cold machine's first start is
# waited for, and one that never comes up fails with the X server's and its own log.
set -euo pipefail
fakes=$(mktemp -d)
trap 'rm -rf "$fakes"' EXIT
real_openbox=$(command -v openbox)

# Started 12 s late, longer than a short fixed wait allows.
cat >"$fakes/openbox" <<SLOW
#!/bin/sh
sleep 12
exec "$real_openbox" "\$@"
SLOW
chmod +x "$fakes/openbox"
PATH="$fakes:$PATH" bash -c 'source "$ZEL_E2E_LIB"; zel_start_x' ||
    { echo "FAIL: a window manager 12 s late was not waited for"; exit 1; }
echo "-- a slow window manager is waited for"

cat >"$fakes/openbox" <<'BROKEN'
#!/bin/sh
echo "openbox: cannot open theme for this test" >&2
exit 1
BROKEN
if PATH="$fakes:$PATH" ZEL_X_START_LIMIT=2 bash -c 'source "$ZEL_E2E_LIB"; zel_start_x' \
    >"$fakes/out" 2>&1; then
    echo "FAIL: a window manager that never started was taken as started"
    exit 1
fi
for expected in "openbox did not start" "cannot open theme for this test" "xvfb.log"; do
    grep -qF "$expected" "$fakes/out" || {
        cat "$fakes/out"
        echo "FAIL: the failure does not show '$expected'"
        exit 1
    }
done
echo "-- a window manager that never starts fails with both logs"
