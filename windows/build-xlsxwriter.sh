#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds libxlsxwriter for 64-bit Windows (mingw-w64) from Debian's
# libxlsxwriter source package, with the minizip, md5 and tmpfileplus it
# bundles (Debian's own build links the system's minizip and OpenSSL instead,
# which mingw lacks) and Debian's zlib for mingw-w64 linked in, into a cache
# folder keyed by the source version and the options below, so a machine
# builds it once. Prints the install folder on its last line.
#   build-xlsxwriter.sh
set -euo pipefail
say_prefix="windows libxlsxwriter"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=windows/debian-sources.sh
source "$here/debian-sources.sh"

zlib=/usr/$host/lib/libz.a
XLSX_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DUSE_SYSTEM_MINIZIP=OFF
    -DUSE_OPENSSL_MD5=OFF -DUSE_NO_MD5=OFF -DUSE_STANDARD_TMPFILE=OFF -DBUILD_TESTS=OFF
    -DBUILD_EXAMPLES=OFF -DZLIB_LIBRARY=$zlib -DZLIB_INCLUDE_DIR=/usr/$host/include)

[ -f "$zlib" ] || fail "$zlib not found (Debian package libz-mingw-w64-dev)"
debian_sources_init
version=$(usable_version libxlsxwriter)
zlib_version=$(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)
key=$(printf '%s\n' "$version" "$zlib_version" "${XLSX_OPTIONS[@]}" | sha1sum | cut -c1-10)
prefix=$cache_root/xlsxwriter-${version%%-*}-mingw64-$key
if [ -f "$prefix/.complete" ]; then
    say "cached in $prefix"
    echo "$prefix"
    exit 0
fi

say "building libxlsxwriter $version for $host into $prefix (once per machine)"
work=$cache_root/work-xlsxwriter-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
unpack_source libxlsxwriter "$version"
{
    cmake -S libxlsxwriter-*/ -B build -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${XLSX_OPTIONS[@]}" &&
        cmake --build build -j "$jobs" &&
        cmake --install build
} >build.log 2>&1 || {
    tail -n 40 build.log >&2
    fail "the build failed; its log is $work/build.log"
}
mkdir -p "$prefix/licenses"
cp libxlsxwriter-*/License.txt "$prefix/licenses/libxlsxwriter-licence.txt"
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$prefix/licenses/zlib-copyright.txt"
cat >"$prefix/licenses/SOURCES-libxlsxwriter.txt" <<EOT
libxlsxwriter.dll in this package was built from Debian's source package
libxlsxwriter $version, unchanged, with the minizip, MD5 and tmpfileplus code it
bundles, and with zlib from Debian's libz-mingw-w64-dev $zlib_version linked in.

Get the same sources on Debian with:

  apt-get source libxlsxwriter=$version zlib

libxlsxwriter and what it bundles are licensed as libxlsxwriter-licence.txt
says (FreeBSD licence; minizip and zlib: zlib licence; tmpfileplus: Mozilla
Public License 2.0; MD5: public domain). zlib's terms are in zlib-copyright.txt.
EOT
touch "$prefix/.complete"
cd /
rm -rf "$work"
say "done: $prefix"
echo "$prefix"
