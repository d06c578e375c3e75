#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs
# of it: every file in place and nothing else, both programs running from
# there, and entry, AppStream data, file type and man pages accepted by the
# tools that read them.
# Usage: install_test.sh BUILD_DIR VERSION
source "$(dirname "$0")/checks.sh"
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix/usr" >/dev/null
diff -u "$here/installed-files.txt" <(cd "$prefix/usr" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) ||
  fail "installed files differ from installed-files.txt"

share=$prefix/usr/share
for size in 16 22 24 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/glyphwright.png")
  [ "$got" = "${size}x${size}" ] || fail "${size}x${size} icon is $got"
done

for program in glyphwright glyphwright-cli; do
  got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/usr/bin/$program" --version) ||
    fail "$program --version failed"
  [ "$got" = "glyphwright $version" ] || fail "$program --version printed '$got'"
done

entry=$share/applications/glyphwright.desktop
desktop-file-validate "$entry" | grep -v ': hint: ' || true
desktop-file-validate "$entry" >/dev/null || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$share/metainfo/org.kelvaront.glyphwright.metainfo.xml" >/dev/null ||
  fail "appstreamcli rejects the metainfo: $(appstreamcli validate --no-net "$share"/metainfo/*.xml)"

for page in "$share"/man/man1/*.1.gz "$share"/man/de/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

# The file type: the entry opens it, and files are known by their first bytes
# whatever their name, while another program's .fnt file stays unknown.
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/glyphwright.xml")
grep -qx "MimeType=$type;" "$entry" || fail "the desktop entry is not registered for $type"
# (It notes on stderr that the prefix is not where desktops look.)
messages=$(update-mime-database "$share/mime" 2>&1) || fail "update-mime-database: $messages"
files=$work/files
mkdir "$files"
head -c 4096 /dev/zero >"$files/dos.bin"
"$prefix/usr/bin/glyphwright-cli" import-dos "$files/dos.bin" "$files/font-type1"
for t in 2 3; do "$prefix/usr/bin/glyphwright-cli" convert --type $t "$files/font-type1" "$files/font-type$t.data"; done
printf '\x00\x03\x00\x10\x00\x00' >"$files/windows.fnt"
content_type() {
  XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$share:/usr/share" gio info -a standard::content-type "$1" |
    sed -n 's/.*standard::content-type: //p'
}
for f in font-type1 font-type2.data font-type3.data; do
  got=$(content_type "$files/$f")
  [ "$got" = "$type" ] || fail "$f is taken as $got"
done
got=$(content_type "$files/windows.fnt")
[ "$got" != "$type" ] || fail "a Windows .fnt file is taken as $type"

finish "install checks passed"
