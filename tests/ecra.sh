#!/bin/sh
# Runs a program under an X display of its own and exits with the program's status.
#   ecra.sh WIDTHxHEIGHTxDEPTH PROGRAM [ARGS...]
# The server picks a free display number itself, so two runs starting at the same moment
# never race for one. It never resets when its last client leaves: a program opening the
# display during such a reset is refused, and with tests starting and ending side by side
# that happens.
set -u
if [ $# -lt 2 ]; then
  echo "usage: ecra.sh WIDTHxHEIGHTxDEPTH PROGRAM [ARGS...]" >&2
  exit 2
fi
geometria=$1; shift

numero=$(mktemp) || exit 1
Xvfb -displayfd 3 -screen 0 "$geometria" -noreset -nolisten tcp 3>"$numero" 2>/dev/null &
servidor=$!
trap 'kill "$servidor" 2>/dev/null; rm -f "$numero"' EXIT
trap 'exit 130' INT TERM HUP

# The server writes its display number once it takes connections.
esperas=0
while [ ! -s "$numero" ]; do
  if ! kill -0 "$servidor" 2>/dev/null || [ $esperas -ge 300 ]; then
    echo "ecra.sh: Xvfb did not start" >&2
    exit 1
  fi
  sleep 0.1
  esperas=$((esperas + 1))
done
DISPLAY=:$(head -n1 "$numero")
export DISPLAY

"$@"
estado=$?
kill "$servidor" 2>/dev/null
wait "$servidor" 2>/dev/null
exit $estado
