#!/bin/bash
# The real program on a private X server, given Qt's own options: its welcome window
# "Dutywise v4.1" shows within seconds, and closing that window from its title bar ends the program with status 0.
# Usage: RealProgramTest.sh RUN_FOLDER. Skips (77) when a tool is missing, unless CI=true.
set -u
# The program speaks English here, whatever the desktop's language.
export LANGUAGE=en
run_dir=$1
here=$(cd "$(dirname "$0")" && pwd)

missing() {
  if [ "${CI:-}" = true ]; then echo "FAIL: $1 is missing"; exit 1; fi
  echo "SKIP: $1 is missing"; exit 77
}
for tool in Xvfb xdotool xdpyinfo python3; do command -v "$tool" >/dev/null || missing "$tool"; done

work=$(mktemp -d)
xvfb_pid= app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
n=$(( 100 + $$ % 400 ))
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -noreset -nolisten tcp -screen 0 1024x768x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: the X server did not answer"; cat "$work/xvfb.log"; exit 1; }

# Under the sanitizers, as in the end-to-end test: xkbcommon's unterminated strndup arguments
# trip strict string checks, and the X libraries' process-long caches are not ours to free.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS=${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}
fi
if [ -n "${LSAN_OPTIONS:-}" ]; then
  supp=$(sed -n 's/.*suppressions=\([^:]*\).*/\1/p' <<<"$LSAN_OPTIONS")
  { [ -n "$supp" ] && [ -f "$supp" ] && cat "$supp"; cat "$here/../e2e/lsan.supp"; } >"$work/lsan.supp"
  export LSAN_OPTIONS="suppressions=$work/lsan.supp:print_suppressions=0"
fi

mkdir -m 700 "$work/runtime"
cd "$run_dir" || exit 1
# Started with Qt's own options, as a session manager restoring a session starts it: Qt takes them.
XDG_RUNTIME_DIR="$work/runtime" HOME="$work" QT_QPA_PLATFORM=xcb \
  ./dutywise -style fusion -reverse -session 10d6f3a2c1000123_1765200000 >"$work/out.log" 2>&1 &
app_pid=$!

window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Dutywise v4\.1$' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "FAIL: no window titled \"Dutywise v4.1\" within 10 seconds"; cat "$work/out.log"; exit 1
fi
echo "window $window: $(xdotool getwindowname "$window")"

"$here/close-window.py" "$window"
status=
for _ in $(seq 100); do
  if ! kill -0 "$app_pid" 2>/dev/null; then wait "$app_pid"; status=$?; app_pid=; break; fi
  sleep 0.1
done
if [ -z "$status" ]; then echo "FAIL: the program still runs 10 seconds after its window closed"; exit 1; fi
if [ "$status" -ne 0 ]; then echo "FAIL: exit status $status"; cat "$work/out.log"; exit 1; fi
echo "PASS: window shown, program ended with status 0"
