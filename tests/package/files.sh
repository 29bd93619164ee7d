# What the package holds and what its removal leaves: exactly the expected files, a name and
# dependencies as Debian makes them, no script that could touch a user's files, and after
# `dpkg -r` nothing of it on the system (installed into a root of the test's own, never /usr).
source "$(dirname "$0")/package.sh"
: "${ZEL_SOURCE_DIR:?}" "${ZEL_DEB_VERSION:?}" "${ZEL_APPSTREAM_ID:?}"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zel-files.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

arch=$(dpkg --print-architecture)
[ "$(basename "$ZEL_DEB")" = "zelclock_${ZEL_DEB_VERSION}_$arch.deb" ] ||
    zel_pkg_fail "the package is named $(basename "$ZEL_DEB")"

{
    for program in zelband zelcaption zelhome zelpane zelroll zelsetup; do
        echo "usr/bin/$program"
        echo "usr/share/man/man1/$program.1.gz"
        echo "usr/share/applications/$program.desktop"
    done
    echo usr/share/icons/hicolor/32x32/apps/zelclock.png
    echo usr/share/icons/hicolor/scalable/apps/zelclock.svg
    echo "usr/share/metainfo/$ZEL_APPSTREAM_ID.metainfo.xml"
    echo usr/share/doc/zelclock/copyright
    echo usr/share/doc/zelclock/changelog.Debian.gz
    echo usr/share/lintian/overrides/zelclock
    # The help: every page written, and every picture the pages show.
    for page in "$ZEL_SOURCE_DIR"/docs/help/*; do echo "usr/share/zelclock/help/${page##*/}"; done
    sed -n 's/.*<img src="\([^"]*\)".*/usr\/share\/zelclock\/help\/\1/p' \
        "$ZEL_SOURCE_DIR"/docs/help/*.html
} | sort -u >"$tmp/expected"
dpkg-deb -c "$ZEL_DEB" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$tmp/packaged"
diff -u "$tmp/expected" "$tmp/packaged" ||
    zel_pkg_fail "the package holds other files than expected (- missing, + unexpected)"
echo "-- $(wc -l <"$tmp/packaged") files, as expected"

# The libraries come from dpkg-shlibdeps, with versions (ICU's, which the settings program's
# search uses, is Qt's own, so it installs nothing more); the plugin and the font by hand.
depends=$(dpkg-deb -f "$ZEL_DEB" Depends)
for needed in 'libqt6widgets6 (>= ' 'libqt6core6 (>= ' 'libc6 (>= ' 'libicu' qt6-qpa-plugins \
    'fonts-noto-cjk | fonts-japanese-gothic'; do
    [[ $depends == *"$needed"* ]] || zel_pkg_fail "Depends lacks '$needed': $depends"
done
echo "-- Depends: $depends"
# Only the control file and the checksums: no maintainer script runs at install or removal.
control=$(dpkg-deb --ctrl-tarfile "$ZEL_DEB" | tar -t | sed 's|^\./||; /^$/d' | sort | xargs)
[ "$control" = "control md5sums" ] || zel_pkg_fail "control files: $control"

# Installed with dpkg into a root of the test's own (fakeroot lets dpkg give files to root),
# beside a user's settings, then removed.
root="$tmp/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info" "$root/home/user/.config/ZelClock"
touch "$root/var/lib/dpkg/status"
store="$root/home/user/.config/ZelClock/ZelClock.conf"
printf '[Settings]\nKind=2\n' >"$store"
dpkg_in_root() { fakeroot dpkg --root="$root" --force-not-root --log=/dev/null "$@"; }
dpkg_in_root --force-depends -i "$ZEL_DEB" >"$tmp/dpkg.log" 2>&1 ||
    zel_pkg_fail "dpkg -i failed: $(cat "$tmp/dpkg.log")"
[ -x "$root/usr/bin/zelhome" ] || zel_pkg_fail "dpkg -i installed no zelhome"
dpkg_in_root -r zelclock >"$tmp/dpkg.log" 2>&1 || zel_pkg_fail "dpkg -r failed: $(cat "$tmp/dpkg.log")"
left=$(cd "$root" && find . -mindepth 1 ! -path './var' ! -path './var/lib' ! -path './var/lib/dpkg' \
    ! -path './var/lib/dpkg/*' ! -path './home*')
[ -z "$left" ] || zel_pkg_fail "dpkg -r left behind: $left"
[ "$(cat "$store")" = "$(printf '[Settings]\nKind=2')" ] || zel_pkg_fail "the removal touched the store"
echo "-- dpkg -r removes every file and folder it installed; the user's settings stay"
echo "package files: all checks passed"
