#!/usr/bin/env bash
# Every catalogue is complete and up to date with the code:
#  - lupdate over the sources changes nothing in it (no English text missing, none left over),
#  - lrelease compiles every entry, none unfinished and none untranslated.
# Usage: check-catalogues.sh LUPDATE LRELEASE SOURCES_LIST LUPDATE_OPTION... -- TS...
set -uo pipefail
lupdate=$1
lrelease=$2
sources=$3
shift 3
options=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  options+=("$1")
  shift
done
shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  name=$(basename "$ts")
  copy="$work/$name"
  cp "$ts" "$copy"
  if ! "$lupdate" "${options[@]}" "@$sources" -ts "$copy" >"$work/lupdate.log" 2>&1; then
    echo "FAIL $name: lupdate failed"
    cat "$work/lupdate.log"
    status=1
    continue
  fi
  if ! cmp -s "$ts" "$copy"; then
    echo "FAIL $name: the code's texts differ from the catalogue's; run the update_translations"
    echo "     target and translate the new entries (lines with + are what lupdate would write):"
    diff -u "$ts" "$copy" | grep '^[+-] ' | head -40
    status=1
  fi
  if ! "$lrelease" "$ts" -qm "$work/${name%.ts}.qm" >"$work/lrelease.log" 2>&1; then
    echo "FAIL $name: lrelease failed"
    status=1
  fi
  summary=$(grep -E 'Generated [0-9]+ translation' "$work/lrelease.log")
  if ! grep -qE '\(([0-9]+) finished and 0 unfinished\)' <<<"$summary" ||
    grep -q 'untranslated' "$work/lrelease.log"; then
    echo "FAIL $name: not every entry is translated and finished:"
    cat "$work/lrelease.log"
    status=1
  fi
  echo "$name:$summary"
done
exit $status
