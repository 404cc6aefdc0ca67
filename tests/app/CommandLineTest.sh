#!/usr/bin/env bash
# The real program's command line, with no display at all: --help and --version (also among
# Qt's own options) answer on standard output with status 0; two plans or an unknown option give a usage line on standard
# error and status 2, and nothing on standard output.
# Usage: CommandLineTest.sh PROGRAM
set -u
# The program speaks English here, whatever the desktop's language.
export LANGUAGE=en
program=${1:?usage: CommandLineTest.sh PROGRAM}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

run() { # run EXPECTED_STATUS ARGS...: leaves the streams in $work/out and $work/err
  local expected=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "dutywise $* exited with $status, not $expected: $(cat "$work/err")"
}

for args in "--version" "-v" "-style fusion -reverse -session 10d6f3a2c1000123 --version"; do
  # shellcheck disable=SC2086 # the words are the arguments
  run 0 $args
  [ "$(cat "$work/out")" = "Dutywise 4.1" ] || fail "dutywise $args printed: $(cat "$work/out")"
  [ -s "$work/err" ] && fail "dutywise $args wrote to standard error: $(cat "$work/err")"
done

run 0 --help
grep -q '^Usage: dutywise \[--help\] \[--version\] \[PLAN.dutywise\]$' "$work/out" ||
  fail "--help printed no usage line: $(cat "$work/out")"
grep -q -- '--version' "$work/out" || fail "--help does not list --version"

for args in "a.dutywise b.dutywise" "--frobnicate" "-x a.dutywise"; do
  # shellcheck disable=SC2086 # the words are the arguments
  run 2 $args
  [ -s "$work/out" ] && fail "dutywise $args wrote to standard output: $(cat "$work/out")"
  grep -q '^Usage: dutywise ' "$work/err" || fail "dutywise $args gave no usage line: $(cat "$work/err")"
done

# Qt's own complaint in the desktop's language, from Qt's catalogue (it stayed English).
LANGUAGE=de run 2 --frobnicate
grep -q "^dutywise: Unbekannte Option" "$work/err" || fail "--frobnicate in German: $(cat "$work/err")"

[ "$failures" -eq 0 ] || exit 1
echo "ok: the command line answers as it should"
