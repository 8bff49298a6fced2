#!/usr/bin/env bash
# Set-up, build, run and test Lumetra on Debian.
#   ./lumetra.sh run    install what is missing, build, start Lumetra
#   ./lumetra.sh test   install what is missing, build, run every test
#                       (then again under AddressSanitizer + UBSan, and the
#                       thread tests under ThreadSanitizer)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake g++ make pkg-config
    qtbase5-dev qtbase5-dev-tools
    fonts-dejavu-core xvfb xauth
    mingw-w64 wine wine64
    poppler-utils
)

JOBS=$(nproc 2>/dev/null || echo 2)

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# build DIR [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

# check DIR [ctest options...]
check() {
    local dir=$1
    shift
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" "$@")
}

case "${1:-run}" in
run)
    install_missing
    build build
    if [ -x build/app/lumetra ]; then
        exec build/app/lumetra
    fi
    exec build/tools/cli/lumetra-cli --help
    ;;
test)
    install_missing
    build build
    check build
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMETRA_SANITIZE=address,undefined
    check build-asan
    # The download thread's tests once more under ThreadSanitizer.
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp"
    cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DLUMETRA_SANITIZE=thread >/dev/null
    cmake --build build-tsan -j "$JOBS" --target lumetra_thread_tests
    check build-tsan -L thread
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
