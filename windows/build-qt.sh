#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds Qt 5 for 64-bit Windows (mingw-w64, posix threads) from Debian's
# own source packages, with SQLite from Debian's sqlite3 source and the
# PostgreSQL driver against the libpq of build-libpq.sh, and installs it into a
# cache folder keyed by the source versions and the options below, so a machine
# builds it once. Prints the install folder on its last line.
#   build-qt.sh
set -euo pipefail
say_prefix="windows Qt"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=windows/debian-sources.sh
source "$here/debian-sources.sh"

# Only what Lumetra loads: Core, Gui, Widgets, PrintSupport, Sql with SQLite and
# PostgreSQL, Network for the local socket that hands a second start's files to
# the window, the windows platform plugin and the styles.
QT_OPTIONS=(
    -opensource -confirm-license -release -shared
    -xplatform win32-g++ -device-option CROSS_COMPILE=$host-
    -nomake examples -nomake tests -no-pkg-config
    -no-opengl -no-direct2d -no-icu -no-dbus -no-vulkan -no-freetype
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz
    -no-feature-tabletevent -no-openssl -no-feature-xml
    -no-feature-concurrent -no-feature-testlib
    -sql-sqlite -system-sqlite -sql-psql -no-sql-odbc -no-sql-mysql
    -no-sql-ibase -no-sql-oci -no-sql-db2 -no-sql-sqlite2 -no-sql-tds
)
# The store's search index needs FTS5 (its trigram tokenizer).
SQLITE_CFLAGS=(-O2 -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_ENABLE_FTS5)

libpq=$("$here/build-libpq.sh" | tail -n 1)
debian_sources_init
qt_deb=$(usable_version qtbase-opensource-src)
sqlite_deb=$(usable_version sqlite3)
qt_version=${qt_deb%%+*}
key=$(printf '%s\n' "$qt_deb" "$sqlite_deb" "$libpq" "${QT_OPTIONS[@]}" "${SQLITE_CFLAGS[@]}" | sha1sum | cut -c1-10)
prefix=$cache_root/qt-$qt_version-mingw64-$key
if [ -f "$prefix/.complete" ]; then
    say "cached in $prefix"
    echo "$prefix"
    exit 0
fi

say "building Qt $qt_deb and SQLite $sqlite_deb for $host into $prefix (once per machine)"
work=$cache_root/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
cd "$work"
unpack_source qtbase-opensource-src "$qt_deb"
unpack_source sqlite3 "$sqlite_deb"
cross_tools_on_path "$work/bin"

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
    -I "$sqlite/include" -L "$sqlite/lib" \
    PSQL_INCDIR="$libpq/include" PSQL_LIBS="-L$libpq/lib -lpq" >configure.log 2>&1 || {
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
