#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Syntax-checks each source as the Windows build compiles it, with windows.h
# included first so that its macros meet every line of ours.
#   check-windows-syntax.sh SOURCES_FILE FLAGS_FILE
set -euo pipefail
compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null || {
    echo "windows syntax check: $compiler not found (Debian package mingw-w64)" >&2
    exit 1
}
mapfile -t sources <"$1"
mapfile -t flags <"$2"
[ ${#sources[@]} -gt 0 ] || { echo "windows syntax check: no sources" >&2; exit 1; }

check_one() {
    local source=$1
    shift
    if ! output=$("$compiler" -std=c++17 -fsyntax-only -Wall -Wextra -Wno-attributes \
            -include windows.h "$@" "$source" 2>&1); then
        printf 'FAILED %s\n%s\n' "$source" "$output"
        return 1
    fi
    printf 'ok %s\n' "$source"
}
export -f check_one
export compiler

# Two at a time: Qt's headers make each check heavy.
failed=0
printf '%s\0' "${sources[@]}" \
    | xargs -0 -P 2 -I{} bash -c 'check_one "$@"' _ {} "${flags[@]}" || failed=1
echo "windows syntax check: ${#sources[@]} sources"
exit $failed
