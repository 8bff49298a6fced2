#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Lumetra started as the desktop starts it, under Xvfb, with a scratch home
# and runtime folder. A killed window's name is taken over; a start with an
# archive lists it; a second start with another archive hands it to the first
# window and ends, as does one without files; a start given other ports runs
# on its own. The first window's save lands in Documents/Lumetra and holds
# both archives' records. A note typed alone, the window killed two seconds
# later: the next start offers the record with its note.
#   check-desktop-start.sh LUMETRA LUMETRA_CLI METER_SIM WORK_DIR
set -euo pipefail
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
lumetra=$(absolute "$1")
cli=$(absolute "$2")
sim=$(absolute "$3")
work=$4

fail() {
    echo "desktop start: $*" >&2
    exit 1
}
step() { echo "-- $*"; }
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || fail "$tool not found (see TEST_PACKAGES in lumetra.sh)"
done

rm -rf "$work"
mkdir -p "$work/home" "$work/run" "$work/job"
chmod 700 "$work/run"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT

# Without -noreset the server resets once its last client is gone, and a
# start right after a killed window finds no display.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    5>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(head -n 1 "$work/display")
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config \
    XDG_DATA_HOME=$work/home/.local/share
unset QT_QPA_PLATFORM LUMETRA_PORTS LUMETRA_DATABASE XDG_CURRENT_DESKTOP
# In a sanitizer build: the X libraries' own leaks would fail the starts that
# end by themselves; the window's code is leak-checked by the other tests.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
has_window() { [ -n "$(windows_named "$1")" ]; }
name_left() { compgen -G "$work/run/lumetra-*" >/dev/null; }
# Ctrl+S until the dialog shows: a window just shown may not have listed its
# records yet, and then says there are none to save. Once the dialog shows,
# the window is blocked and a late key goes nowhere.
save_dialog_of() {
    has_window "Save Records" && return 0
    local none
    none=$(windows_named Lumetra | head -n 1)
    [ -z "$none" ] || xdotool windowfocus --sync "$none" key Return
    xdotool windowfocus --sync "$1" key ctrl+s
    sleep 2
    has_window "Save Records"
}

"$sim" -o "$work/one.bin" --records 3 --seed 11 --no-pacing 2>/dev/null
"$sim" -o "$work/two.bin" --records 2 --seed 12 --no-pacing 2>/dev/null
"$cli" decode "$work/one.bin" -o "$work/job/first.mrf" >/dev/null
"$cli" decode "$work/two.bin" -o "$work/second.mrf" >/dev/null

step "a window killed outright leaves its name"
"$lumetra" --desktop >"$work/killed.log" 2>&1 &
killed=$!
pids+=("$killed")
wait_for 60 has_window "Tavolin Lumetra" || fail "no window: $(tail -n 5 "$work/killed.log")"
name_left || fail "the window listens under no name in the runtime folder"
kill -KILL $killed
wait $killed 2>/dev/null || true
name_left || fail "nothing left behind to take over"

step "the next start takes the name over and lists its archive"
(cd "$work/job" && exec "$lumetra" --desktop first.mrf >"$work/first.log" 2>&1) &
first=$!
pids+=("$first")
wait_for 60 has_window "Tavolin Lumetra" || fail "no window: $(tail -n 5 "$work/first.log")"
main=$(windows_named "Tavolin Lumetra" | tail -n 1)

step "a second start hands its archive over and ends"
timeout 20 "$lumetra" --desktop "$work/second.mrf" >"$work/second.log" 2>&1 \
    || fail "the second start did not end at once: $(tail -n 3 "$work/second.log")"
kill -0 $first 2>/dev/null || fail "the first window ended"
[ "$(windows_named "Tavolin Lumetra" | wc -l)" -eq 1 ] || fail "a second window opened"

step "a start given other ports runs on its own"
LUMETRA_PORTS=$work/other-port "$lumetra" >"$work/other.log" 2>&1 &
other=$!
pids+=("$other")
wait_for 60 eval '[ "$(windows_named "Tavolin Lumetra" | wc -l)" -eq 2 ]' \
    || fail "no window of its own: $(tail -n 3 "$work/other.log")"

step "a second start without files ends at once too"
timeout 20 "$lumetra" --desktop >"$work/second.log" 2>&1 || fail "the second start did not end at once"
[ "$(windows_named "Tavolin Lumetra" | wc -l)" -eq 2 ] || fail "a third window opened"
kill $other
wait $other 2>/dev/null || true

step "the first window saves both archives' records under Documents"
wait_for 30 save_dialog_of "$main" || fail "no Save Records dialog"
sleep 0.5
xdotool key Return # the suggested name
folder=$HOME/Documents/Lumetra/records
wait_for 30 eval 'compgen -G "$folder/Record_*.mrf" >/dev/null' \
    || fail "nothing saved in $folder: $(find "$work" -name '*.mrf' -newer "$work/second.mrf")"
saved=$(compgen -G "$folder/Record_*.mrf")
[ ! -e "$work/job/records" ] || fail "the desktop start wrote into its working folder"
# The records and the header texts they came with; the texts of the record on
# screen come back from the fields: empty for none, the note as the editor's HTML.
records_of() {
    "$cli" dump "$1" --json | sed -E -e 's/"noteHtml":("([^"\\]|\\.)*"|null)//g' -e 's/:null/:""/g' \
        -e 's/^\{"records":\[//' -e 's/\]\}$//'
}
expected="$(records_of "$work/job/first.mrf"),$(records_of "$work/second.mrf")"
[ "$(records_of "$saved")" = "$expected" ] || fail "the saved archive differs: $saved"
[ "$(grep -o '"recordNumber"' <<<"$expected" | wc -l)" -eq 5 ] || fail "not 5 records to compare"

step "a note typed alone is kept a second later: killed, the next start offers it"
note="Connector 3 cleaned"
# The note's box, right of its caption: the window is at its own scale here.
xdotool windowfocus --sync "$main" mousemove --window "$main" 515 192 click 1 type "$note"
sleep 2
kill -KILL $first
wait $first 2>/dev/null || true
"$lumetra" --desktop >"$work/offered.log" 2>&1 &
pids+=($!)
wait_for 30 has_window "Lumetra" || fail "the note was not kept: the next start offered nothing"
xdotool windowfocus --sync "$(windows_named Lumetra)" key Return # Show them again? Yes
wait_for 30 has_window "Tavolin Lumetra" || fail "no window after the offer"
wait_for 30 save_dialog_of "$(windows_named "Tavolin Lumetra")" \
    || fail "no Save Records dialog for the offered record"
sleep 0.5
xdotool type "$work/offered.mrf"
xdotool key Return
wait_for 30 test -s "$work/offered.mrf" || fail "the offered record was not saved"
# The record that was on screen, the last one listed, and only it.
offered=$("$cli" dump "$work/offered.mrf" --json)
[ "$(grep -o '"recordNumber":[0-9]*' <<<"$offered")" = \
    "$(grep -o '"recordNumber":[0-9]*' <<<"$expected" | tail -n 1)" ] \
    || fail "offered other records: $(grep -o '"recordNumber":[0-9]*' <<<"$offered" | xargs)"
grep -q "$note" <<<"$offered" || fail "the note was not offered with its record"
echo "desktop start: both archives in the one window, saved to $saved; the note offered again"
