#!/usr/bin/env bash
# Measures Velamo against the least a Win32 program can be: tools/bench/bare.c, which opens one
# window. Both run under Wine on the test desktop (tools/desktop.sh), in a home of its own under
# build/bench that is stopped at the end. Run by hand; it checks no threshold.
#
#   tools/bench.sh [--runs N] [--tray] [--smoke]
#
# Prints, for Velamo.exe and the reference:
#   - file size;
#   - start-up: from just before CreateProcess to the first visible top-level window, timed from
#     inside Wine by tools/bench/measure.c, and the working set once the process has settled;
#     min, median and max over N starts of each (default 10), taken in turn after a warm-up
#     start of each, so the wineserver is warm;
#   - idle, once started and settled: CPU time and wake-ups (context switches of all threads)
#     over 20 s, and private resident memory, from /proc;
#   - Velamo's ratios to the reference.
# Where this machine runs no 32-bit code (tools/desktop.sh arch says wine64), the same sources
# are measured as a 64-bit build, with a 64-bit reference and helper; the size of the real 32-bit
# Velamo.exe (preset mingw) and the largest parts of its link map are always printed.
#   --tray    the reference also puts one icon in the notification area
#   --smoke   one start of each and 2 s idle: a check that the bench itself works (CI)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10 idle=20 tray=""
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2 && shift ;;
    --tray) tray=" tray" ;;
    --smoke) runs=1 idle=2 ;;
    *) echo "usage: tools/bench.sh [--runs N] [--tray] [--smoke]" >&2 && exit 2 ;;
  esac
  shift
done

bench=$PWD/build/bench
mkdir -p "$bench"
quiet() { "$@" >"$bench/build.log" 2>&1 || { cat "$bench/build.log" >&2 && exit 1; }; }

# The product, for its size and link map.
quiet cmake --preset mingw -B "$bench/i686" -DBUILD_TESTING=OFF
quiet cmake --build "$bench/i686" --target Velamo
if [ "$(tools/desktop.sh arch)" = wine32 ]; then
  triple=i686-w64-mingw32 measured=$bench/i686 threads=win32
else
  # The product's thread model where its 64-bit compiler is installed.
  triple=x86_64-w64-mingw32 measured=$bench/x86_64 threads=win32
  command -v $triple-g++-win32 >/dev/null || threads=posix
  quiet cmake --preset wine64 -B "$measured" -DBUILD_TESTING=OFF -DVELAMO_WINE_TESTS=OFF \
    -DVELAMO_THREADS=$threads
  quiet cmake --build "$measured" --target Velamo
fi
velamo=$measured/Velamo.exe
quiet $triple-gcc -Os -s -static -municode -mwindows tools/bench/bare.c -o "$bench/bare.exe"
quiet $triple-gcc -Os -s -static -municode tools/bench/measure.c -lpsapi -o "$bench/measure.exe"

home=$bench/wine
tools/desktop.sh start "$home"
trap 'tools/desktop.sh stop "$home"' EXIT
# shellcheck disable=SC1091
. "$home/env"

# Wine's drive Z: is the root of the file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
commands=("\"$(windows_path "$velamo")\"" "\"$(windows_path "$bench/bare.exe")\"$tray")
wine "$bench/measure.exe" 1 "${commands[@]}" >/dev/null
wine "$bench/measure.exe" "$runs" "${commands[@]}" | tr -d '\r' >"$bench/runs.txt"

# "min median max" of column $2 of the starts of program $1 (0 Velamo, 1 the reference).
stats() {
  awk -v i="$1" -v c="$2" '$1 == i { print $c }' "$bench/runs.txt" | sort -g |
    awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                              printf "%s/%s/%s", v[1], m, v[NR] }'
}

# CPU ticks and context switches of all threads of process $1, then its private resident KB.
sample() {
  sed 's/.*) //' /proc/"$1"/task/*/stat 2>/dev/null | awk '{ t += $12 + $13 } END { printf "%d ", t }'
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { printf "%d ", n }'
  awk '/^RssAnon/ { print $2 }' /proc/"$1"/status
}

# "CPU_MS WAKE_UPS PRIVATE_KB" of program $2 (window title $1) over $idle s once it has settled.
idle_use() {
  local title=$1 program=$2 pid="" p
  shift
  wine "$@" </dev/null >/dev/null 2>&1 &
  for _ in $(seq 300); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"$title\"" && break
    sleep 0.1
  done
  sleep 2
  # Its Wine process, which shows the executable in its command line.
  for p in /proc/[0-9]*; do
    if tr '\0' ' ' <"$p/cmdline" 2>/dev/null | grep -qiF "$(basename "$program")" &&
      tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      pid=${p#/proc/}
    fi
  done
  [ -n "$pid" ] || { echo "bench: no process for $program" >&2 && return 1; }
  local before after
  before=$(sample "$pid")
  sleep "$idle"
  after=$(sample "$pid")
  kill "$pid" 2>/dev/null || true
  wait 2>/dev/null || true
  echo "$before $after" |
    awk -v hz="$(getconf CLK_TCK)" '{ printf "%d %d %d", ($4 - $1) * 1000 / hz, $5 - $2, $6 }'
}

read -r v_time b_time <<<"$(stats 0 2) $(stats 1 2)"
read -r v_set b_set <<<"$(stats 0 3) $(stats 1 3)"
read -r v_cpu v_wake v_private <<<"$(idle_use Velamo "$velamo")"
read -r b_cpu b_wake b_private <<<"$(idle_use Bare "$bench/bare.exe" ${tray:+tray})"

size() { stat -c %s "$1"; }
echo "Velamo.exe (i686, preset mingw): $(size "$bench/i686/Velamo.exe") bytes; its largest parts:"
# The link map's input sections added up by object file (archive member).
awk 'function hex(s, i, n) { n = 0; s = tolower(substr(s, 3))
       for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
       return n }
     /^Linker script and memory map/ { on = 1 }
     on && /^ [.][^ ]+$/ { pending = 1; next }
     on && (/^ [.][^ ]+ +0x[0-9a-f]+ +0x[0-9a-f]+ / || pending && /^ +0x[0-9a-f]+ +0x[0-9a-f]+ /) {
       match($0, /0x[0-9a-f]+ +0x[0-9a-f]+ +/); split(substr($0, RSTART, RLENGTH), a, / +/)
       f = substr($0, RSTART + RLENGTH); sub(/.*\//, "", f); size[f] += hex(a[2]) }
     { pending = 0 }
     END { for (f in size) if (size[f] >= 4096) printf "  %7d %s\n", size[f], f }' \
  "$bench/i686/Velamo.map" | sort -rn
echo
echo "Measured: the ${triple%%-*} build (threads $threads) under $(tools/desktop.sh arch);" \
  "$runs start(s) of each in turn; reference: bare.exe${tray:+ with a tray icon}"
row() { printf '%-11s %8s  %-24s %-24s %s\n' "$@"; }
row "" bytes "start ms min/med/max" "working set KB min/..." "idle ${idle} s: CPU ms, wake-ups, private KB"
row Velamo.exe "$(size "$velamo")" "$v_time" "$v_set" "$v_cpu, $v_wake, $v_private"
row bare.exe "$(size "$bench/bare.exe")" "$b_time" "$b_set" "$b_cpu, $b_wake, $b_private"
echo "$v_time $b_time $v_set $b_set $v_private $b_private" | tr / ' ' |
  awk '{ printf "Velamo / reference, median (min): start %.2fx (%.2fx), working set %.2fx (%.2fx);" \
                " idle private %.2fx\n", $2 / $5, $1 / $4, $8 / $11, $7 / $10, $13 / $14 }'
