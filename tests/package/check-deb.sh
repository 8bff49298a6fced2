#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the .deb from a finished build tree, checks it with lintian, unpacks it
# into a scratch root and runs what it installed.
#   check-deb.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
work=$2
version=$3

fail() {
    echo "package test: $*" >&2
    exit 1
}
command -v dpkg-shlibdeps >/dev/null || fail "dpkg-shlibdeps not found (Debian package dpkg-dev)"
command -v lintian >/dev/null || fail "lintian not found (Debian package lintian)"

rm -rf "$work"
mkdir -p "$work"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1) \
    || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/out/lumetra_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no lumetra_${version}_*.deb in $work/out: $(ls "$work/out")"
deb=${debs[0]}

lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log" >&2; fail "lintian found errors or warnings"; }

# Dependencies are computed from the binaries: Qt's runtime libraries must be
# there, with Qt's translations and the report's Chinese font.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt5core5a libqt5gui5 libqt5widgets5 libqt5printsupport5 qttranslations5-l10n \
    fonts-noto-cjk; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$work/root
dpkg -x "$deb" "$root"
bin=$root/usr/bin
for program in lumetra lumetra-cli lumetra-meter-sim; do
    [ -x "$bin/$program" ] || fail "$program not installed"
    if ldd "$bin/$program" | grep -q "not found"; then
        fail "$program has unresolved libraries: $(ldd "$bin/$program" | grep 'not found')"
    fi
    # Without a display, as help2man runs it at build time.
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" --version 2>&1) \
        || fail "$program --version failed: $answer"
    [ "$answer" = "$program $version" ] || fail "$program --version says '$answer', not $version"
done

desktops=("$root"/usr/share/applications/*.desktop)
desktop=${desktops[0]}
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx "Exec=lumetra" "$desktop" || fail "desktop entry does not start lumetra"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 64 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no ${size}x${size} icon named $icon"
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not a ${size}px PNG"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
fi
# The AppStream metadata as installed, with the desktop entry it names.
appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log" >&2; fail "the installed AppStream metadata does not validate"; }

"$bin/lumetra-cli" --help | grep -q "^Usage: lumetra-cli" || fail "lumetra-cli --help"

# An archive written by the installed writer, read back by the installed reader.
"$bin/lumetra-meter-sim" -o "$work/capture.bin" --records 4 --seed 7 --no-pacing 2>/dev/null
"$bin/lumetra-cli" decode "$work/capture.bin" --csv -o "$work/four.mrf" >/dev/null 2>&1 \
    || fail "decode -o failed"
dump=$("$bin/lumetra-cli" dump "$work/four.mrf" --csv)
# A header line and twelve fiber rows per record.
rows=$(($(wc -l <<<"$dump") - 1))
[ "$rows" -eq 48 ] || fail "dump gave $rows fiber rows, expected 48"
# The installed dump agrees with the build tree's.
[ "$dump" = "$("$build/tools/cli/lumetra-cli" dump "$work/four.mrf" --csv)" ] \
    || fail "installed and built lumetra-cli disagree"
echo "package test: $(basename "$deb") installs and runs"
