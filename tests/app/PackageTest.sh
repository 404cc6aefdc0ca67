#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a temporary root and checks
# what a desktop would find there: the program, its run folder, the desktop entry pointing at
# that folder, the icons and the AppStream metadata, and the declared dependencies.
# Usage: PackageTest.sh BUILD_DIR
# Exit 77 (skipped) when a tool is missing, unless CI=true, where that is a failure.
set -euo pipefail

build=${1:?usage: PackageTest.sh BUILD_DIR}
id=org.dutywise.Dutywise

missing_tool() {
  if [ "${CI:-}" = true ]; then
    echo "FAIL: $1 is missing (scripts/install-deps installs it)" >&2
    exit 1
  fi
  echo "SKIP: $1 is missing (scripts/install-deps installs it)"
  exit 77
}
for tool in cpack dpkg-deb desktop-file-validate appstreamcli objdump xmllint update-mime-database; do
  command -v "$tool" >/dev/null || missing_tool "$tool"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
}
# No early-closing readers (head, awk's exit) in pipes here: under pipefail the writer's SIGPIPE
# would end the script without a word whenever it is still writing.
deb=$(find "$work/out" -maxdepth 1 -name 'dutywise_*.deb' -print -quit)
[ -n "$deb" ] || { echo "FAIL: no dutywise_*.deb in $work/out" >&2; exit 1; }
root=$work/root
dpkg-deb -x "$deb" "$root"

# Files
for f in usr/bin/dutywise usr/share/dutywise/bin/abiword; do
  [ -x "$root/$f" ] || fail "$f is missing or not executable"
done
for n in 1 2 3 4 5 6 7; do
  [ -s "$root/usr/share/dutywise/${n}daytemp.abw" ] || fail "template ${n}daytemp.abw is missing"
done
[ -s "$root/usr/share/dutywise/template.abw" ] || fail "the master template is missing"
for l in de fr es nl; do
  for t in 1daytemp.abw 7daytemp.abw template.abw; do
    [ -s "$root/usr/share/dutywise/$l/$t" ] || fail "the $l template $t is missing"
  done
done
[ -s "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "the SVG icon is missing"

# Each bitmap icon is a PNG of the size its folder names.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 48 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -s "$icon" ]; then
    fail "the ${size}x${size} icon is missing"
  elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
    fail "the ${size}x${size} icon measures $(png_size "$icon")"
  fi
done

# The desktop entry starts the program wherever; it finds its data folder itself.
desktop=$root/usr/share/applications/$id.desktop
if [ -s "$desktop" ]; then
  grep -qx 'Exec=dutywise %f' "$desktop" || fail "desktop entry does not run dutywise with a file"
  grep -qx "Icon=$id" "$desktop" || fail "desktop entry names another icon"
  desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the entry"
else
  fail "the desktop entry is missing"
fi
# Plan files: the MIME type is valid against the schema that shared-mime-info itself carries
# (the DTD inside its freedesktop.org.xml), is declared by the desktop entry, and a database
# built from it knows plans by name and by content.
mime=$root/usr/share/mime/packages/$id.xml
system_mime=/usr/share/mime/packages/freedesktop.org.xml
if [ ! -s "$mime" ]; then
  fail "the plan MIME type is missing"
elif [ ! -s "$system_mime" ]; then
  missing_tool "$system_mime"
else
  sed -n '/<!DOCTYPE mime-info \[/,/^\]>/p' "$system_mime" | sed '1d; $d' >"$work/mime-info.dtd"
  [ -s "$work/mime-info.dtd" ] || fail "no schema found in $system_mime"
  xmllint --noout --dtdvalid "$work/mime-info.dtd" "$mime" || fail "xmllint refuses the MIME type"
  grep -qx 'MimeType=application/x-dutywise-plan;' "$desktop" || fail "desktop entry does not declare plans"
  mkdir -p "$work/mime/packages"
  cp "$mime" "$work/mime/packages/"
  update-mime-database "$work/mime" || fail "update-mime-database refuses the MIME type"
  grep -q '^50:application/x-dutywise-plan:\*\.dutywise$' "$work/mime/globs2" ||
    fail "no *.dutywise glob: $(cat "$work/mime/globs2" 2>/dev/null)"
  grep -qa '"format": "dutywise-plan"' "$work/mime/magic" || fail "no magic match on the format field"
  grep -q '^application/x-dutywise-plan application/json$' "$work/mime/subclasses" ||
    fail "plans are not JSON to the database"
fi

metainfo=$root/usr/share/metainfo/$id.metainfo.xml
if [ -s "$metainfo" ]; then
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli refuses the metainfo"
  appstreamcli validate-tree --no-net "$root" || fail "appstreamcli refuses the installed tree"
else
  fail "the AppStream metainfo is missing"
fi

# Dependencies: the declared ones, and every library the program links to comes from one of
# them (or from the C and C++ runtimes that every system has).
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libjpeg62-turbo abiword qt6-translations-l10n; do
  grep -qw -- "$p" <<<"$depends" || fail "Depends lacks $p: $depends"
done
needed=$(objdump -p "$root/usr/bin/dutywise" | awk '/NEEDED/ {print $2}')
if grep -q '^libasan' <<<"$needed"; then
  echo "note: sanitizer build, library check skipped"
elif command -v dpkg-query >/dev/null; then
  for lib in $needed; do
    path=$(ldconfig -p | awk -v l="$lib" '$1 == l && !found {print $NF; found = 1}')
    [ -n "$path" ] || { fail "$lib is not found on this system"; continue; }
    owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")" 2>/dev/null || true)
    pkg=${owner%%:*}
    case "$pkg" in
      libc6 | libstdc++6 | libgcc-s1 | "") ;;
      *) grep -qw -- "$pkg" <<<"$depends" || fail "the program links $lib from $pkg, not declared" ;;
    esac
  done
fi

# --- Debian's own checks: documentation, dependencies, lintian ---------------------------------
# The copyright, the changelog and the manual page a Debian package carries.
for f in usr/share/doc/dutywise/copyright usr/share/doc/dutywise/changelog.gz \
  usr/share/man/man1/dutywise.1.gz; do
  [ -s "$root/$f" ] || fail "$f is missing"
done
# The C and C++ runtimes that every build links are dependencies too, as Debian requires.
for p in libc6 libstdc++6; do
  grep -qw -- "$p" <<<"$depends" || fail "Depends lacks $p: $depends"
done
# lintian: any error or warning fails the package; "info" and "pedantic" notes are only shown.
# No tag is suppressed. As root (the tests here run as root) it asks for --allow-root.
command -v lintian >/dev/null || missing_tool lintian
lintian_flags=(--fail-on error,warning --info --tag-display-limit 0)
[ "$(id -u)" -ne 0 ] || lintian_flags+=(--allow-root)
if lintian "${lintian_flags[@]}" "$deb" >"$work/lintian.log" 2>&1; then
  [ ! -s "$work/lintian.log" ] || sed 's/^/lintian: /' "$work/lintian.log"
else
  sed 's/^/lintian: /' "$work/lintian.log" >&2
  fail "lintian finds errors or warnings in the package"
fi
# --- end of Debian's own checks ---------------------------------------------------------------

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in $(basename "$deb")" >&2
  exit 1
fi
echo "ok: $(basename "$deb") installs $(find "$root" -type f | wc -l) files"
