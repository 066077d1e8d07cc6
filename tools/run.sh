#!/usr/bin/env bash
# Builds Velamo.exe and starts it under Wine on Wine's Windows-like desktop: on $DISPLAY when
# there is one, else on a virtual display, of which it saves a screenshot.
#   tools/run.sh [--dpi N] [VELAMO OPTION...]
# --dpi: the desktop at N dots per inch (96 unless given, 144 for 150 %); the rest is Velamo's
# command line.
set -euo pipefail
cd "$(dirname "$0")/.."
dpi=96
if [ "${1:-}" = --dpi ]; then
  dpi=$2
  shift 2
fi

if [ "$(id -u)" = 0 ]; then
  bash tools/setup-debian.sh
fi

# A build tree of its own, without the tests, so the test build keeps its settings. Where this
# machine runs no 32-bit code, the same program is built for 64-bit Windows.
preset=mingw
[ "$(tools/desktop.sh arch)" = wine32 ] || preset=wine64
build=$PWD/build/run
cmake --preset $preset -B "$build" -DBUILD_TESTING=OFF -DVELAMO_WINE_TESTS=OFF >/dev/null
cmake --build "$build" --target Velamo

home=$build/wine
if [ -n "${DISPLAY:-}" ]; then
  tools/desktop.sh start "$home" --display "$DISPLAY" --dpi "$dpi"
else
  tools/desktop.sh start "$home" --dpi "$dpi"
fi
trap 'tools/desktop.sh stop "$home"' EXIT
# shellcheck disable=SC1091
. "$home/env"

wine "$build/Velamo.exe" "$@" &
velamo=$!
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Velamo"' && break
  sleep 0.1
done
sleep 1
screenshot=$build/velamo-screenshot.png
import -window root "$screenshot"
echo "Velamo is running on display $DISPLAY; screenshot: $screenshot"
echo "Close its window to quit, or press Ctrl+C here."
wait "$velamo" || true
