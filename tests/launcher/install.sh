# `cmake --install` into a temporary prefix gives a working suite: the programs side by
# side, the icon, and a desktop entry from which the launcher starts the chosen display.
source "$ZEL_E2E_LIB"
: "${ZEL_BUILD_DIR:?run through ctest}"

prefix="$ZEL_TMP/prefix dir" # a blank in the path must not break the entry
installed_cleanup() {
    local pid
    for pid in $(pgrep -f "^$prefix/" 2>/dev/null || true); do kill "$pid" 2>/dev/null || true; done
    zel_cleanup
}
trap installed_cleanup EXIT

cmake --install "$ZEL_BUILD_DIR" --prefix "$prefix" >"$ZEL_TMP/install.log" 2>&1 ||
    zel_fail "cmake --install failed: $(cat "$ZEL_TMP/install.log")"

bin="$prefix/bin"
for program in zelhome zelpane zelroll zelsetup zelcaption zelband; do
    [ -x "$bin/$program" ] && [ -f "$bin/$program" ] || zel_fail "$program is not installed in $bin"
done
png="$prefix/share/icons/hicolor/32x32/apps/zelclock.png"
[ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = 32x32 ] || zel_fail "no 32x32 icon at $png"
[ -s "$prefix/share/icons/hicolor/scalable/apps/zelclock.svg" ] || zel_fail "no SVG icon"
entry="$prefix/share/applications/zelhome.desktop"
[ -f "$entry" ] || zel_fail "no desktop entry"
desktop-file-validate "$entry" || zel_fail "desktop entry does not validate"
value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Path)" = "$bin" ] || zel_fail "Path is '$(value Path)', expected '$bin'"
[ "$(value Exec)" = "\"$bin/zelhome\"" ] || zel_fail "Exec is '$(value Exec)'"
# By theme name: the icon is found in hicolor at any size the desktop wants.
[ "$(value Icon)" = zelclock ] || zel_fail "Icon is '$(value Icon)'"
[ "$(value Type)" = Application ] || zel_fail "Type is '$(value Type)'"
# The settings program's help: every page of docs/help, where zelsetup looks for it (the
# folder share/zelclock/help beside its own bin/).
source_dir=$(cd "$(dirname "$ZEL_E2E_LIB")/../.." && pwd)
help="$bin/../share/zelclock/help"
[ -s "$help/index.html" ] || zel_fail "no help contents page in $help"
for page in "$source_dir"/docs/help/*; do
    cmp -s "$page" "$help/$(basename "$page")" || zel_fail "help page $(basename "$page") not installed"
done
for picture in $(sed -n 's/.*<img src="\([^"]*\)".*/\1/p' "$help"/*.html | sort -u); do
    [ -s "$help/$picture" ] || zel_fail "the help shows $picture, which is not installed"
done
zel_log "installed: programs, icon, desktop entry and help in $prefix"

zel_start_x

# expect_installed_pane: the installed launcher handed over to the installed panel clock.
expect_installed_pane() {
    local launcher=$1 window pid
    window=$(zel_wait_window zelpane 10) || zel_fail "no zelpane window ($(cat "$ZEL_TMP/menu.log"))"
    pid=$(xdotool getwindowpid "$window")
    [ "$(readlink "/proc/$pid/exe")" = "$bin/zelpane" ] ||
        zel_fail "zelpane came from $(readlink "/proc/$pid/exe"), not $bin"
    zel_wait_exit "$launcher" 5 || zel_fail "the installed zelhome still runs"
    zel_expect_store Settings Start 0
    kill "$pid"
    zel_wait_exit "$pid" 5 || zel_fail "zelpane did not end"
}

# As a desktop menu runs the entry: in Path, the command of Exec.
rm -rf "$XDG_CONFIG_HOME"/*
exec_path=$(value Exec | sed 's/^"\(.*\)"$/\1/')
(cd "$(value Path)" && exec "$exec_path") >"$ZEL_TMP/menu.log" 2>&1 &
launcher=$!
ZEL_PIDS+=("$launcher")
expect_installed_pane "$launcher"
zel_log "the desktop entry starts zelhome, which starts the installed zelpane"

# A menu that ignores Path starts it from the home folder: the launcher's own folder serves.
home="$ZEL_TMP/home"
mkdir -p "$home"
rm -rf "$XDG_CONFIG_HOME"/*
(cd "$home" && exec "$exec_path") >"$ZEL_TMP/menu.log" 2>&1 &
launcher=$!
ZEL_PIDS+=("$launcher")
expect_installed_pane "$launcher"
zel_log "started from another folder, zelhome still finds zelpane beside itself"
echo "install: all checks passed"
