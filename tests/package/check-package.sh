#!/usr/bin/env bash
# Makes the Debian package from a build folder, unpacks it into a temporary folder and checks what a user
# gets: the program, its menu entry and icon, the AppStream data and the manual page, each valid, and the Qt
# libraries among the dependencies (by package name, which may carry a suffix such as t64).
#   check-package.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack could not make the package"
fi
deb="$work/vantorads_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(cd "$work" && echo *.deb)"

root="$work/root"
dpkg -x "$deb" "$root"
echo "Files of $(basename "$deb"):"
(cd "$root" && find . -type f | sort)

desktop="$root/usr/share/applications/vantorads.desktop"
metainfo="$root/usr/share/metainfo/example.kestrelsoft.vantorads.metainfo.xml"
manual="$root/usr/share/man/man1/vantorads.1.gz"
for file in "$desktop" "$metainfo" "$manual"; do
    [ -f "$file" ] || fail "the package has no ${file#"$root"/}"
done
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$command" ] || fail "the desktop entry starts '$command', which is not in usr/bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the desktop entry's icon '$icon' is not in the package"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
# validate-tree also checks that the metainfo's launchable names a desktop entry of the same tree.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the AppStream data"
warnings=$(zcat "$manual" | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "the manual page does not format cleanly: $warnings"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    grep -Eq "(^|, )$library[a-z0-9]*( |,|$)" <<<"$depends" || fail "Depends does not name $library"
done
