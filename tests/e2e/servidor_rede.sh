#!/usr/bin/env bash
# The rules server as a player starts it, checked from outside with no window: it listens on
# 127.0.0.1:60070 and nowhere else, answers a second client at once while a first is stuck
# half-way through a request, and a second copy on the same port ends with a clear message
# and status 1, leaving the first one serving. Runs in a private network namespace, so the
# port is its own.
#   servidor_rede.sh SERVER_SOURCE
set -u
if [ "${1:-}" != --dentro ]; then
  exec unshare -rn "$0" --dentro "$@"
fi
fonte=$2
ip link set lo up

tmp=$(mktemp -d)
servidor=""
cleanup() {
  if [ -n "$servidor" ]; then
    kill "$servidor" 2>/dev/null
    wait "$servidor" 2>/dev/null
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT
falhas=0
falha() { echo "FAIL: $*" >&2; falhas=$((falhas + 1)); }

swipl "$fonte" >"$tmp/saida" 2>&1 &
servidor=$!
for _ in $(seq 150); do
  grep -q 'listening on 127\.0\.0\.1:60070' "$tmp/saida" && break
  sleep 0.1
done
if ! grep -q 'listening on 127\.0\.0\.1:60070' "$tmp/saida"; then
  echo "FAIL: the server did not start:" >&2
  cat "$tmp/saida" >&2
  exit 1
fi

escutas=$(ss -ltnH 'sport = :60070' | awk '{print $4}')
[ "$escutas" = "127.0.0.1:60070" ] || falha "listening sockets on port 60070: '$escutas'"

inicial='[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]'
depois='[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,1,0,1,1,1]]'

# One reply from descriptor $1, up to its ".", without the line break left by the last one.
resposta() {
  local r=""
  IFS= read -r -t "$2" -d . r <&"$1" || return 1
  printf '%s' "$r" | tr -d '\r\n'
}

exec 3<>/dev/tcp/127.0.0.1/60070
printf 'verificaTerminacao(1,0,' >&3
sleep 0.3
exec 4<>/dev/tcp/127.0.0.1/60070
printf 'validaJogada(4,7,3,7,%s,1).\n' "$inicial" >&4
r=$(resposta 4 3) || r="(none within 3 s)"
[ "$r" = "$depois" ] || falha "second client, while the first is mid-request: $r"
printf '%s).\n' "$inicial" >&3
r=$(resposta 3 5) || r="(none)"
[ "$r" = "1" ] || falha "first client, its request finished: $r"

estado=0
timeout 30 swipl "$fonte" >"$tmp/segundo" 2>&1 || estado=$?
[ "$estado" -eq 1 ] || falha "a second server on the taken port ended with status $estado"
grep -q 'port 60070 on 127\.0\.0\.1 is already in use' "$tmp/segundo" ||
  falha "no clear message from the second server: $(cat "$tmp/segundo")"

printf 'verificaTerminacao(1,0,%s).\n' "$inicial" >&4
r=$(resposta 4 5) || r="(none)"
[ "$r" = "1" ] || falha "the first server stopped serving after the second tried: $r"
exec 3>&- 4>&-

[ "$falhas" -eq 0 ] && echo "rules server checks passed"
exit $((falhas > 0))
