#!/bin/sh
# Runs a Linux-side command (a Python e2e test) with the environment of the test desktop:
#   with-env.sh WINE_HOME COMMAND [ARGS...]
set -e
home=$1
shift
if [ ! -f "$home/env" ]; then
  echo "with-env.sh: $home/env missing: run tests/wine/desktop.sh start $home first" >&2
  exit 125
fi
# shellcheck source=/dev/null
. "$home/env"
exec "$@"
