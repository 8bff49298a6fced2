# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the build-*.sh scripts beside it: Debian's source packages through
# a private sources list (the machine's apt configuration is never touched),
# the cache folder and the cross compilers.
#   debian_sources_init          the private list, updated once per hour
#   usable_version PACKAGE       the newest version of a source package that
#                                the mirror serves (downloaded once, kept)
#   unpack_source PACKAGE VERSION  that source, unpacked into the current folder
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/lumetra
jobs=$(nproc 2>/dev/null || echo 2)
host=x86_64-w64-mingw32

say() { echo "$say_prefix: $*" >&2; }
fail() {
    say "$*"
    exit 1
}

# The Debian suites the machine uses, as deb-src lines of a private list.
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

debian_sources_init() {
    apt_dir=$cache_root/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    {
        sources_of_machine | sort -u | while read -r uri suite components; do
            echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $suite $components"
        done
    } >"$apt_dir/sources.list.new"
    [ -s "$apt_dir/sources.list.new" ] || fail "no Debian suites found in /etc/apt"
    APT_DIRS=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
    APT=(apt-get -q "${APT_DIRS[@]}" -o Debug::NoLocking=1)
    [ "$(id -u)" -eq 0 ] && APT+=(-o APT::Sandbox::User=root)
    # The scripts call each other: one update an hour is enough.
    if cmp -s "$apt_dir/sources.list.new" "$apt_dir/sources.list" \
        && [ -n "$(find "$apt_dir/updated" -mmin -60 2>/dev/null)" ]; then
        rm -f "$apt_dir/sources.list.new"
        return 0
    fi
    mv "$apt_dir/sources.list.new" "$apt_dir/sources.list"
    "${APT[@]}" update >"$apt_dir/update.log" 2>&1 || {
        cat "$apt_dir/update.log" >&2
        fail "apt-get update of the private source list failed"
    }
    touch "$apt_dir/updated"
}

# A mirror may list a version whose files it does not serve yet: such a version
# is remembered and passed over.
usable_version() {
    local package=$1 version dir
    for version in $(apt-cache "${APT_DIRS[@]}" showsrc --only-source "$package" 2>/dev/null \
        | sed -n 's/^Version: //p' | sort -rV | uniq); do
        grep -qxF "$package=$version" "$apt_dir/unserved" 2>/dev/null && continue
        dir=$apt_dir/sources/$package=$version
        if [ ! -f "$dir/.complete" ]; then
            rm -rf "$dir"
            mkdir -p "$dir"
            if ! (cd "$dir" && "${APT[@]}" source --download-only "$package=$version" >download.log 2>&1); then
                say "$package $version is listed but not served; trying an older one"
                echo "$package=$version" >>"$apt_dir/unserved"
                rm -rf "$dir"
                continue
            fi
            touch "$dir/.complete"
        fi
        echo "$version"
        return 0
    done
    fail "no source of $package can be fetched through $apt_dir/sources.list"
}

unpack_source() {
    dpkg-source -x "$apt_dir/sources/$1=$2/"*.dsc >>unpack.log 2>&1 || {
        tail -n 20 unpack.log >&2
        fail "unpacking $1 $2 failed"
    }
}

# Compilers by prefix, the posix-thread ones, which C++ threads need.
cross_tools_on_path() {
    command -v $host-g++-posix >/dev/null || fail "$host-g++-posix not found (Debian package mingw-w64)"
    mkdir -p "$1"
    for tool in gcc g++; do
        ln -sf "$(command -v $host-$tool-posix)" "$1/$host-$tool"
    done
    export PATH=$1:$PATH
}
