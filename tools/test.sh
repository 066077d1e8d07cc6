#!/usr/bin/env bash
# Builds everything and runs every test: formatting, the host unit tests (with sanitizers), the
# Windows-side tests and the end-to-end tests of Velamo.exe under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" = 0 ]; then
  bash tools/setup-debian.sh
fi

cmake --preset host -DBUILD_TESTING=ON
cmake --build --preset host
ctest --preset host

cmake --preset mingw -DBUILD_TESTING=ON
cmake --build --preset mingw
ctest --preset mingw
