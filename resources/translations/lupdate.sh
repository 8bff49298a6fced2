#!/bin/sh
# SPDX-License-Identifier: MIT
# Brings the .ts files up to date with the texts of the sources:
#   resources/translations/lupdate.sh LUPDATE
# then translate what Qt Linguist shows unfinished. With --check, changes
# nothing and fails when a text has no translation, a translation is
# unfinished, one is left over from a text that is gone, or a count is put
# into a sentence without Qt's plural forms (the build's test).
set -eu
check=no
if [ "${1:-}" = --check ]; then
    check=yes
    shift
fi
lupdate=${1:?usage: lupdate.sh [--check] LUPDATE}
cd "$(dirname "$0")/../.."
# Every source folder but the tests' (a folder is one with a CMakeLists.txt),
# so that a new folder's texts are read from its first day. lumetra-cli's own
# messages are plain English strings, never tr(), and so are not read.
sources=
for dir in */; do
    dir=${dir%/}
    [ "$dir" != tests ] && [ -f "$dir/CMakeLists.txt" ] && sources="$sources $dir"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in resources/translations/lumetra_*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    # English is the sources' language: its file holds only the plural forms.
    only=
    [ "$(basename "$ts")" = lumetra_en.ts ] && only=-pluralonly
    # No line numbers: the files change only when a text does.
    "$lupdate" -silent -locations none $only -extensions cpp,h $sources -ts "$copy"
    if [ $check = no ]; then
        "$lupdate" -silent -locations none $only -no-obsolete -extensions cpp,h $sources -ts "$ts"
        continue
    fi
    if ! cmp -s "$ts" "$copy"; then
        echo "$ts: not current with the sources (run resources/translations/lupdate.sh):"
        diff -u "$ts" "$copy" | grep '^[-+] *<source>' || true
        status=1
    fi
    if grep -n -B2 -E 'type="(unfinished|vanished|obsolete)"|<translation>\s*</translation>|<translation/>|<numerusform>\s*</numerusform>|<numerusform/>' \
        "$copy"; then
        echo "$ts: texts above are untranslated or left over"
        status=1
    fi
done
if [ $check = yes ]; then
    # A number before a plural noun ("%1 records", "%2 chosen records") in a
    # text without %n reads "1 records": it takes tr(text, nullptr, n).
    counts=$(cat "$work"/lumetra_*.ts | sed -n 's/.*<source>\(.*\)<\/source>.*/\1/p' | sort -u \
        | grep -v '%n' | grep -E -i '%[1-9] ([a-z]+ )?[a-z]+s\b' \
        | grep -E -v -i '%[1-9] (is|was|has|does|holds|contains)\b' || true)
    if [ -n "$counts" ]; then
        printf '%s\n' "$counts"
        echo "texts above put a count into a sentence without %n (Qt's plural forms)"
        status=1
    fi
fi
exit $status
