#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs COMMAND on an X server of its own: a screen of SIZE device pixels whose
# desktop asks for DPI through Xft.dpi, as GNOME and KDE set their display
# scaling, with a task bar of TASKBAR pixels along its bottom edge.
#   on-display.sh DPI SIZE TASKBAR COMMAND...
set -euo pipefail
dpi=$1 size=$2 taskbar=$3
shift 3
for tool in Xvfb xprop; do
    command -v "$tool" >/dev/null || {
        echo "on-display: $tool not found (see TEST_PACKAGES in lumetra.sh)" >&2
        exit 1
    }
done
work=$(mktemp -d)
# Without -noreset the server forgets the properties when xprop leaves.
Xvfb -displayfd 5 -screen 0 "${size}x24" -noreset -nolisten tcp 5>"$work/display" \
    2>"$work/xvfb.log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "on-display: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
unset QT_QPA_PLATFORM QT_FONT_DPI QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s' "$dpi")"
xprop -root -format _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, ${size%x*}, $((${size#*x} - taskbar))"
"$@"
