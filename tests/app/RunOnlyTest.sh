#!/bin/sh
# `make run` on a new build folder, with stand-ins for the package tools: it installs only what
# building and running need (not LibreOffice, CUPS, lintian, GoogleTest) and builds the program
# alone, not the tests and benchmarks (325 steps before the first window).
set -eu
work=$(mktemp -d "${TMPDIR:-/tmp}/dutywise-run-only.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" && cd "$1"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\necho "$@" >>"%s/apt"\n' "$work" | tee "$work/bin/apt-get" >"$work/bin/sudo"
chmod +x "$work/bin/"*
make -s -n run BUILD="$work/build" CMAKE_FLAGS= | grep -v '^cd ' >"$work/commands"
PATH=$work/bin:$PATH sh -c "$(grep -v '^cmake --build' "$work/commands")" >/dev/null
targets=$(sed -n 's/^cmake --build.*--target//p' "$work/commands")
ninja -C "$work/build" -t commands $targets >"$work/steps"
! grep -E 'gtest|benchmark|libreoffice|cups|lintian' "$work/apt" || { echo "FAIL: packages"; exit 1; }
! grep -iE 'gtest|benchmark|/tests/|/bench/' "$work/steps" | head -3 | grep . &&
  [ "$(wc -l <"$work/steps")" -lt 120 ] || { echo "FAIL: $(wc -l <"$work/steps") steps"; exit 1; }
