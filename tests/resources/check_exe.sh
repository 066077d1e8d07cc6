#!/usr/bin/env bash
# Velamo.exe as shipped: a PE32 GUI program of at most 112 KiB, the same bytes from every build
# (no time stamp, no path of the build), with its icon groups in ExtractIconEx order, the
# crosshair, the version and the manifest; and the committed pictures are what
# resources/make_images.py makes from the art.
#   check_exe.sh VELAMO_EXE OBJDUMP SOURCE
set -uo pipefail
exe=$1 objdump=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() { # what, got, expected
  [ "$2" = "$3" ] || { echo "FAIL: $1 is '$2', expected '$3'" >&2; failures=$((failures + 1)); }
}
headers=$("$objdump" -p "$exe")
expect format "$(grep -Eo 'file format [^ ]+' <<<"$headers")" "file format pei-i386"
expect "at most 112 KiB" "$(($(stat -c %s "$exe") <= 112 * 1024))" 1
header=$(od -An -tu4 -j60 -N4 "$exe" | xargs)
expect "header time stamp" "$(od -An -tu4 -j$((header + 8)) -N4 "$exe" | xargs)" 0
expect "paths of the build" "$(grep -c -a -F -e "$source" -e "$(dirname "$(realpath "$exe")")" "$exe")" 0
expect subsystem "$(grep -Eo '^Subsystem[[:space:]]+[0-9]+' <<<"$headers" | tr -s ' \t' ' ')" \
  "Subsystem 00000002"
expect "icon groups" "$(wrestool -l --type=14 "$exe" | grep -Eo 'name=[0-9]+' | paste -sd' ')" \
  "name=1 name=2"
images() { wrestool -x --type="$1" --name="$2" "$exe" >"$work/x" && icotool -l "$work/x" |
  grep -Eo 'width=[0-9]+ --height=[0-9]+ --bit-depth=[0-9]+' | paste -sd' '; }
sizes() { for size in 16 20 24 32 40 48 64; do
  printf 'width=%s --height=%s --bit-depth=%s\n' $size $size $((size >= $1 ? 8 : 4)); done | paste -sd' '; }
expect "app icon" "$(images 14 1)" "$(sizes 40)"
expect "fallback icon" "$(images 14 2)" "$(sizes 99)"
# icotool misreads cursors: each of the group's entries (width, height of both masks, planes,
# bits) and each image's hot spot, read directly.
expect crosshair "$(wrestool -x --raw --type=12 --name=101 "$exe" | od -An -tu2 -v -j6 |
  xargs -n7 | cut -d' ' -f1-4 | paste -sd' ') $(for n in 1 2 3; do
  wrestool -x --raw --type=1 --name=$n "$exe" | od -An -tu2 -N4; done | xargs)" \
  "32 64 1 1 48 96 1 1 64 128 1 1 15 15 23 23 31 31"
version=$(sed -nE 's/^project\(Velamo VERSION ([0-9.]+).*/\1/p' "$source/CMakeLists.txt")
expect "file version" "$(wrestool -x --raw --type=16 "$exe" | strings -el | grep -x -m1 "$version")" \
  "$version"
expect manifest "$(wrestool -x --raw --type=24 --name=1 "$exe" |
  grep -c -e 'Common-Controls' -e "name=\"Velamo\" version=\"$version.0\"")" 2
python3 "$source/resources/make_images.py" --out "$work/art" >/dev/null
for f in velamo.ico fallback.ico crosshair.cur; do
  cmp -s "$work/art/$f" "$source/resources/$f" || expect "resources/$f" stale "made from the art"
done
[ "$failures" = 0 ] && echo "Velamo.exe OK"
