#!/usr/bin/env bash
# Installs what building and testing Velamo needs on Debian 12 (run as root). Both Wines: some
# kernels run no 32-bit code, and the tests then run a 64-bit build under wine64 and the 32-bit
# Velamo.exe under Debian's emulator. Does nothing for what is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-format googletest libgtest-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 fonts-wine fonts-noto-cjk fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xdotool x11-utils libxfixes3 imagemagick icoutils locales python3 zip
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  stale_lists=1
fi

install_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || [ -v stale_lists ] || return 0
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  unset stale_lists
  [ ${#missing[@]} -eq 0 ] || apt-get install -y -q --no-install-recommends "${missing[@]}"
}
install_packages "${packages[@]}"

# Wine needs the Japanese glibc locale to pass non-ASCII names and command lines.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen
fi

# Where the kernel runs no 32-bit code, 32-bit x86 programs (the 32-bit Wine loader, and so the
# 32-bit Velamo.exe) are handed to the emulator. A registration already there is left alone.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  install_packages qemu-user-static
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e $binfmt/register ] || mount -t binfmt_misc binfmt_misc $binfmt
  [ -e $binfmt/qemu-i386 ] ||
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      >$binfmt/register
fi
