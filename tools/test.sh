#!/usr/bin/env bash
# Builds everything and runs every test: formatting, the host unit tests (with sanitizers), the
# Windows-side and end-to-end tests of Velamo.exe under Wine on a virtual display, then one
# smoke run of the benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" = 0 ]; then
  bash tools/setup-debian.sh
fi

cmake --preset host -DBUILD_TESTING=ON
cmake --build --preset host
ctest --preset host

# The 32-bit Velamo.exe and checks of the file itself.
cmake --preset mingw -DBUILD_TESTING=ON
cmake --build --preset mingw
ctest --preset mingw

# The Windows-side and end-to-end tests, under the Wine this machine can run.
wine=$(tools/desktop.sh arch)
cmake --preset "$wine" -DBUILD_TESTING=ON
cmake --build --preset "$wine"
ctest --preset "$wine"

# The benchmark once, to show it still runs; its numbers fail nothing.
bash tools/bench.sh --smoke
