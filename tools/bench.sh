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
#     inside Wine by tools/bench/measure.c, and the working set and private bytes once the
#     process has settled; min, median and max over N starts of each (default 10), taken in
#     turn after a warm-up start of each, so the wineserver is warm;
#   - Velamo's ratios of the medians to the reference's;
#   - idle: CPU time and wake-ups (context switches of all threads, from /proc) over 20 s.
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
                              printf "%s %s %s", v[1], m, v[NR] }'
}

# "CPU_MS WAKE_UPS" of the Wine process of $1 over $idle s, once its window is shown and settled.
idle_use() {
  local title=$1 pid=""
  shift
  wine "$@" </dev/null >/dev/null 2>&1 &
  local started=$!
  for _ in $(seq 300); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"$title\"" && break
    sleep 0.1
  done
  sleep 2
  # The Windows process: Wine names it by its executable in the command line.
  for p in /proc/[0-9]*; do
    if tr '\0' ' ' <"$p/cmdline" 2>/dev/null | grep -qi "$(basename "$1")" &&
      tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      pid=${p#/proc/}
    fi
  done
  [ -n "$pid" ] || { echo "bench: no process for $1" >&2 && return 1; }
  sample() {
    cat /proc/"$pid"/task/*/stat 2>/dev/null | sed 's/.*) //' | awk '{ t += $12 + $13 } END { printf "%d ", t }'
    cat /proc/"$pid"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n }'
  }
  local before after
  before=$(sample)
  sleep "$idle"
  after=$(sample)
  kill "$pid" "$started" 2>/dev/null || true
  wait "$started" 2>/dev/null || true
  echo "$before $after" | awk -v hz="$(getconf CLK_TCK)" '{ printf "%d %d", ($3 - $1) * 1000 / hz, $4 - $2 }'
}

read -r v_t_min v_t_med v_t_max <<<"$(stats 0 2)"
read -r b_t_min b_t_med b_t_max <<<"$(stats 1 2)"
read -r v_w_min v_w_med v_w_max <<<"$(stats 0 3)"
read -r b_w_min b_w_med b_w_max <<<"$(stats 1 3)"
read -r v_p_min v_p_med v_p_max <<<"$(stats 0 4)"
read -r b_p_min b_p_med b_p_max <<<"$(stats 1 4)"
read -r v_cpu v_wake <<<"$(idle_use Velamo "$velamo")"
read -r b_cpu b_wake <<<"$(idle_use Bare "$bench/bare.exe" ${tray:+tray})"

size() { stat -c %s "$1"; }
echo "Velamo.exe (i686, preset mingw): $(size "$bench/i686/Velamo.exe") bytes; largest parts:"
# The link map's input sections, added up by object file (archive members named in full).
awk 'function hex(s, i, n) { n = 0; s = tolower(substr(s, 3))
       for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
       return n }
     /^Linker script and memory map/ { on = 1 }
     on && /^ [.][^ ]+$/ { pending = 1; next }
     on && (/^ [.][^ ]+ +0x[0-9a-f]+ +0x[0-9a-f]+ / || pending && /^ +0x[0-9a-f]+ +0x[0-9a-f]+ /) {
       f = $NF; sub(/.*\//, "", f); size[f] += hex($(NF - 1)) }
     { pending = 0 }
     END { for (f in size) if (size[f] >= 4096) printf "  %7d %s\n", size[f], f }' \
  "$bench/i686/Velamo.map" | sort -rn | head -12
echo
echo "Measured: ${triple%%-*} build (threads $threads) under $(tools/desktop.sh arch)," \
  "$runs start(s) of each in turn; reference: bare.exe${tray:+ with a tray icon}"
printf '%-12s %9s  %-26s %-26s %-26s %s\n' "" "bytes" "start ms min/med/max" \
  "working set KB min/med/max" "private KB min/med/max" "idle ${idle}s: CPU ms, wake-ups"
printf '%-12s %9s  %-26s %-26s %-26s %s\n' Velamo.exe "$(size "$velamo")" \
  "$v_t_min/$v_t_med/$v_t_max" "$v_w_min/$v_w_med/$v_w_max" "$v_p_min/$v_p_med/$v_p_max" "$v_cpu, $v_wake"
printf '%-12s %9s  %-26s %-26s %-26s %s\n' bare.exe "$(size "$bench/bare.exe")" \
  "$b_t_min/$b_t_med/$b_t_max" "$b_w_min/$b_w_med/$b_w_max" "$b_p_min/$b_p_med/$b_p_max" "$b_cpu, $b_wake"
awk -v t="$v_t_med" -v bt="$b_t_med" -v w="$v_w_med" -v bw="$b_w_med" -v p="$v_p_med" -v bp="$b_p_med" \
  'BEGIN { printf "Velamo / reference (medians): start %.2fx, working set %.2fx, private %.2fx\n",
           t / bt, w / bw, p / bp }'
