#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Set-up, build, run and test Lumetra on Debian.
#   ./lumetra.sh run    install what is missing, build, start Lumetra
#   ./lumetra.sh test   install what is missing, build, run every test
#                       (then again under AddressSanitizer + UBSan, and the
#                       thread tests under ThreadSanitizer)
#   ./lumetra.sh demo   like run, with the meter emulator on a pseudo-terminal
#   ./lumetra.sh fuzz [SECONDS]
#                       each fuzz target for SECONDS (default 300); test runs
#                       them for 30 s each
#   ./lumetra.sh soak [SECONDS] [SEED]
#                       the download soak for SECONDS (default 1800); test
#                       runs it for 60 s
#   ./lumetra.sh windows
#                       cross-build Lumetra for Windows (Qt, libpq, OpenSSL
#                       and libxlsxwriter from Debian's sources, built once per
#                       machine), make the zip and the installer, and run them
#                       under wine
set -euo pipefail
cd "$(dirname "$0")"

# What building and running need (help2man writes the manual pages, lrelease
# the translations, libxlsxwriter a job's workbook; Qt's own translations and
# the report's CJK font are read at run time).
RUN_PACKAGES=(
    cmake g++ make pkg-config
    qtbase5-dev qtbase5-dev-tools qttools5-dev-tools qttranslations5-l10n
    libxcb1-dev libxcb-randr0-dev # the display's scaling, asked before Qt connects to it
    libxlsxwriter-dev
    dpkg-dev # dpkg-buildflags: the hardening flags
    fonts-dejavu-core fonts-noto-cjk
    help2man
    libqt5sql5-sqlite libqt5sql5-psql
)
# What the tests add: a display server and what drives windows on it, the
# Windows cross-build and wine, PDF tools, a reader of workbooks, clang's
# fuzzing runtime, the .deb tools and the validators of the package and its
# metadata, the MIME database and a query of it, and a PostgreSQL server for
# the shared records store.
TEST_PACKAGES=(
    xvfb xauth xdotool x11-utils
    postgresql
    mingw-w64 wine wine64
    poppler-utils
    python3 python3-openpyxl
    ccache
    clang libclang-rt-14-dev
    dpkg-dev file desktop-file-utils lintian appstream shared-mime-info libfile-mimeinfo-perl
    devscripts # hardening-check
)

# What the Windows build adds: the cross compilers, what building Debian's Qt,
# SQLite, OpenSSL, PostgreSQL and libxlsxwriter sources needs (zlib for
# mingw-w64), NSIS, and wine with a display, the tools that drive it, a font
# with the metrics of the Windows one, and the German locale's sources for the
# German run under wine; a PostgreSQL server and openssl for the wine run's
# store with TLS, and openpyxl to read the workbook it writes.
WINDOWS_PACKAGES=(
    mingw-w64 dpkg-dev xz-utils perl tcl nsis libz-mingw-w64-dev bzip2
    postgresql openssl python3 python3-openpyxl
    wine wine64 xvfb xauth xdotool x11-utils imagemagick poppler-utils fonts-liberation2 locales
)

JOBS=$(nproc 2>/dev/null || echo 2)

# install_missing PACKAGE...: apt-get only what is not installed yet.
install_missing() {
    local missing=()
    for package in "$@"; do
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

# build DIR [cmake options...]: everything, tests included.
# compiler_cache: CACHE_OPTIONS puts ccache in front of the compilers, where it
# is installed. Paths are taken relative to this folder, so that a fresh clone
# elsewhere finds what an earlier one compiled.
CACHE_OPTIONS=()
compiler_cache() {
    command -v ccache >/dev/null || return 0
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
    CACHE_OPTIONS=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
}

build() {
    local dir=$1
    shift
    compiler_cache
    cmake -S . -B "$dir" "${CACHE_OPTIONS[@]}" "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

# The programs a user runs and what cmake --install adds, without the tests.
build_programs() {
    cmake -S . -B build >/dev/null
    cmake --build build -j "$JOBS" --target lumetra lumetra-cli lumetra-meter-sim \
        lumetra_manpages lumetra_changelog
}

# check DIR [ctest options...]
check() {
    local dir=$1
    shift
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" "$@")
}

# stage NAME: how long NAME took, to see where a slow run spends its time.
STAGE_START=$SECONDS
stage() {
    echo "== $1: $((SECONDS - STAGE_START)) s"
    STAGE_START=$SECONDS
}

FUZZ_TARGETS=(framedecoder archivereader archiveroundtrip)

# fuzz_one TARGET SECONDS: one libFuzzer target, from its seeds and the corpus
# kept in build-fuzz/corpus; its output goes to build-fuzz/TARGET.log.
fuzz_one() {
    local target=$1 seconds=$2
    mkdir -p "build-fuzz/corpus/$target"
    # A single allocation of 16 MB from inputs of a few kilobytes is a fault.
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
        "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -malloc_limit_mb=16 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
        "build-fuzz/corpus/$target" "build-fuzz/tests/fuzz/seeds/$target" \
        >"build-fuzz/$target.log" 2>&1
}

# fuzz SECONDS: every libFuzzer target for SECONDS, as many at once as there
# are cores (each uses one). An input that breaks a target is kept in
# build-fuzz/findings, and the run fails.
fuzz() {
    local seconds=$1
    build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DLUMETRA_FUZZ=ON
    mkdir -p build-fuzz/findings
    local target running=0 failed=0
    for target in "${FUZZ_TARGETS[@]}"; do
        if [ "$running" -ge "$JOBS" ]; then
            wait -n
            running=$((running - 1))
        fi
        echo "Fuzzing $target for $seconds s"
        rm -f "build-fuzz/$target.status"
        (
            status=0
            fuzz_one "$target" "$seconds" || status=$?
            echo "$status" >"build-fuzz/$target.status"
        ) &
        running=$((running + 1))
    done
    wait
    for target in "${FUZZ_TARGETS[@]}"; do
        if [ "$(cat "build-fuzz/$target.status" 2>/dev/null)" = 0 ]; then
            echo "fuzz_$target:"
            grep -E "DONE|stat::(number_of_executed_units|average_exec_per_sec)" "build-fuzz/$target.log"
        else
            tail -n 40 "build-fuzz/$target.log"
            echo "fuzz_$target failed: the input is in build-fuzz/findings" >&2
            failed=1
        fi
    done
    return $failed
}

# soak SECONDS [SEED]: exports with faults back to back into lumetra-cli
# receive; the log is build/soak.log, its report is shown.
soak() {
    local log=build/soak.log
    cmake -S . -B build >/dev/null
    cmake --build build -j "$JOBS" --target lumetra-soak
    echo "Download soak for $1 s"
    local status=0
    build/tools/soak/lumetra-soak --seconds "$1" --seed "${2:-2026}" >"$log" || status=$?
    grep -v "^export " "$log"
    return $status
}

# windows: the libraries for Windows (cached), the Windows programs in build-windows/,
# their zip and installer, and the installed programs run under wine against
# this machine's build/.
windows() {
    cmake -S . -B build >/dev/null
    cmake --build build -j "$JOBS" --target lumetra lumetra-cli lumetra-meter-sim \
        lumetra_makeimages lumetra_withheadertexts
    stage "programs for this machine"
    # Each built once per machine and cached; Qt's PostgreSQL driver needs libpq,
    # libpq OpenSSL. Their prefixes are where the Windows build finds them.
    local openssl libpq qt xlsxwriter
    openssl=$(windows/build-openssl.sh | tail -n 1)
    libpq=$(windows/build-libpq.sh | tail -n 1)
    qt=$(windows/build-qt.sh | tail -n 1)
    xlsxwriter=$(windows/build-xlsxwriter.sh | tail -n 1)
    stage "libraries for Windows"
    compiler_cache
    cmake -S . -B build-windows "${CACHE_OPTIONS[@]}" -DCMAKE_TOOLCHAIN_FILE=windows/mingw-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt;$libpq;$openssl;$xlsxwriter" -DCMAKE_UNITY_BUILD=ON \
        -DLUMETRA_HOST_MAKEIMAGES="$PWD/build/resources/lumetra_makeimages" >/dev/null
    cmake --build build-windows -j "$JOBS"
    rm -f build-windows/Lumetra-*-win64*
    (cd build-windows && cpack -G ZIP && cpack -G NSIS) >build-windows/cpack.log 2>&1 \
        || { tail -n 30 build-windows/cpack.log >&2; return 1; }
    ls build-windows/Lumetra-*-win64*
    stage "Windows programs, zip and installer"
    tests/windows/run-under-wine.sh build-windows build
    stage "Windows programs under wine"
}

# Lumetra with the meter emulator: the emulator exports once when Lumetra opens
# its port, then again each time Enter is pressed here.
demo() {
    local dir=build/demo
    mkdir -p "$dir"
    rm -f "$dir/port" "$dir/enter"
    mkfifo "$dir/enter"
    local sim_pid="" app_pid=""
    # shellcheck disable=SC2317
    cleanup() {
        { exec 4>&-; } 2>/dev/null || true
        # Either may have ended by itself already (the emulator does when fd 4 closes).
        [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
        [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
        wait 2>/dev/null
        rm -f "$dir/enter"
    }
    trap cleanup EXIT
    trap 'exit 130' INT TERM

    build/tools/meter-sim/lumetra-meter-sim --pty --wait-open --on-enter --records 12 --seed 2026 \
        <"$dir/enter" >"$dir/port" 2>"$dir/meter-sim.log" &
    sim_pid=$!
    exec 4>"$dir/enter"
    echo >&4 # the first export goes as soon as Lumetra opens the port
    local port=""
    for _ in $(seq 50); do
        port=$(head -n 1 "$dir/port" 2>/dev/null || true)
        [ -n "$port" ] && break
        sleep 0.1
    done
    [ -n "$port" ] || { echo "The meter emulator did not start: see $dir/meter-sim.log" >&2; exit 1; }

    # Its diagnostics would bury the instructions below.
    LUMETRA_PORTS=$port build/app/lumetra >"$dir/lumetra.log" 2>&1 &
    app_pid=$!
    cat <<EOT

Lumetra demo: the meter emulator plays a meter on the port $port

  1. In Lumetra's window, click the list next to "MPO Port COM" and read the hint.
  2. Pick $port in that list: the status turns to CONNECTED.
  3. The emulator exports 12 records; they appear in the Record List and the
     last one shows as a test report.
  4. Press Enter here to export the 12 records again. Close the window to end
     the demo (the emulator stops with it).

Lumetra's diagnostics go to $dir/lumetra.log, the emulator's to $dir/meter-sim.log.

EOT
    # Pass every Enter on to the emulator until the window closes.
    local status
    while kill -0 "$app_pid" 2>/dev/null; do
        status=0
        read -r -t 1 _ || status=$?
        if [ "$status" -eq 0 ]; then
            echo >&4
        elif [ "$status" -le 128 ]; then
            break # no terminal input (end of file): just wait for the window
        fi
    done
    wait "$app_pid" || true
    app_pid=""
    # Here, not at exit: the trap would run after the locals above are gone.
    cleanup
    trap - EXIT
}

case "${1:-run}" in
run)
    install_missing "${RUN_PACKAGES[@]}"
    build_programs
    exec build/app/lumetra
    ;;
demo)
    install_missing "${RUN_PACKAGES[@]}"
    mkdir -p build
    echo "Building Lumetra (a few minutes the first time; the output goes to build/demo-build.log)"
    build_programs >build/demo-build.log 2>&1 || {
        tail -n 30 build/demo-build.log >&2
        exit 1
    }
    demo
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    stage "set-up"
    build build
    stage "build"
    check build
    stage "tests"
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    # Sources merged per target compile faster; build/ has checked each on its own.
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMETRA_SANITIZE=address,undefined \
        -DCMAKE_UNITY_BUILD=ON
    # What does not depend on the build flags ran once already.
    check build-asan -LE 'package|windows|wine'
    stage "sanitizer build and tests"
    # The download thread's tests once more under ThreadSanitizer.
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp"
    cmake -S . -B build-tsan "${CACHE_OPTIONS[@]}" -DCMAKE_BUILD_TYPE=Debug -DLUMETRA_SANITIZE=thread \
        -DCMAKE_UNITY_BUILD=ON >/dev/null
    cmake --build build-tsan -j "$JOBS" --target lumetra_thread_tests
    check build-tsan -L thread
    stage "thread sanitizer build and tests"
    fuzz 30
    stage "fuzzing"
    soak 60
    stage "soak"
    ;;
fuzz)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    fuzz "${2:-300}"
    ;;
soak)
    install_missing "${RUN_PACKAGES[@]}"
    soak "${2:-1800}" "${3:-}"
    ;;
windows)
    install_missing "${RUN_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    stage "set-up"
    windows
    ;;
*)
    echo "usage: $0 run|test|demo|windows|fuzz [SECONDS]|soak [SECONDS] [SEED]" >&2
    exit 2
    ;;
esac
