#!/usr/bin/env bash
# Measures Velamo against the least a Win32 program can be, tools/bench/bare.c, built twice:
# bare.exe opens one window; styled.exe also has Velamo's manifest (tools/bench/styled.rc) and one
# push button, so it loads Common Controls 6 as a program with visual styles must. All run under
# Wine on the desktop and in the prefix of the Wine tests (tools/desktop.sh, build/wine32/wine or
# build/wine64/wine: a prefix is slow to make where 32-bit code runs emulated), stopped at the
# end, so not while those tests run. Run by hand; it checks no threshold.
#
#   tools/bench.sh [--runs N] [--tray] [--smoke]
#
# Prints, for Velamo.exe and the references:
#   - file size;
#   - start-up: from just before CreateProcess to the first visible top-level window, timed from
#     inside Wine by tools/bench/measure.c, and the working set once the process has settled;
#     min, median and max over N starts of each (default 10), taken in turn after a warm-up
#     start of each, so the wineserver is warm;
#   - idle (Velamo and bare.exe), once started and settled: CPU time and wake-ups (context
#     switches of all threads) over 20 s with the pointer still, and private resident memory,
#     from /proc; and Velamo's with two /minimized rules, whose watch looks at the windows;
#   - among another program's windows (tools/bench/bare.c "crowd N"), idle as above: Velamo with
#     the two /minimized rules while 100 of them show, with an /open rule holding 20 of them
#     hidden, and with 20 of them hidden and no rule (the look at the hidden windows alone), each
#     also as a share of one core with the wineserver's extra work;
#   - restoring one window, timed from inside Wine by tools/bench/restore.c: of 50 hidden, the one
#     hidden last (restore key) and the one hidden first (its line in the list and "元に戻す"), and
#     the only one hidden (restore key): from the input until it shows and until Velamo rests, and
#     Velamo's CPU time; medians over 5 of each (as many as starts, if fewer);
#   - pointer load, once started and settled: CPU time and context switches over 10 s while
#     xdotool moves the pointer 55 times a second along the foot of the desktop, where no window
#     opens; for Velamo, for bare.exe holding an empty low-level mouse hook on a thread of its own
#     (the least a program that watches the pointer can cost), and for bare.exe as is;
#   - click load, the same with the pointer to and fro across a window of another program
#     (bare.exe's copy clicked.exe), clicked at every fifth move: CPU time and context switches of
#     Velamo with a /close: rule and of bare.exe's empty hook, and the delay from each press sent
#     to its arrival in that window, with each and with neither;
#   - Velamo's ratios to each reference.
# Where this machine runs no 32-bit code natively (desktop.sh arch says wine64), the same sources
# are measured as a 64-bit build, with 64-bit references and helper; the size of the real 32-bit
# Velamo.exe (preset mingw) and the largest parts of its link map are always printed.
#   --tray    every reference also puts one icon in the notification area
#   --smoke   one start of each, 2 s idle, 2 s pointer and click load: a check that the bench itself
#             works (CI)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10 idle=20 load=10 tray="" patience=30
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2 && shift ;;
    --tray) tray=" tray" ;;
    --smoke) runs=1 idle=2 load=2 patience=5 ;;
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
# The manifest as the product configure above made it.
quiet $triple-windres -I "$bench/i686/generated" tools/bench/styled.rc -O coff \
  -o "$bench/styled.res"
quiet $triple-gcc -Os -s -static -municode -mwindows tools/bench/bare.c "$bench/styled.res" \
  -o "$bench/styled.exe"
quiet $triple-gcc -Os -s -static -municode tools/bench/measure.c -lpsapi -o "$bench/measure.exe"
cp "$bench/bare.exe" "$bench/clicked.exe"

home=$PWD/build/$(tools/desktop.sh arch)/wine
tools/desktop.sh start "$home"
trap 'tools/desktop.sh stop "$home"' EXIT
# shellcheck disable=SC1091
. "$home/env"

# The pointer rests and moves at the foot of the desktop, above the taskbar: the windows open at
# its top left, and use() makes sure none reaches down here, nor right to the clicked window
# (clicked.exe clicks), across which the clicks' path goes.
path_y=700 rate=55 clicked_left=560 click_y=350
xdotool mousemove 32 $path_y

# Wine's drive Z: is the root of the file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
commands=("\"$(windows_path "$velamo")\"" "\"$(windows_path "$bench/bare.exe")\"$tray"
  "\"$(windows_path "$bench/styled.exe")\" button$tray")
wine "$bench/measure.exe" 1 "${commands[@]}" >/dev/null
wine "$bench/measure.exe" "$runs" "${commands[@]}" | tr -d '\r' >"$bench/runs.txt"

# "min/median/max" of the numbers on standard input.
spread() {
  sort -g | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                                      printf "%s/%s/%s", v[1], m, v[NR] }'
}

# "min/median/max" of column $2 of the starts of program $1 (0 Velamo, 1 bare.exe, 2 styled.exe).
stats() { awk -v i="$1" -v c="$2" '$1 == i { print $c }' "$bench/runs.txt" | spread; }

# CPU time in microseconds (the scheduler's count: clock ticks are too coarse for a hook) and
# context switches of all threads of process $1, then its private resident KB.
sample() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ t += $1 } END { printf "%d ", t / 1000 }'
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { printf "%d ", n }'
  awk '/^RssAnon/ { print $2 }' /proc/"$1"/status
}

idle_period() { sleep "$idle"; }

# Moves the pointer for $load s, $rate times a second, to and fro along the foot of the desktop.
pointer_load() {
  awk -v n=$((load * rate)) -v rate=$rate -v y=$path_y 'BEGIN {
    for (i = 0; i < n; i++) { x = i % 120; if (x > 60) x = 120 - x
                              printf "mousemove %d %d\nsleep %.4f\n", 32 + 16 * x, y, 1 / rate }
  }' | xdotool -
}

# The process of this prefix's wineserver, which does much of the work of a program's calls.
wineserver_pid() {
  local p
  for p in /proc/[0-9]*; do
    case $(cat "$p/comm" 2>/dev/null) in wineserver*)
      { tr '\0' '\n' <"$p/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
        echo "${p#/proc/}" ;;
    esac
  done
}

# Waits for a window titled $1 of program $2.
shown() {
  local tries=0
  until xwininfo -root -tree 2>/dev/null | grep -qF "\"$1\":"; do
    [ $((tries += 1)) -lt 300 ] || { echo "bench: $2 shows no window" >&2 && return 1; }
    sleep 0.1
  done
}

# The Wine process of program $1, which shows the executable in its command line.
process_of() {
  local p pid=""
  for p in /proc/[0-9]*; do
    if { tr '\0' ' ' <"$p/cmdline"; } 2>/dev/null | grep -qiF "$(basename "$1")" &&
      { tr '\0' '\n' <"$p/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      pid=${p#/proc/}
    fi
  done
  [ -n "$pid" ] || { echo "bench: no process for $1" >&2 && return 1; }
  echo "$pid"
}

# Waits until explorer, which draws the taskbar and the notification area, has rested for a
# second: it takes seconds over a hundred new windows, and its calls would count as Velamo's share
# of the wineserver's work. After $patience s it goes on, with a warning, as the figures are still
# worth having.
settle() {
  local explorer tries=0 before after
  explorer=$(process_of explorer.exe) || return 1
  after=$(sample "$explorer")
  until [ "$((${after%% *} - ${before:-0}))" -lt 1000 ]; do
    [ $((tries += 1)) -le "$patience" ] ||
      { echo "bench: explorer still busy; the wineserver's figures include its work" >&2 && return 0; }
    before=${after%% *}
    sleep 1
    after=$(sample "$explorer")
  done
}

# "CPU_MS CONTEXT_SWITCHES PRIVATE_KB SERVER_CPU_MS" of program $3 (window title $2) once it has
# settled: CPU time and context switches of all its threads while $1 (idle_period, pointer_load
# or click_load) runs, its private memory after, and the wineserver's CPU time meanwhile. The
# words after $3 are its command line's.
use() {
  local during=$1 title=$2 program=$3 pid
  shift 2
  wine "$@" </dev/null >/dev/null 2>&1 &
  shown "$title" "$program" || return 1
  sleep 2
  # Its window's line ends with its size and place on the screen: WxH+X+Y +SCREEN_X+SCREEN_Y.
  xwininfo -root -tree | awk -v t="\"$title\":" -v y=$path_y -v x=$clicked_left 'index($0, t) {
    split($(NF - 1), size, /[x+]/); split($NF, at, /[+]/)
    if (at[3] + size[2] > y || at[2] + size[1] > x) exit 1 }' ||
    { echo "bench: the window of $program reaches the pointer's paths" >&2 && return 1; }
  pid=$(process_of "$program") || return 1
  # What the case needs done first, as restores' hiding of the crowd.
  [ -z "${prepare:-}" ] || "$prepare" || { echo "bench: $prepare failed" >&2 && return 1; }
  settle || return 1
  local before after server
  server=$(wineserver_pid)
  before="$(sample "$pid") $(sample "$server")"
  "$during" || { echo "bench: $during failed" >&2 && return 1; }
  [ -d "/proc/$pid" ] || { echo "bench: $program ended during $during" >&2 && return 1; }
  after="$(sample "$pid") $(sample "$server")"
  kill "$pid" 2>/dev/null || true
  wait 2>/dev/null || true
  echo "$before $after" |
    awk '{ printf "%.1f %d %d %.1f", ($7 - $1) / 1000, $8 - $2, $9, ($10 - $4) / 1000 }'
}

# Moves the pointer as pointer_load does, across the clicked window, and clicks the left button
# at every fifth place; writes when each press was sent, as clicked.exe writes its arrival (the
# system time in 100 ns since 1601, which is Linux's under Wine).
click_load() {
  python3 - "$load" "$rate" "$clicked_left" "$click_y" >"$bench/pressed.txt" <<'EOF'
import ctypes, ctypes.util, sys, time
load, rate, left, y = map(int, sys.argv[1:])
x11, xtst = (ctypes.CDLL(ctypes.util.find_library(name)) for name in ("X11", "Xtst"))
x11.XOpenDisplay.restype = ctypes.c_void_p
display = ctypes.c_void_p(x11.XOpenDisplay(None))
for i in range(load * rate):
    xtst.XTestFakeMotionEvent(display, -1, left + 40 + 8 * min(i % 40, 40 - i % 40), y, 0)
    if i % 5 == 0:
        xtst.XTestFakeButtonEvent(display, 1, True, 0)
        xtst.XTestFakeButtonEvent(display, 1, False, 0)
        print(time.time_ns() // 100 + 116444736000000000)
    x11.XFlush(display)
    time.sleep(1 / rate)
EOF
}

# use()'s figures for click_load with the words $@ (none without), then the delay from a press
# sent to its arrival in the clicked window in ms, min/median/max.
clicks() {
  local figures="" clicked
  wine "$bench/clicked.exe" clicks </dev/null >"$bench/clicked.txt" 2>/dev/null &
  shown Clicks clicked.exe && clicked=$(process_of clicked.exe) || return 1
  if [ $# -gt 0 ]; then figures=$(use click_load "$@") || return 1; else sleep 2 && click_load; fi
  sleep 0.5
  kill "$clicked" && wait
  [ "$(wc -l <"$bench/pressed.txt")" = "$(wc -l <"$bench/clicked.txt")" ] ||
    { echo "bench: not every click reached the clicked window" >&2 && return 1; }
  echo "$figures $(paste "$bench/pressed.txt" "$bench/clicked.txt" |
    awk '{ print ($2 - $1) / 10000 }' | spread)"
}

start=() working=()
for i in 0 1 2; do
  start[i]=$(stats $i 2) working[i]=$(stats $i 3)
done
v_idle=$(use idle_period Velamo "$velamo")
r_idle=$(use idle_period Velamo "$velamo" /minimized:thunderbird.exe /minimized:notepad.exe)
b_idle=$(use idle_period Bare "$bench/bare.exe" ${tray:+tray})

# Velamo among another program's windows: those of bare.exe crowd N, started apart from use(),
# whose wait would wait for it too, and ended before Velamo starts again, as a new Velamo takes up
# the windows an old one left hidden.
crowded() {
  local count=$1 crowd tries=0 status=0
  shift
  crowd=$( (wine "$bench/bare.exe" crowd "$count" </dev/null >/dev/null 2>&1 & echo $!) )
  until [ "$(xwininfo -root -tree 2>/dev/null | grep -c '"Crowd [0-9]*":')" -eq "$count" ]; do
    [ $((tries += 1)) -lt 300 ] || { echo "bench: no $count crowd windows show" >&2 && return 1; }
    sleep 0.1
  done
  "$@" || status=$?
  kill "$crowd"
  while [ -d "/proc/$crowd" ]; do sleep 0.1; done
  return $status
}

# use()'s work for Velamo among 50 windows: tools/bench/restore.c hides and restores them in
# turn, reading the CPU time of Velamo, use()'s process $pid. As many restores of each kind as
# starts, up to 5: each takes a second or two.
restore_runs=$((runs < 5 ? runs : 5))
quiet $triple-gcc -Os -s -static -municode tools/bench/restore.c -o "$bench/restore.exe"
restores() {
  wine "$bench/restore.exe" "$pid" "$restore_runs" </dev/null | tr -d '\r' >"$bench/restores.txt"
}
# The crowd hidden as for the restores, then left hidden.
hide_crowd() { wine "$bench/restore.exe" "$pid" 0 </dev/null >/dev/null; }

# A killed Velamo's $1 icons stay in the notification area, where explorer gets slower with each,
# until the pointer passes over them: each pass over the rightmost removes it and brings the next
# there. The taskbar is the screen's last 20 px.
sweep_tray() {
  awk -v n="$1" 'BEGIN { for (i = 0; i < n + 10; i++)
                           printf "mousemove %d 758\nsleep 0.03\n", 1012 + i % 2 * 4 }' | xdotool -
  xdotool mousemove 32 $path_y
}

c0_idle=$(crowded 100 use idle_period Velamo "$velamo")
c_idle=$(crowded 100 use idle_period Velamo "$velamo" /minimized:thunderbird.exe \
  /minimized:notepad.exe)
o0_idle=$(crowded 20 use idle_period Velamo "$velamo")
o_idle=$(crowded 20 use idle_period Velamo "$velamo" /open:bare.exe)
h_idle=$(prepare=hide_crowd crowded 20 use idle_period Velamo "$velamo")
sweep_tray 20
# Last of these: Wine's explorer keeps a hidden top-level window (its tooltip) for every icon ever
# added, and the restores add hundreds, which every later look at the windows goes through.
crowded 50 use restores Velamo "$velamo" >/dev/null
sweep_tray 50
read -ra c0 <<<"$c0_idle"
read -ra ci <<<"$c_idle"
read -ra o0 <<<"$o0_idle"
read -ra oi <<<"$o_idle"
read -ra hi <<<"$h_idle"

# After the idle figures, so the pointer is still for those.
v_load=$(use pointer_load Velamo "$velamo")
h_load=$(use pointer_load Bare "$bench/bare.exe" hook ${tray:+tray})
b_load=$(use pointer_load Bare "$bench/bare.exe" ${tray:+tray})
v_clicks=$(clicks Velamo "$velamo" /close:notepad.exe)
h_clicks=$(clicks Bare "$bench/bare.exe" hook ${tray:+tray})
n_clicks=$(clicks)
read -ra vi <<<"$v_idle"
read -ra ri <<<"$r_idle"
read -ra bi <<<"$b_idle"
read -ra vl <<<"$v_load"
read -ra hl <<<"$h_load"
read -ra bl <<<"$b_load"
read -ra vc <<<"$v_clicks"
read -ra hc <<<"$h_clicks"

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
  "$runs start(s) of each in turn"
echo "References: bare.exe, one window; styled.exe, the same with Velamo's manifest and a push" \
  "button${tray:+; each with a tray icon}"
row() { printf '%-11s %8s  %-24s %-24s %s\n' "$@"; }
row "" bytes "start ms min/med/max" "working set KB min/..." "idle ${idle} s: CPU ms, wake-ups, private KB"
row Velamo.exe "$(size "$velamo")" "${start[0]}" "${working[0]}" "${vi[0]}, ${vi[1]}, ${vi[2]}"
row bare.exe "$(size "$bench/bare.exe")" "${start[1]}" "${working[1]}" "${bi[0]}, ${bi[1]}, ${bi[2]}"
row styled.exe "$(size "$bench/styled.exe")" "${start[2]}" "${working[2]}" -
row "  2 rules" "" "" "" "${ri[0]}, ${ri[1]}, ${ri[2]}"
echo "Velamo with two /minimized rules, idle: $(awk -v ms="${ri[0]}" -v with="${ri[3]}" \
  -v without="${vi[3]}" -v s="$idle" 'BEGIN { printf "%.2f %% of one core; %.2f %% with the" \
  " wineserver'"'"'s extra work (%.1f ms, %.1f ms without rules)", ms / (s * 10),
  (ms + with - without) / (s * 10), with, without }')"

# Velamo's figure $1 over a reference's $2; n/a where that is 0.
ratio() {
  awk -v v="$1" -v r="$2" 'BEGIN { if (r > 0) printf "%.2fx", v / r; else printf "n/a" }'
}
# Velamo's min/median/max $1 over a reference's $2: "MEDIAN (MIN)".
ratios() {
  local v r
  IFS=/ read -ra v <<<"$1"
  IFS=/ read -ra r <<<"$2"
  echo "$(ratio "${v[1]}" "${r[1]}") ($(ratio "${v[0]}" "${r[0]}"))"
}
echo "Velamo / bare.exe, median (min): start $(ratios "${start[0]}" "${start[1]}")," \
  "working set $(ratios "${working[0]}" "${working[1]}");" \
  "idle private $(ratio "${vi[2]}" "${bi[2]}")"
echo "Velamo / styled.exe, median (min): start $(ratios "${start[0]}" "${start[2]}")," \
  "working set $(ratios "${working[0]}" "${working[2]}")"

# Velamo's share of one core idle for $1 ms over the idle period, alone and with the wineserver's
# $2 ms less the $3 ms it took for Velamo without rules among the same windows.
core_share() {
  awk -v ms="$1" -v with="$2" -v without="$3" -v s="$idle" 'BEGIN { printf "%.2f %% of one" \
    " core; %.2f %% with the wineserver'"'"'s extra work (%.1f ms, %.1f ms without rules)",
    ms / (s * 10), (ms + with - without) / (s * 10), with, without }'
}
# The median of column $2 of the restores of kind $1.
restored() {
  awk -v k="$1" -v c="$2" '$1 == k { print $c }' "$bench/restores.txt" | sort -g |
    awk '{ v[NR] = $1 }
         END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo
echo "Among another program's windows (bare.exe crowd N), idle $idle s:" \
  "CPU ms, wake-ups, private KB"
printf '%-36s %s\n' "  2 rules, 100 windows shown" "${ci[0]}, ${ci[1]}, ${ci[2]}" \
  "  an /open rule, 20 windows hidden" "${oi[0]}, ${oi[1]}, ${oi[2]}" \
  "  no rule, 20 windows hidden" "${hi[0]}, ${hi[1]}, ${hi[2]}"
echo "Velamo with two /minimized rules among 100 windows, idle:" \
  "$(core_share "${ci[0]}" "${ci[3]}" "${c0[3]}")"
echo "Velamo holding 20 windows by an /open rule, idle:" \
  "$(core_share "${oi[0]}" "${oi[3]}" "${o0[3]}")"
echo "Velamo looking at 20 hidden windows (no rule), idle:" \
  "$(core_share "${hi[0]}" "${hi[3]}" "${o0[3]}")"
echo "Restoring one window, median of $restore_runs: ms from the input until it shows, until" \
  "Velamo rests (its last CPU time before 0.5 s of none); Velamo's CPU ms (each restore in" \
  "$bench/restores.txt)"
for kind in "last of 50 (restore key)/last" "first of 50 (its line, button)/first" \
  "only one hidden (restore key)/only"; do
  printf '  %-32s %8s %8s %8s\n' "${kind%/*}" "$(restored "${kind#*/}" 2)" \
    "$(restored "${kind#*/}" 3)" "$(restored "${kind#*/}" 4)"
done
echo
echo "Pointer load, $load s at $rate moves a second along y = $path_y: CPU ms, context switches"
printf '%-14s %6s, %s\n' Velamo.exe "${vl[0]}" "${vl[1]}" "bare.exe hook" "${hl[0]}" "${hl[1]}" \
  bare.exe "${bl[0]}" "${bl[1]}"
echo "  (bare.exe hook: bare.exe holding an empty low-level mouse hook on a thread of its own)"
echo "Velamo / empty hook: CPU $(ratio "${vl[0]}" "${hl[0]}")," \
  "context switches $(ratio "${vl[1]}" "${hl[1]}")"
echo
echo "Click load, $load s as above but across clicked.exe's window, clicked $((rate / 5)) times a" \
  "second: CPU ms, context switches, delay of a click ms min/median/max"
printf '%-14s %6s, %s, %s\n' Velamo.exe "${vc[0]}" "${vc[1]}" "${vc[4]}" "bare.exe hook" \
  "${hc[0]}" "${hc[1]}" "${hc[4]}" neither - - "$n_clicks"
echo "  (Velamo.exe with /close:notepad.exe, a rule for another program than the clicked one)"
IFS=/ read -ra vd <<<"${vc[4]}"
IFS=/ read -ra nd <<<"$n_clicks"
echo "Velamo / empty hook: CPU $(ratio "${vc[0]}" "${hc[0]}")," \
  "context switches $(ratio "${vc[1]}" "${hc[1]}"); median delay of a click" \
  "$(awk -v v="${vd[1]}" -v n="${nd[1]}" 'BEGIN { printf "%+.2f", v - n }') ms over neither"
