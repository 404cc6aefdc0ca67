#!/bin/bash
# Every template of the run folder opens in AbiWord through the run folder's bin/abiword, and each day template holds exactly its
# number of days. Usage: TemplatesTest.sh RUN_FOLDER. Skips (77) without AbiWord, unless CI=true.
set -u
# The program speaks English here, whatever the desktop's language.
export LANGUAGE=en
run_dir=$(cd "$1" && pwd)
if ! command -v abiword >/dev/null; then
  if [ "${CI:-}" = true ]; then echo "FAIL: abiword is missing"; exit 1; fi
  echo "SKIP: abiword is missing"; exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work   # AbiWord writes its settings there

fail=0
check() { # FILE DAYS
  local file=$1 days=$2 txt
  cp "$run_dir/$file" "$work/" || { echo "FAIL: $file is not in the run folder"; fail=1; return; }
  if ! (cd "$work" && timeout 120 "$run_dir/bin/abiword" --to=txt "$file" >/dev/null 2>&1); then
    echo "FAIL: AbiWord cannot convert $file"; fail=1; return
  fi
  txt="$work/${file%.abw}.txt"
  local found
  found=$(grep -cE '^Day [0-9]+$' "$txt")
  if [ "$found" -ne "$days" ] || ! grep -qx "Day $days" "$txt"; then
    echo "FAIL: $file shows $found days, expected Day 1 to Day $days"; fail=1; return
  fi
  for word in Breakfast Lunch Dinner Cook: Cleanup: Meal: Snacks: Drinks:; do
    grep -q "$word" "$txt" || { echo "FAIL: $file lacks $word"; fail=1; return; }
  done
  [ "$(grep -c '^Breakfast$' "$txt")" -eq "$days" ] || { echo "FAIL: $file: one breakfast a day"; fail=1; return; }
  echo "ok: $file, $days day(s)"
}
for n in 1 2 3 4 5 6 7; do check "${n}daytemp.abw" "$n"; done
check template.abw 1
[ -x "$run_dir/bin/abiword" ] || { echo "FAIL: bin/abiword is not an executable launcher"; fail=1; }
exit $fail
