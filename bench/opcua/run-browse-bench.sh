#!/usr/bin/env bash
# The browse benchmark: starts browse-server.js with <variables> variables (announcing the operation limits given,
# 0 for none), times the independent client at each batch size of BATCHES (3 runs each, the best kept), then the
# browsing layer's browse (bench_opcua_browse, 3 runs, the best kept), and prints the ratio of the two bests.
# Usage: run-browse-bench.sh <build-folder> [variables] [maxNodesPerBrowse maxNodesPerRead] [bench arguments...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$1"
variables="${2:-100000}"
max_browse="${3:-0}"
max_read="${4:-0}"
shift $(($# < 4 ? $# : 4))
batches="${BATCHES:-100 250 500 1000 2000 5000}"

state="$(mktemp -d)"
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$state"
}
trap cleanup EXIT

port="$(node -e 'const s = require("net").createServer();
s.listen(0, "127.0.0.1", () => { console.log(s.address().port); s.close(); });')"
node "$here/browse-server.js" "$port" "$state" "$variables" "$max_browse" "$max_read" >"$state/server.log" 2>&1 &
server_pid=$!
for _ in $(seq 600); do
  grep -q "listening" "$state/server.log" && break
  kill -0 "$server_pid" 2>/dev/null || { cat "$state/server.log" >&2; exit 1; }
  sleep 0.5
done
url="opc.tcp://127.0.0.1:$port"
echo "server: $url, $variables variables, announced MaxNodesPerBrowse $max_browse, MaxNodesPerRead $max_read"

best_client=""
for b in $batches; do
  for _ in 1 2 3; do
    read -r ms found <<<"$(node "$here/independent-browse.js" "$url" "$b" "$b" 2>/dev/null | tail -n 1)"
    echo "independent client, $b nodes per Browse and per Read: $ms ms, $found variables"
    best_client="$(awk -v a="$ms" -v b="$best_client" 'BEGIN { print (b == "" || a < b) ? a : b }')"
  done
done

TARN_BENCH_OPCUA_URL="$url" "$build/bench/opcua/bench_opcua_browse" --benchmark_format=json "$@" >"$state/ours.json"
python3 - "$state/ours.json" "$best_client" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
best = float(sys.argv[2])
for r in runs:
    if r.get("aggregate_name") == "min":
        ours = r["real_time"]
        print(f"{r['run_name']}: {ours:.1f} ms, {int(r['variables'])} variables; independent client's best {best:.1f} ms;"
              f" ratio {ours / best:.2f}x")
PY
