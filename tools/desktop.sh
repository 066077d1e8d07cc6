#!/usr/bin/env bash
# Starts or stops a Wine desktop to run Velamo and its tests on.
#
#   desktop.sh start HOME [--display :N] [--dpi N]
#                                          prefix HOME/prefix (made once), an Xvfb of its own
#                                          unless --display is given, Wine's "shell" desktop
#                                          (taskbar and notification area) at N dots per inch
#                                          (96 unless given); writes HOME/env
#   desktop.sh stop HOME                   ends that wineserver, its processes and that Xvfb
#   desktop.sh arch                        prints wine32 when this machine runs 32-bit code
#                                          natively, else wine64 (some kernels run no 32-bit
#                                          code; an emulator may run it, slowly)
#
# Start and stop are idempotent and need no terminal, so they can run from CI.
set -euo pipefail

readonly SCREEN=1024x768
# Raise when the prefix set-up below changes, so old prefixes are made anew.
readonly PREFIX_SETUP=6

die() {
  echo "desktop.sh: $*" >&2
  exit 1
}

runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# An emulator registered for 32-bit x86 programs takes them before the kernel's own loader does.
emulated_32bit() {
  local entry
  for entry in /proc/sys/fs/binfmt_misc/*; do
    [ "$(head -n 1 "$entry" 2>/dev/null)" = enabled ] &&
      grep -qE '^magic 7f454c460101[0-9a-f]*0300$' "$entry" && return 0
  done
  return 1
}

wine_arch() {
  if ! emulated_32bit && runs_32bit; then echo wine32; else echo wine64; fi
}
if [ "${1:-}" = arch ]; then
  wine_arch
  exit 0
fi

[ $# -ge 2 ] || die "usage: desktop.sh start|stop HOME [--display :N]"
action=$1
home=$(realpath -m "$2")
shift 2
given_display=""
dpi=96
while [ $# -gt 0 ]; do
  case $1 in
    --dpi)
      [ $# -ge 2 ] || die "--dpi needs a value"
      dpi=$2
      shift 2
      ;;
    --dpi=*)
      dpi=${1#--dpi=}
      shift
      ;;
    --display)
      [ $# -ge 2 ] || die "--display needs a value"
      given_display=$2
      shift 2
      ;;
    --display=*)
      given_display=${1#--display=}
      shift
      ;;
    *) die "unknown option $1" ;;
  esac
done

run=$home/run
logs=$home/logs
prefix=$home/prefix
mkdir -p "$run" "$logs"

export WINEPREFIX=$prefix
unset WINESERVER WINELOADER
# A 64-bit Wine where 32-bit code cannot run: Debian's wine script would pick the 32-bit loader.
if [ "$(wine_arch)" = wine32 ]; then
  export WINEARCH=win32
else
  export WINEARCH=win64
  mkdir -p "$home/bin"
  printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$home/bin/wine"
  ln -sf /usr/lib/wine/wineserver64 "$home/bin/wineserver"
  chmod +x "$home/bin/wine"
  export PATH=$home/bin:$PATH WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
fi
export WINEDEBUG=-all
# Wine's code page follows the locale its wineserver starts with: 932 for the Japanese UI.
export LC_ALL=ja_JP.UTF-8
# No Mono or Gecko install prompts, and no menu entries or file associations in $HOME.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

# One start or stop at a time per HOME; fd 9 is closed for everything started in the background,
# or the lock would live as long as they do.
exec 9>"$run/lock"
flock -w 600 9 || die "timed out waiting for another desktop.sh on $home"

# Polls COMMAND every 0.1 s until it succeeds or SECONDS pass.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# True when pid file $1 names a live process whose command line contains $2.
alive() {
  local pid
  [ -f "$1" ] || return 1
  pid=$(cat "$1")
  [ -n "$pid" ] && [ -r "/proc/$pid/cmdline" ] && tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q -- "$2"
}

display_up() { xdpyinfo -display "$1" >/dev/null 2>&1; }

desktop_window_up() {
  xwininfo -display "$DISPLAY" -root -tree 2>/dev/null | grep -q '"shell - Wine desktop"'
}

# Wine's own background start-up (wineboot) for this prefix is still running.
wineboot_running() {
  local p
  for p in /proc/[0-9]*; do
    if { tr '\0' ' ' <"$p/cmdline"; } 2>/dev/null | grep -qi 'wineboot' &&
      { tr '\0' '\n' <"$p/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
      return 0
    fi
  done
  return 1
}

wineboot_done() { ! wineboot_running; }

# The bottom strip (the taskbar) drawn and unchanged across two looks.
taskbar_settled() {
  local a b
  a=$(import -display "$DISPLAY" -window root -crop 1024x40+0+728 rgb:- 2>/dev/null | md5sum)
  sleep 0.3
  b=$(import -display "$DISPLAY" -window root -crop 1024x40+0+728 rgb:- 2>/dev/null | md5sum)
  [ "$a" = "$b" ] || return 1
  # Not all black: explorer has painted.
  [ "$(import -display "$DISPLAY" -window root -crop 1024x40+0+728 -format '%[fx:maxima.r+maxima.g+maxima.b]' info:- 2>/dev/null)" != "0" ]
}

running() {
  [ -f "$home/env" ] || return 1
  # shellcheck disable=SC1091
  [ "$(. "$home/env" && echo "$VELAMO_DPI")" = "$dpi" ] || return 1
  # shellcheck disable=SC1091
  DISPLAY=$(. "$home/env" && echo "$DISPLAY")
  export DISPLAY
  display_up "$DISPLAY" && alive "$run/keeper.pid" 'sleep infinity' && desktop_window_up
}

find_wine_fonts() {
  local dir
  for dir in /usr/share/wine/fonts /usr/lib/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
    [ -f "$dir/marlett.ttf" ] && echo "$dir" && return 0
  done
  return 1
}

make_prefix() {
  local ready=$prefix/.velamo-prefix setup=$PREFIX_SETUP
  # A 64-bit prefix gets its 32-bit half only where 32-bit code runs when it is made; the
  # 32-bit Velamo.exe shows no window without it.
  if [ "$WINEARCH" = win64 ] && runs_32bit; then setup="$setup wow64"; fi
  if [ -f "$ready" ] && [ "$(cat "$ready")" = "$setup" ]; then
    return 0
  fi
  echo "desktop.sh: creating Wine prefix $prefix" >&2
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
  # No display while booting: nothing to show yet.
  DISPLAY="" wine wineboot -i </dev/null >"$logs/wineboot.log" 2>&1 9>&- || {
    tail -20 "$logs/wineboot.log" >&2
    die "wineboot failed"
  }
  cat >"$run/setup.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF
  DISPLAY="" wine regedit /S "$run/setup.reg" </dev/null >>"$logs/wineboot.log" 2>&1 9>&- ||
    die "regedit failed"
  # The fonts a Japanese Windows has, stood in for by the metric-compatible IPA fonts: dialog
  # text then wraps where it would on Windows. Japanese names need a UTF-16 registry file.
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
    '"MS Shell Dlg"="IPAPGothic"' '"MS UI Gothic"="IPAPGothic"' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' \
    '"ＭＳ Ｐ明朝"="IPAPMincho"' '"ＭＳ 明朝"="IPAMincho"' |
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$run/fonts.reg"
  DISPLAY="" wine regedit /S "$run/fonts.reg" </dev/null >>"$logs/wineboot.log" 2>&1 9>&- ||
    die "regedit failed"
  # Debian's Wine looks for its own fonts (Marlett draws the caption buttons) outside the
  # directory fonts-wine fills; the prefix's Fonts folder is always searched.
  local fonts
  if fonts=$(find_wine_fonts); then
    cp -f "$fonts"/* "$prefix/drive_c/windows/Fonts/"
  else
    echo "desktop.sh: Wine's fonts (marlett.ttf) not found: caption buttons will show letters" >&2
  fi
  wineserver -w
  echo "$setup" >"$ready"
}

start_xvfb() {
  if [ -n "$given_display" ]; then
    display_up "$given_display" || die "display $given_display does not answer"
    DISPLAY=$given_display
    rm -f "$run/xvfb.pid"
    return 0
  fi
  if alive "$run/xvfb.pid" Xvfb && [ -f "$run/display" ] && display_up ":$(cat "$run/display")"; then
    DISPLAY=:$(cat "$run/display")
    return 0
  fi
  rm -f "$run/display"
  # A background job of this script leads no process group, so setsid runs Xvfb in place: $! is it.
  setsid Xvfb -displayfd 3 -screen 0 "${SCREEN}x24" -nolisten tcp -noreset \
    3>"$run/display" </dev/null >"$logs/xvfb.log" 2>&1 9>&- &
  echo $! >"$run/xvfb.pid"
  wait_for 30 grep -q '[0-9]' "$run/display" || {
    cat "$logs/xvfb.log" >&2
    die "Xvfb did not start"
  }
  DISPLAY=:$(tr -dc '0-9' <"$run/display")
  wait_for 10 display_up "$DISPLAY" || die "Xvfb on $DISPLAY does not answer"
}

write_env() {
  cat >"$home/env.tmp" <<EOF
export DISPLAY='$DISPLAY'
export WINEPREFIX='$WINEPREFIX'
export WINEARCH='$WINEARCH'
export WINEDEBUG='$WINEDEBUG'
export LC_ALL='$LC_ALL'
export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
export PATH='$PATH'
export VELAMO_DPI='$dpi'
${WINELOADER:+export WINELOADER='$WINELOADER' WINESERVER='$WINESERVER'}
EOF
  mv "$home/env.tmp" "$home/env"
}

stop_all() {
  rm -f "$home/env"
  if [ -d "$prefix" ]; then
    timeout 30 wineserver -k 2>/dev/null || true
  fi
  local f
  for f in keeper explorer; do
    if [ -f "$run/$f.pid" ]; then
      local pid
      pid=$(cat "$run/$f.pid")
      # Each was started by setsid, so its process id is its group's.
      if [ -n "$pid" ] && [ -d "/proc/$pid" ]; then
        kill -- "-$pid" 2>/dev/null || true
      fi
      rm -f "$run/$f.pid"
    fi
  done
  if alive "$run/xvfb.pid" Xvfb; then
    local pid
    pid=$(cat "$run/xvfb.pid")
    kill "$pid" 2>/dev/null || true
    wait_for 10 test ! -d "/proc/$pid" || kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$run/xvfb.pid" "$run/display"
}

# Faults seen before in this environment that would make every later failure puzzling.
check_environment() {
  local cp
  cp=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP </dev/null 2>/dev/null | sed -n 's/.*REG_SZ *\([0-9]*\).*/\1/p')
  [ "$cp" = 932 ] || die "Wine runs with code page '$cp', not 932: is the ja_JP.UTF-8 locale there?"
  [ -f "$prefix/drive_c/windows/Fonts/marlett.ttf" ] || die "Marlett is missing from the prefix"
}

start_all() {
  if running; then
    return 0
  fi
  stop_all
  make_prefix
  # The display's scale, which every program reads when it starts (Wine's LogPixels).
  DISPLAY="" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    </dev/null >>"$logs/wineboot.log" 2>&1 9>&- || die "setting $dpi dpi failed"
  start_xvfb
  export DISPLAY
  # The keeper is a Wine process that waits forever: while it lives, the desktop has a user
  # and explorer keeps it open between test programs.
  setsid bash -c 'sleep infinity | wine cmd.exe' </dev/null >"$logs/keeper.log" 2>&1 9>&- &
  echo $! >"$run/keeper.pid"
  setsid wine explorer.exe "/desktop=shell,$SCREEN" </dev/null >"$logs/explorer.log" 2>&1 9>&- &
  echo $! >"$run/explorer.pid"
  wait_for 60 desktop_window_up || {
    tail -20 "$logs/explorer.log" >&2
    die "the Wine desktop did not appear"
  }
  wait_for 60 wineboot_done || die "wineboot did not finish"
  wait_for 30 taskbar_settled || die "the taskbar did not settle"
  alive "$run/keeper.pid" 'sleep infinity' || die "the keeper process ended"
  check_environment
  write_env
}

case $action in
  start) start_all ;;
  stop) stop_all ;;
  *) die "unknown action $action (start or stop)" ;;
esac
