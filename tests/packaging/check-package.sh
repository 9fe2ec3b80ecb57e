#!/bin/sh
# Builds the Debian package from an existing build tree (nothing is compiled), unpacks it into a
# scratch root and checks what an office gets: the program runs from there, the desktop entry,
# metainfo and MIME type pass the desktop's own validators and associate .frp files with the
# entry, the manual page names every subcommand, and lintian reports no error or warning.
# usage: check-package.sh BUILD_DIR
set -u
build=$1
work=$(mktemp -d) || exit 99
trap 'rm -rf "$work"' EXIT
# The user's settings (printer offsets, the desktop's application choices) start empty.
export XDG_CONFIG_HOME="$work/config"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
id=it.vellumo.quirelle

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/out/quirelle_*.deb)
root=$work/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
share=$root/usr/share
bin=$root/usr/bin/quirelle

# Libraries found by dpkg-shlibdeps, and what the program loads by name.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 \
               libjpeg62-turbo libpng16-16 fonts-liberation fonts-dejavu-core qt6-translations-l10n; do
    printf '%s\n' "$depends" | tr ',' '\n' | grep -Eq "^ *$package( |\$)" || fail "Depends lacks $package: $depends"
done

# The installed program, with the system's Qt.
version=$(dpkg-deb -f "$deb" Version)
[ "$("$bin" --version)" = "quirelle $version" ] || fail "--version: $("$bin" --version 2>&1)"
( cd "$work" && "$bin" print series --year 2019 --month 3 --count 53 -o x.pdf &&
  "$bin" print series --year 2019 --month 3 --count 53 -o x.frp ) || fail "quirelle print"
pdfinfo "$work/x.pdf" 2>/dev/null | grep -Eq '^Pages: +1$' || fail "x.pdf is not one page"
pdftotext "$work/x.pdf" - 2>/dev/null | grep -q 1903000015 || fail "x.pdf lacks the first code"

# Desktop entry: valid, opens a file through the preview, and its icon is installed.
entry=$share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
grep -qx 'Exec=quirelle --desktop %f' "$entry" || fail "the entry's Exec does not take a file"
grep -qx 'Categories=Office;' "$entry" || fail "the entry is not in Office"
xmllint --noout "$share/icons/hicolor/scalable/apps/$id.svg" || fail "icon"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }

# MIME type: the desktop's database built from it knows a prepared report by its name and, with
# no extension, by its header; the desktop entry is the application for it.
xmllint --noout "$share/mime/packages/$id.xml" || fail "MIME file is not well-formed"
mkdir -p "$work/data/mime/packages"
cp "$share/mime/packages/$id.xml" "$work/data/mime/packages/"
update-mime-database "$work/data/mime" >/dev/null 2>"$work/mime.log" ||
    { cat "$work/mime.log"; fail "update-mime-database"; }
update-desktop-database "$share/applications" || fail "update-desktop-database"
# The desktop as installed: the package's data after the system's, its program on the PATH
# (gio lists only applications whose program it finds).
as_installed() {
    LC_ALL=C XDG_DATA_DIRS="$work/data:$share:/usr/share" XDG_DATA_HOME="$work/none" \
        PATH="$root/usr/bin:$PATH" "$@"
}
cp "$work/x.frp" "$work/report-without-extension"
for file in x.frp report-without-extension; do
    type=$(as_installed gio info -a standard::content-type "$work/$file" | sed -n 's/.*content-type: //p')
    [ "$type" = application/x-quirelle-prepared-report ] || fail "$file is seen as '$type'"
done
as_installed gio mime application/x-quirelle-prepared-report | grep -q "^Default application.*: $id.desktop\$" ||
    fail "the desktop entry does not open prepared reports"

# Manual page: renders without warnings and has every subcommand of the program's help.
page=$share/man/man1/quirelle.1.gz
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$work/man.txt" 2>"$work/man.err" ||
    fail "man"
[ -s "$work/man.err" ] && { cat "$work/man.err"; fail "man warnings"; }
for name in $("$bin" --help | awk '/^  [a-z]/ { print $1 }'); do
    grep -q "quirelle $name" "$work/man.txt" || fail "the manual page lacks quirelle $name"
done

lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian"; }

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$deb") checked"
