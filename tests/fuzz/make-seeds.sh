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

# An archive with its job after the records (docs/archive-format.md), written
# here as the format describes it.
python3 - "$dir/archivereader/five.mrf" "$dir/archivereader/five-job.mrf" <<'PY'
import struct, sys, zlib
def text(s):
    if s is None:
        return b"\xff\xff\xff\xff"
    b = s.encode("utf-16-be")
    return struct.pack(">I", len(b)) + b
archive = open(sys.argv[1], "rb").read()
count = struct.unpack(">i", archive[26:30])[0]
ids = ["A%02d-B%02d" % (a, b) for a in (1, 2) for b in range(1, 4)]
payload = b"".join(text(t) for t in ("North", "ACME", "Hall 2", None, "")) + struct.pack(">I", len(ids))
payload += b"".join(text(i) for i in ids) + struct.pack(">I", count)
payload += b"".join(text(ids[n] if n % 2 == 0 else None) for n in range(count))
payload += text("png") + struct.pack(">I", 8) + b"\x89PNG\r\n\x1a\n"
part = text("Lumetra_Job") + struct.pack(">III", 1, len(payload), zlib.crc32(payload))
open(sys.argv[2], "wb").write(archive + part + payload)
PY
