#!/usr/bin/env bash
# Checks the resources linked into Velamo.exe, and that the committed images are what
# resources/make_images.py makes from the art today.
# Usage: check_resources.sh VELAMO_EXE SOURCE_DIR      (needs icoutils and python3)
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 VELAMO_EXE SOURCE_DIR" >&2
  exit 2
fi
exe=$1
source_dir=$2
here=$(dirname "$0")
for tool in wrestool icotool python3; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
[ -f "$exe" ] || { echo "FAIL: no executable at $exe" >&2; exit 1; }
# The exe must carry the version the top-level project declares.
version=$(sed -nE 's/^project\(Velamo VERSION ([0-9]+\.[0-9]+\.[0-9]+\.[0-9]+).*/\1/p' \
  "$source_dir/CMakeLists.txt")
if [ -z "$version" ]; then
  echo "FAIL: no four-part version in $source_dir/CMakeLists.txt" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# ExtractIconEx numbers icon groups in resource order: index 0 must be the app icon.
groups=$(wrestool -l --type=14 "$exe" | sed -nE 's/.*--name=([^ ]+).*/\1/p' | paste -sd' ')
[ "$groups" = "1 2" ] || fail "icon groups are '$groups', expected '1 2'"

# Rebuilds a group from the exe, checks its images and that it matches the committed file.
check_group() { # icon|cursor name committed-file expected-icotool-listing
  local out=$work/$2.$1
  python3 "$here/rebuild_icon_file.py" "$exe" "$1" "$2" "$out" || {
    fail "$1 group $2 cannot be read from the exe"
    return
  }
  local got
  got=$(icotool -l "$out" | sed -E 's/^--(icon|cursor) --index=[0-9]+ //')
  [ "$got" = "$4" ] || fail "$1 group $2 holds"$'\n'"$got"$'\n'"expected"$'\n'"$4"
  cmp -s "$out" "$source_dir/resources/$3" ||
    fail "$1 group $2 differs from resources/$3 (a stale build, or the wrong file in velamo.rc)"
}
check_group icon 1 velamo.ico "\
--width=16 --height=16 --bit-depth=4 --palette-size=16
--width=32 --height=32 --bit-depth=4 --palette-size=16
--width=48 --height=48 --bit-depth=8 --palette-size=256"
check_group icon 2 fallback.ico "--width=16 --height=16 --bit-depth=4 --palette-size=16"
check_group cursor 101 crosshair.cur \
  "--width=32 --height=32 --bit-depth=1 --palette-size=2 --hotspot-x=15 --hotspot-y=15"

wrestool -x --raw --type=16 "$exe" >"$work/version.bin"
if [ -s "$work/version.bin" ]; then
  python3 "$here/check_version_info.py" "$work/version.bin" "$version" ||
    fail "version information is wrong"
else
  fail "no version information"
fi

wrestool -x --raw --type=24 --name=1 "$exe" >"$work/manifest.xml"
if [ -s "$work/manifest.xml" ]; then
  python3 "$here/check_manifest.py" "$work/manifest.xml" || fail "manifest is wrong"
else
  fail "no manifest (type 24, name 1)"
fi

# The committed images are exactly what the generator makes from the art.
if python3 "$source_dir/resources/make_images.py" --out "$work/images"; then
  for f in velamo.ico fallback.ico crosshair.cur; do
    cmp -s "$work/images/$f" "$source_dir/resources/$f" ||
      fail "resources/$f is out of date: run resources/make_images.py"
  done
else
  fail "resources/make_images.py failed"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures resource check(s) failed" >&2
  exit 1
fi
echo "resources OK"
