#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its control fields and that
# it holds exactly the files an install puts in place.
# Usage: deb_test.sh BUILD_DIR VERSION
source "$(dirname "$0")/checks.sh"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  exit 1
}
deb=$work/glyphwright_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || {
  echo "FAIL: no $(basename "$deb") in: $(ls "$work")" >&2
  exit 1
}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = glyphwright ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
# shlibdeps found the libraries the programs link; libqt6svg6 is named by hand.
depends=$(field Depends)
for library in libc6 libstdc++6 libpng16-16 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
  [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] || fail "Depends lacks $library: $depends"
done

diff -u <(sed 's|^|usr/|' "$here/installed-files.txt") \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort) ||
  fail "package files differ from installed-files.txt"

finish "package checks passed: $(basename "$deb")"
