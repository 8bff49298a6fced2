#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# make-seeds.sh METER_SIM CLI DIR: seed corpora for the fuzz targets, made by
# the project's own tools: exports from the meter emulator (clean and
# faulted) for the decoder, archives written from them for the archive reader.
set -euo pipefail
sim=$1 cli=$2 dir=$3
rm -rf "$dir"
mkdir -p "$dir/framedecoder" "$dir/archivereader" "$dir/archiveroundtrip"
# The tools are instrumented like the targets; their exit is not the subject.
export ASAN_OPTIONS=detect_leaks=0

export_seed() { # NAME EMULATOR-ARGUMENTS...
    local name=$1
    shift
    "$sim" --no-pacing -o "$dir/framedecoder/$name" "$@" 2>/dev/null
}
export_seed one --records 1 --seed 1
export_seed five --records 5 --seed 2 --meter-version 3.0
export_seed old --records 3 --seed 3 --meter-version 2.0
export_seed bare --records 4 --seed 4 --no-trailer
export_seed dropped --records 4 --seed 5 --drop-byte 130
export_seed inserted --records 4 --seed 6 --insert-byte 250:0x55
export_seed long --records 20 --seed 7

for name in one five bare long; do
    "$cli" decode "$dir/framedecoder/$name" -o "$dir/archivereader/$name.mrf" >/dev/null 2>&1
done
: >"$dir/framedecoder/empty"
"$cli" decode "$dir/framedecoder/empty" -o "$dir/archivereader/empty.mrf" >/dev/null 2>&1
cp "$dir/framedecoder/five" "$dir/archivereader/five.mrf" "$dir/archiveroundtrip/"
