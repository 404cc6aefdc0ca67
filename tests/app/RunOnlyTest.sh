#!/bin/sh
# What `make run` does on a new build folder, its commands run with stand-ins for the package
# tools and for the build itself: it installs only what building and running need (not
# LibreOffice, CUPS, lintian, GoogleTest ...) and builds the program alone, without the tests
# and benchmarks (325 steps before the first window, where the program takes under a hundred).
set -eu
src=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/dutywise-run-only.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/bin"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\necho "$@" >>"%s/apt"\n' "$work" >"$work/bin/apt-get"
printf '#!/bin/sh\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

make -s -n -C "$src" run BUILD="$work/build" CMAKE_FLAGS= >"$work/commands"
install=$(grep '^scripts/install-deps' "$work/commands")
configure=$(grep '^cmake -S' "$work/commands")
build=$(grep '^cmake --build' "$work/commands")
(cd "$src" && PATH=$work/bin:$PATH sh -c "$install" >/dev/null && sh -c "$configure")

! grep -E 'gtest|benchmark|libreoffice|cups|lintian|xvfb' "$work/apt" ||
  fail "make run installs packages that only the tests need"
case $build in
*--target*) targets=${build##*--target} ;;
*) targets= ;;
esac
# shellcheck disable=SC2086 # the targets are words
ninja -C "$work/build" -t commands $targets >"$work/steps"
! grep -iE 'gtest|benchmark|/tests/|/bench/' "$work/steps" | head -3 | grep . ||
  fail "make run builds tests or benchmarks"
steps=$(wc -l <"$work/steps")
[ "$steps" -lt 120 ] || fail "make run takes $steps build steps"
echo "make run: $steps build steps"
