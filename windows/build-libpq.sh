#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds libpq, PostgreSQL's client library, for 64-bit Windows
# (mingw-w64) from Debian's postgresql-15 source package, with TLS from the
# OpenSSL of build-openssl.sh, into a cache folder keyed by both source versions
# and the options below, so a machine builds it once. Only the client library
# and its headers are built. Prints the install folder on its last line.
#   build-libpq.sh
set -euo pipefail
say_prefix="windows libpq"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=windows/debian-sources.sh
source "$here/debian-sources.sh"

# The system-wide service file is read from the compiled-in folder: one only
# an administrator may write, never the build machine's path.
PQ_OPTIONS=(--with-ssl=openssl --without-readline --without-zlib --without-icu
    --without-gssapi --without-ldap --disable-nls --sysconfdir="C:/Program Files/Lumetra/etc")

openssl=$("$here/build-openssl.sh" | tail -n 1)
debian_sources_init
version=$(usable_version postgresql-15)
key=$(printf '%s\n' "$version" "$openssl" "${PQ_OPTIONS[@]}" | sha1sum | cut -c1-10)
prefix=$cache_root/libpq-${version%%-*}-mingw64-$key
if [ -f "$prefix/.complete" ]; then
    say "cached in $prefix"
    echo "$prefix"
    exit 0
fi

say "building libpq $version for $host into $prefix (once per machine)"
work=$cache_root/work-libpq-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
unpack_source postgresql-15 "$version"
cross_tools_on_path "$work/bin"
cd postgresql-15-*/
./configure --host=$host --prefix="$prefix" "${PQ_OPTIONS[@]}" \
    CPPFLAGS="-I$openssl/include" LDFLAGS="-L$openssl/lib" >configure.log 2>&1 || {
    tail -n 30 configure.log >&2
    fail "configure failed; its logs are $PWD/configure.log and config.log"
}
# The check that libpq calls no exit() reads the DLL with the cross nm.
{
    make -j "$jobs" -C src/interfaces/libpq NM=$host-nm &&
        make -C src/include install &&
        make -C src/interfaces/libpq install
} >build.log 2>&1 || {
    grep -n -B3 -A3 'error' build.log | tail -n 60 >&2 || tail -n 60 build.log >&2
    fail "the build failed; its log is $PWD/build.log"
}
# The DLL beside the programs' other DLLs, where the deployment looks.
mkdir -p "$prefix/bin"
[ -f "$prefix/bin/libpq.dll" ] || cp src/interfaces/libpq/libpq.dll "$prefix/bin/"
mkdir -p "$prefix/licenses"
cp COPYRIGHT "$prefix/licenses/PostgreSQL-licence.txt"
openssl_version=$(cat "$openssl/licenses/openssl.version")
cat >"$prefix/licenses/SOURCES-libpq.txt" <<EOT
libpq.dll and the OpenSSL libraries (libssl-3-x64.dll, libcrypto-3-x64.dll) in
this package were built from these Debian source packages, unchanged:

  postgresql-15 $version
  openssl $openssl_version

Get the same sources on Debian with:

  apt-get source postgresql-15=$version openssl=$openssl_version

libpq is licensed under the PostgreSQL Licence (PostgreSQL-licence.txt),
OpenSSL under the Apache License 2.0 (OpenSSL-Apache-2.0.txt).
EOT
touch "$prefix/.complete"
cd /
rm -rf "$work"
say "done: $prefix"
echo "$prefix"
