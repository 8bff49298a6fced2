#!/bin/sh
# SPDX-License-Identifier: MIT
# Brings the .ts files up to date with the texts of the sources:
#   resources/translations/lupdate.sh LUPDATE
# then translate what Qt Linguist shows unfinished. With --check, changes
# nothing and fails when a text has no translation, a translation is
# unfinished, or one is left over from a text that is gone (the build's test).
set -eu
check=no
if [ "${1:-}" = --check ]; then
    check=yes
    shift
fi
lupdate=${1:?usage: lupdate.sh [--check] LUPDATE}
cd "$(dirname "$0")/../.."
# Where the window's and the report's texts are; lumetra-cli's messages stay English
# (it installs no translation but for the report).
sources="app ui certification records resources link session store"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in resources/translations/lumetra_*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    # No line numbers: the files change only when a text does.
    "$lupdate" -silent -locations none -extensions cpp,h $sources -ts "$copy"
    if [ $check = no ]; then
        "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h $sources -ts "$ts"
        continue
    fi
    if ! cmp -s "$ts" "$copy"; then
        echo "$ts: not current with the sources (run resources/translations/lupdate.sh):"
        diff -u "$ts" "$copy" | grep '^[-+] *<source>' || true
        status=1
    fi
    if grep -n -B2 -E 'type="(unfinished|vanished|obsolete)"|<translation>\s*</translation>|<translation/>' \
        "$copy"; then
        echo "$ts: texts above are untranslated or left over"
        status=1
    fi
done
exit $status
