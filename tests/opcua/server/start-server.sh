#!/usr/bin/env bash
# Starts the loopback OPC UA test server on a free port of 127.0.0.1 and, once it accepts connections, writes the
# port to <state>/port for the tests (and the server's process id to <state>/pid for stop-server.sh).
# Usage: start-server.sh <state-folder> [lifetime-seconds] [secure]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
state="$1"
lifetime="${2:-1800}"
mode="${3:-}"
mkdir -p "$state"
bash "$here/stop-server.sh" "$state"

if [ ! -d "$here/node_modules/node-opcua" ]; then
  echo "start-server: $here/node_modules is missing; scripts/setup --tests installs it" >&2
  exit 1
fi

port="$(node -e 'const s = require("net").createServer();
s.listen(0, "127.0.0.1", () => { console.log(s.address().port); s.close(); });')"

# The server's output goes to a file: an inherited pipe would keep this test open until the server ends.
# The oldest policy encrypts with RSA PKCS#1 v1.5, which Node refuses to decrypt unless told otherwise.
flags=()
[ "$mode" = secure ] && flags=(--security-revert=CVE-2023-46809)
setsid node "${flags[@]}" "$here/server.js" "$port" "$state" "$lifetime" $mode >"$state/server.log" 2>&1 </dev/null &
pid=$!
echo "$pid" >"$state/pid"

for _ in $(seq 1 500); do
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    echo "$port" >"$state/port.tmp"
    mv "$state/port.tmp" "$state/port"
    echo "OPC UA test server (pid $pid) listens on 127.0.0.1:$port"
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "start-server: the server ended before it listened:" >&2
    cat "$state/server.log" >&2
    exit 1
  fi
  sleep 0.1
done
echo "start-server: the server did not listen within 50 s" >&2
kill "$pid" 2>/dev/null || true
exit 1
