#!/usr/bin/env bash
# Stops the test server that start-server.sh started for this state folder, and only that process.
# Usage: stop-server.sh <state-folder>
set -euo pipefail
state="$1"
rm -f "$state/port"
[ -f "$state/pid" ] || exit 0
pid="$(cat "$state/pid")"
rm -f "$state/pid"
# A recycled process id must not make us stop someone else's process.
if [ -r "/proc/$pid/cmdline" ] && tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q "server.js"; then
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || exit 0
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
fi
exit 0
