#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds OpenSSL's libcrypto and libssl for 64-bit Windows (mingw-w64)
# from Debian's openssl source package, into a cache folder keyed by the source
# version and the options below, so a machine builds it once. Prints the
# install folder on its last line.
#   build-openssl.sh
set -euo pipefail
say_prefix="windows OpenSSL"
# shellcheck source=windows/debian-sources.sh
source "$(dirname "$0")/debian-sources.sh"

# The libraries only (build_libs): no tests, engines or loadable providers.
OPENSSL_OPTIONS=(mingw64 shared no-tests no-engine no-module --libdir=lib)
# The folders compiled in are read at run time: upstream's Windows defaults,
# which only an administrator may write, never the build machine's path.
ssl_dir="C:/Program Files/Common Files/SSL"
RUN_TIME_DIRS=(OPENSSLDIR="$ssl_dir" ENGINESDIR="$ssl_dir/engines-3" MODULESDIR="$ssl_dir/ossl-modules")

debian_sources_init
version=$(usable_version openssl)
key=$(printf '%s\n' "$version" "${OPENSSL_OPTIONS[@]}" "${RUN_TIME_DIRS[@]}" | sha1sum | cut -c1-10)
prefix=$cache_root/openssl-${version%%-*}-mingw64-$key
if [ -f "$prefix/.complete" ]; then
    say "cached in $prefix"
    echo "$prefix"
    exit 0
fi

say "building OpenSSL $version for $host into $prefix (once per machine)"
work=$cache_root/work-openssl-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
unpack_source openssl "$version"
cross_tools_on_path "$work/bin"
cd openssl-*/
./Configure "${OPENSSL_OPTIONS[@]}" --cross-compile-prefix=$host- --prefix="$prefix" \
    >configure.log 2>&1 || {
    tail -n 30 configure.log >&2
    fail "configure failed; its log is $PWD/configure.log"
}
make -j "$jobs" build_libs "${RUN_TIME_DIRS[@]}" >build.log 2>&1 || {
    grep -n -B3 -A3 'error' build.log | tail -n 60 >&2 || tail -n 60 build.log >&2
    fail "the build failed; its log is $PWD/build.log"
}
make install_dev "${RUN_TIME_DIRS[@]}" >install.log 2>&1 || {
    tail -n 30 install.log >&2
    fail "make install failed"
}
mkdir -p "$prefix/licenses"
cp LICENSE.txt "$prefix/licenses/OpenSSL-Apache-2.0.txt"
printf '%s\n' "$version" >"$prefix/licenses/openssl.version"
touch "$prefix/.complete"
cd /
rm -rf "$work"
say "done: $prefix"
echo "$prefix"
