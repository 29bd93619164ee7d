# The package as Debian's tools judge it: lintian finds no error and no warning but those
# overridden, each with its reason, in packaging/lintian-overrides, and no override has gone
# stale; the desktop entry and the AppStream data validate, alone and installed together.
source "$(dirname "$0")/package.sh"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zel-lint.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

set +e
# lintian's own scratch folders go in ours, removed on exit.
report=$(TMPDIR="$tmp" lintian --info --tag-display-limit 0 --fail-on error,warning "$ZEL_DEB" 2>"$tmp/stderr")
status=$?
set -e
printf '%s\n' "$report"
[ "$status" -eq 0 ] || zel_pkg_fail "lintian exited $status: $(cat "$tmp/stderr")"
# Said as information, not as a warning: an override that nothing needs any more.
if grep -E 'unused-override|mismatched-override' <<<"$report"; then
    zel_pkg_fail "an override in packaging/lintian-overrides is no longer needed"
fi
echo "-- lintian: no error, no warning"

root="$tmp/root"
dpkg-deb -x "$ZEL_DEB" "$root"
for entry in "$root"/usr/share/applications/*.desktop; do
    desktop-file-validate "$entry" || zel_pkg_fail "${entry##*/} does not validate"
    # Only the launcher is in the menus; the others name the windows of their programs.
    hidden=$(sed -n 's/^NoDisplay=//p' "$entry")
    want=true
    [ "${entry##*/}" != zelhome.desktop ] || want=
    [ "$hidden" = "$want" ] || zel_pkg_fail "${entry##*/} has NoDisplay '$hidden'"
done
appstreamcli validate --no-net --strict \
    "$root/usr/share/metainfo/$ZEL_APPSTREAM_ID.metainfo.xml" ||
    zel_pkg_fail "the AppStream data do not validate"
# With the desktop entry and the icon it names, as a software centre reads them.
appstreamcli validate-tree --no-net --strict "$root" ||
    zel_pkg_fail "the installed tree does not validate for AppStream"
echo "package lint: all checks passed"
