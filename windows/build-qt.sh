#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds Qt 5 for 64-bit Windows (mingw-w64, posix threads) from Debian's
# own source packages, with SQLite from Debian's sqlite3 source, and installs it
# into a cache folder keyed by the source versions and the options below, so a
# machine builds it once. Prints the install folder on its last line.
#   build-qt.sh
# The sources come through a private sources list: the machine's apt
# configuration is never touched.
set -euo pipefail

cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/lumetra
jobs=$(nproc 2>/dev/null || echo 2)
host=x86_64-w64-mingw32

# Only what Lumetra loads: Core, Gui, Widgets, PrintSupport, Sql with SQLite,
# Network for the local socket that hands a second start's files to the window,
# the windows platform plugin and the styles.
QT_OPTIONS=(
    -opensource -confirm-license -release -shared
    -xplatform win32-g++ -device-option CROSS_COMPILE=$host-
    -nomake examples -nomake tests -no-pkg-config
    -no-opengl -no-direct2d -no-icu -no-dbus -no-vulkan -no-freetype
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz
    -no-feature-tabletevent -no-openssl -no-feature-xml
    -no-feature-concurrent -no-feature-testlib
    -sql-sqlite -system-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql
    -no-sql-ibase -no-sql-oci -no-sql-db2 -no-sql-sqlite2 -no-sql-tds
)
SQLITE_CFLAGS=(-O2 -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_COLUMN_METADATA)

say() { echo "windows Qt: $*" >&2; }
fail() {
    say "$*"
    exit 1
}

# The Debian suites the machine uses, as deb-src lines of a private list.
apt_dir=$cache_root/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
sources_of_machine() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        sed -n 's/^deb \(\[[^]]*\] \)\?\(http[^ ]*debian[^ ]*\) \([^ ]*\) \(.*\)$/\2 \3 \4/p' "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk '
            /^[[:space:]]*$/ { flush(); next }
            /^Types:/ { types = $0 } /^URIs:/ { uri = $2 }
            /^Suites:/ { suites = $0; sub(/^Suites:[[:space:]]*/, "", suites) }
            /^Components:/ { comps = $0; sub(/^Components:[[:space:]]*/, "", comps) }
            function flush(  n, s, i) {
                if (types ~ /deb/ && uri ~ /debian/ && suites != "") {
                    n = split(suites, s, " ")
                    for (i = 1; i <= n; i++) print uri, s[i], comps
                }
                types = uri = suites = comps = ""
            }
            END { flush() }' "$file"
    done
}
{
    sources_of_machine | sort -u | while read -r uri suite components; do
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $suite $components"
    done
} >"$apt_dir/sources.list"
[ -s "$apt_dir/sources.list" ] || fail "no Debian suites found in /etc/apt"
APT_DIRS=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
APT=(apt-get -q "${APT_DIRS[@]}" -o Debug::NoLocking=1)
[ "$(id -u)" -eq 0 ] && APT+=(-o APT::Sandbox::User=root)
"${APT[@]}" update >"$apt_dir/update.log" 2>&1 || {
    cat "$apt_dir/update.log" >&2
    fail "apt-get update of the private source list failed"
}
source_version() {
    apt-cache "${APT_DIRS[@]}" showsrc --only-source "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n 1
}
qt_deb=$(source_version qtbase-opensource-src)
sqlite_deb=$(source_version sqlite3)
[ -n "$qt_deb" ] && [ -n "$sqlite_deb" ] || fail "no qtbase-opensource-src or sqlite3 source in $apt_dir/sources.list"
qt_version=${qt_deb%%+*}
key=$(printf '%s\n' "$qt_deb" "$sqlite_deb" "${QT_OPTIONS[@]}" "${SQLITE_CFLAGS[@]}" | sha1sum | cut -c1-10)
prefix=$cache_root/qt-$qt_version-mingw64-$key
if [ -f "$prefix/.complete" ]; then
    say "cached in $prefix"
    echo "$prefix"
    exit 0
fi

say "building Qt $qt_deb and SQLite $sqlite_deb for $host into $prefix (once per machine)"
command -v $host-g++-posix >/dev/null || fail "$host-g++-posix not found (Debian package mingw-w64)"
work=$cache_root/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work/bin" "$prefix"
cd "$work"
"${APT[@]}" source "qtbase-opensource-src=$qt_deb" "sqlite3=$sqlite_deb" >source.log 2>&1 || {
    tail -n 20 source.log >&2
    fail "apt-get source failed"
}
# Qt picks the compilers by prefix: the posix-thread ones, which C++ threads need.
for tool in gcc g++; do
    ln -sf "$(command -v $host-$tool-posix)" "bin/$host-$tool"
done
export PATH=$work/bin:$PATH

# SQLite: the amalgamation from Debian's tree, built with the host's tools, then
# compiled into a DLL for Windows.
sqlite=$prefix/sqlite
mkdir -p sqlite-build "$sqlite/include" "$sqlite/lib" "$sqlite/bin"
(
    cd sqlite-build
    ../sqlite3-*/configure --disable-tcl >configure.log 2>&1
    make sqlite3.c >make.log 2>&1
    $host-gcc "${SQLITE_CFLAGS[@]}" -shared -o "$sqlite/bin/sqlite3.dll" sqlite3.c \
        -Wl,--out-implib,"$sqlite/lib/libsqlite3.dll.a"
    cp sqlite3.h sqlite3ext.h "$sqlite/include/"
) || {
    tail -n 30 sqlite-build/*.log >&2
    fail "the SQLite build failed; its logs are in $work/sqlite-build"
}

mkdir -p qt-build
cd qt-build
../qtbase-opensource-src-*/configure -prefix "$prefix" "${QT_OPTIONS[@]}" \
    -I "$sqlite/include" -L "$sqlite/lib" >configure.log 2>&1 || {
    tail -n 60 configure.log >&2
    [ -f config.summary ] && cat config.summary >&2
    fail "configure failed; its log is $work/qt-build/configure.log"
}
make -j "$jobs" >build.log 2>&1 || {
    grep -n -B3 -A3 'error' build.log | tail -n 60 >&2 || tail -n 60 build.log >&2
    cat config.summary >&2
    fail "the build failed; its log is $work/qt-build/build.log"
}
make install >install.log 2>&1 || {
    tail -n 30 install.log >&2
    fail "make install failed"
}
cd "$work"

# What the packages must carry: the licence texts, the notices and the exact
# Debian sources, so a user can get the same ones.
mkdir -p "$prefix/licenses"
cp qtbase-opensource-src-*/LICENSE.LGPL3 "$prefix/licenses/Qt-LGPL-3.0.txt"
cp qtbase-opensource-src-*/LICENSE.GPL3 "$prefix/licenses/Qt-GPL-3.0.txt"
cp sqlite3-*/LICENSE.md "$prefix/licenses/SQLite-notice.md"
cat >"$prefix/licenses/SOURCES.txt" <<EOT
The Qt and SQLite libraries in this package were built from these Debian
source packages, unchanged:

  qtbase-opensource-src $qt_deb
  sqlite3 $sqlite_deb

Get the same sources on Debian with:

  apt-get source qtbase-opensource-src=$qt_deb sqlite3=$sqlite_deb

Qt is licensed under the GNU Lesser General Public License version 3
(Qt-LGPL-3.0.txt, which builds on Qt-GPL-3.0.txt). SQLite is in the public
domain (SQLite-notice.md).
EOT
printf '%s\n' "$qt_deb" >"$prefix/licenses/qtbase.version"
touch "$prefix/.complete"
cd /
rm -rf "$work"
say "done: $prefix"
echo "$prefix"
