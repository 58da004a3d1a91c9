#!/usr/bin/env bash
# Installs the npm packages of the loopback OPC UA test server (tests/opcua/server), exactly as its lock file pins
# them. Idempotent: runs `npm ci` only when node_modules is missing or older than the lock file.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
server="$root/tests/opcua/server"

if [ -d "$server/node_modules" ] && [ ! "$server/package-lock.json" -nt "$server/node_modules" ]; then
  exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
  echo "opcua-test-server: npm is missing (scripts/setup --tests installs nodejs and npm)" >&2
  exit 1
fi
echo "opcua-test-server: installing the OPC UA test server's npm packages"
(cd "$server" && npm ci --no-audit --no-fund --loglevel=error)
touch "$server/node_modules"
