#!/usr/bin/env bash
# Fails when a C++ source is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -v '^build/' |
  xargs -r clang-format --dry-run --Werror
