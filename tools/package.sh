#!/usr/bin/env bash
# Makes the release a Windows user takes, from the mingw preset's Velamo.exe (built first where
# it is missing or stale): DIST/Velamo-VERSION.zip, one folder Velamo-VERSION/ with Velamo.exe,
# readme.txt and LICENSE, and DIST/SHA256SUMS for the zip and the exe. DIST is build/dist unless
# given. The zip is the same bytes from every run on every machine with Debian 12's zip: every
# entry dated with the last commit, in a fixed order, with fixed modes and no extra attributes.
#   tools/package.sh [DIST]
set -euo pipefail
dist=$(realpath -m "${1:-$(dirname "$0")/../build/dist}")
cd "$(dirname "$0")/.."

[ -f build/mingw/build.ninja ] || cmake --preset mingw
cmake --build --preset mingw --target Velamo
version=$(sed -nE 's/^#define VELAMO_VERSION_TEXT "(.+)"$/\1/p' build/mingw/generated/version.h)
name=Velamo-$version
date=$(git log -1 --format=%ct)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp build/mingw/Velamo.exe "$stage/$name/"
# What Notepad opens without mojibake on every Windows: UTF-8 with a byte-order mark, CRLF.
crlf() { sed 's/\r$//; s/$/\r/' "$1"; }
{ printf '\xef\xbb\xbf' && crlf resources/readme.txt; } >"$stage/$name/readme.txt"
crlf LICENSE >"$stage/$name/LICENSE"
chmod 755 "$stage/$name" && chmod 644 "$stage/$name"/*
# zip keeps local DOS times.
export TZ=UTC
touch -d "@$date" "$stage/$name" "$stage/$name"/*

mkdir -p "$dist"
rm -f "$dist/$name.zip"
(cd "$stage" && zip -q -X -9 "$dist/$name.zip" "$name/" "$name/Velamo.exe" "$name/readme.txt" \
  "$name/LICENSE")
# The exe named as it lies unpacked beside the zip, so that sha256sum -c checks both there.
{ (cd "$dist" && sha256sum "$name.zip") && (cd "$stage" && sha256sum "$name/Velamo.exe"); } \
  >"$dist/SHA256SUMS"
echo "$dist/$name.zip"
