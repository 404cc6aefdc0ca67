#!/bin/bash
# Every template of the run folder opens in AbiWord through the run folder's bin/abiword, and each day template holds exactly its
# number of days; the same for each language's templates in LL/, in that language's words. Usage: TemplatesTest.sh RUN_FOLDER. Skips (77) without AbiWord, unless CI=true.
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
check() { # LANGUAGE_DIR FILE DAYS DAY_WORD BREAKFAST WORDS...
  local dir=$1 file=$2 days=$3 day=$4 breakfast=$5 txt
  shift 5
  mkdir -p "$work/$dir"
  cp "$run_dir/$dir/$file" "$work/$dir/" || { echo "FAIL: $dir/$file is not in the run folder"; fail=1; return; }
  if ! (cd "$work/$dir" && timeout 120 "$run_dir/bin/abiword" --to=txt "$file" >/dev/null 2>&1); then
    echo "FAIL: AbiWord cannot convert $dir/$file"; fail=1; return
  fi
  txt="$work/$dir/${file%.abw}.txt"
  local found
  found=$(grep -cE "^$day [0-9]+\$" "$txt")
  if [ "$found" -ne "$days" ] || ! grep -qx "$day $days" "$txt"; then
    echo "FAIL: $dir/$file shows $found days, expected $day 1 to $day $days"; fail=1; return
  fi
  for word in "$breakfast" "$@"; do
    grep -q "$word" "$txt" || { echo "FAIL: $dir/$file lacks $word"; fail=1; return; }
  done
  [ "$(grep -c "^$breakfast\$" "$txt")" -eq "$days" ] || { echo "FAIL: $dir/$file: one breakfast a day"; fail=1; return; }
  echo "ok: $dir/$file, $days day(s)"
}
check_language() { # LANGUAGE_DIR DAY_WORD BREAKFAST WORDS...
  local dir=$1
  shift
  for n in 1 2 3 4 5 6 7; do check "$dir" "${n}daytemp.abw" "$n" "$@"; done
  check "$dir" template.abw 1 "$@"
}
check_language . Day Breakfast Lunch Dinner Cook: Cleanup: Meal: Snacks: Drinks:
check_language de Tag Frühstück Mittagessen Abendessen Kochen: Abwasch: Gericht: Snacks: Getränke:
nb=$'\xc2\xa0' # French keeps a no-break space before the colon
check_language fr Jour Petit-déjeuner Déjeuner Dîner "Cuisine$nb:" "Vaisselle$nb:" "Plat$nb:" "Goûter$nb:" "Boissons$nb:"
check_language es Día Desayuno Comida Cena Cocina: Limpieza: Plato: Picoteo: Bebidas:
check_language nl Dag Ontbijt Lunch Avondeten Koken: Afwas: Gerecht: Snacks: Drinken:
# One day in the singular ("1 Tage" was printed), on A4 paper outside the United States.
grep -q 'für 1 Tag<' "$run_dir/de/1daytemp.abw" && grep -q 'pagetype="A4"' "$run_dir/de/1daytemp.abw" || { echo "FAIL: de/1daytemp.abw: not 1 Tag on A4"; fail=1; }
[ -x "$run_dir/bin/abiword" ] || { echo "FAIL: bin/abiword is not an executable launcher"; fail=1; }
exit $fail
