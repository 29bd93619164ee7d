# Sourced by the package tests: the one package that package.build made, in ZEL_DEB, and a
# temporary folder, in ZEL_PKG_TMP, removed on exit unless the test sets its own trap.
set -euo pipefail
: "${ZEL_DEB_DIR:?run through ctest}"

zel_pkg_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

debs=("$ZEL_DEB_DIR"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
    zel_pkg_fail "expected one package in $ZEL_DEB_DIR, found: ${debs[*]}"
ZEL_DEB=${debs[0]}
