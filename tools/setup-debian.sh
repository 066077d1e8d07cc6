#!/usr/bin/env bash
# Installs what building and testing Velamo needs on Debian 12 (run as root). Both Wines: some
# kernels run no 32-bit code, and the tests then run a 64-bit build under wine64.
# Does nothing for packages that are already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-format googletest libgtest-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 fonts-wine fonts-noto-cjk fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xdotool x11-utils libxfixes3 imagemagick icoutils locales python3
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_updated=""
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ -v apt_updated ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  [ ${#missing[@]} -gt 0 ] && apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine needs the Japanese glibc locale to pass non-ASCII names and command lines.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen
fi
