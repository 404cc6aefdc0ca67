#!/usr/bin/env bash
# Runs a Python driver against the real program on a private X server and a private session
# bus, the way a screen reader reaches it: through AT-SPI.
# Usage: run-e2e.sh RUN_DIR SCRIPT.py [ARGS...]
#   RUN_DIR holds the program (dutywise), bin/abiword and the templates.
# Exit 77 (skipped) when a tool is missing, unless CI=true, where that is a failure.
set -euo pipefail

run_dir=$(cd "${1:?usage: run-e2e.sh RUN_DIR SCRIPT.py [ARGS...]}" && pwd)
script=$(readlink -f "${2:?usage: run-e2e.sh RUN_DIR SCRIPT.py [ARGS...]}")
shift 2
python=/usr/bin/python3

missing() {
  if [ "${CI:-}" = true ]; then
    echo "FAIL: $1 (scripts/install-deps installs what the end-to-end test needs)" >&2
    exit 1
  fi
  echo "SKIP: $1 (scripts/install-deps installs what the end-to-end test needs)"
  exit 77
}
for tool in Xvfb dbus-run-session xdotool abiword; do
  command -v "$tool" >/dev/null || missing "$tool is not installed"
done
[ -x "$python" ] || missing "$python is not installed"
"$python" -c 'import pyatspi' 2>/dev/null || missing "python3-pyatspi is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || missing "at-spi2-core is not installed"
[ -x "$run_dir/dutywise" ] || { echo "FAIL: no program at $run_dir/dutywise" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/dutywise-e2e.XXXXXX")
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it to the descriptor; -noreset
# keeps the server up when the last client leaves (the program and AbiWord come and go).
exec 3>"$work/display"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 200); do
  [ -s "$work/display" ] && DISPLAY=:$(head -n1 "$work/display") xdotool getdisplaygeometry >/dev/null 2>&1 && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
export DISPLAY=:$(head -n1 "$work/display")
xdotool getdisplaygeometry >/dev/null || { echo "FAIL: Xvfb on $DISPLAY does not answer" >&2; exit 1; }

# The program's own settings would be read from the home folder: keep them out of it.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=en
export DUTYWISE_E2E_WORK=$work

# Under the sanitizers: libxkbcommon-x11 hands strndup keymap names that are not terminated
# (it passes the length), which strict string checks take for an overflow; the X platform
# plugin cannot start with them, so they are off for this test.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS=${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}
fi
# The program's exit status also says whether it leaked; the X and
# accessibility libraries keep caches for the life of the process that are not ours to free.
if [ -n "${LSAN_OPTIONS:-}" ]; then
  supp=$(sed -n 's/.*suppressions=\([^:]*\).*/\1/p' <<<"$LSAN_OPTIONS")
  { [ -n "$supp" ] && [ -f "$supp" ] && cat "$supp"; cat "$(dirname "$script")/lsan.supp"; } >"$work/lsan.supp"
  export LSAN_OPTIONS="suppressions=$work/lsan.supp:print_suppressions=0"
fi

dbus-run-session -- "$python" "$script" "$run_dir" "$@"
