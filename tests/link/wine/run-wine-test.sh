#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds the Windows serial device with mingw-w64 and runs its test under
# wine, with pseudo-terminals behind COM4 to COM9 and COM12.
#   run-wine-test.sh DRIVER WORKDIR SOURCEDIR
set -euo pipefail
driver=$1 workdir=$2 source=$3

fail() {
    echo "wine serial test: $*" >&2
    exit 1
}
compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null || fail "$compiler not found (Debian package mingw-w64)"
command -v wine >/dev/null || fail "wine not found (Debian packages wine, wine64)"
command -v wineserver >/dev/null || wineserver_path=/usr/lib/wine/wineserver
wineserver=${wineserver_path:-wineserver}
[ -x "$(command -v "$wineserver")" ] || fail "wineserver not found (Debian package wine64)"

mkdir -p "$workdir"
exe=$workdir/tst_iodevicewindows.exe
# The same definitions as the project's Windows build.
"$compiler" -std=c++17 -O1 -Wall -Wextra -static -DNOMINMAX -DWIN32_LEAN_AND_MEAN -o "$exe" \
    -I"$source/link" -I"$source/link/platform/win" -I"$source/records" -I"$source/tests/link" \
    "$source/tests/link/wine/tst_iodevicewindows.cpp" \
    "$source/link/iodevice.cpp" "$source/link/iodevicewindows_win.cpp" \
    "$source/link/systemfiletime_win.cpp" \
    || fail "cross-build failed"

# One prefix, kept between runs; its COM ports point at links that the driver
# aims at fresh pseudo-terminals every run.
cache=${XDG_CACHE_HOME:-${HOME:-$workdir}/.cache}/lumetra-wine
mkdir -p "$cache"
exec 9>"$cache/lock"
flock 9
export WINEPREFIX=$cache/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY
ports=$cache/ports
mkdir -p "$ports"
mapping=$cache/ports.reg
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\r\n'
    for n in 4 5 6 7 8 9 12; do
        printf '"COM%s"="%s"\r\n' "$n" "$ports/com$n"
    done
} >"$mapping.new"
if [ ! -f "$WINEPREFIX/system.reg" ] || ! cmp -s "$mapping.new" "$mapping"; then
    "$wineserver" -k >/dev/null 2>&1 || true
    wine wineboot -i >/dev/null 2>&1 || fail "wineboot failed in $WINEPREFIX"
    wine regedit /S "$(winepath -w "$mapping.new" 2>/dev/null)" >/dev/null 2>&1 \
        || fail "could not write the COM port mapping"
    "$wineserver" -w
    mv "$mapping.new" "$mapping"
fi
# A fresh server lists the mapped ports anew (the port list is volatile).
"$wineserver" -k >/dev/null 2>&1 || true
"$wineserver" -w >/dev/null 2>&1 || true

status=0
"$driver" "$ports" wine "$exe" || status=$?
"$wineserver" -k >/dev/null 2>&1 || true
exit $status
