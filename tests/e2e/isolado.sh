#!/bin/sh
# Runs a test in a private network namespace, where the game's fixed port 60070 is its own
# and no other test or program can take it, under an X display of its own.
#   isolado.sh PROGRAM [ARGS...]
set -e
if [ "${1:-}" != --dentro ]; then
  exec unshare -rn "$0" --dentro "$@"
fi
shift
ip link set lo up
exec "$(dirname "$0")/../ecra.sh" 1024x768x24 "$@"
