#!/usr/bin/env bash
# Starts the loopback OPC UA test server on a free port of 127.0.0.1 and, once it accepts connections, writes the
# port to <state>/port for the tests (and the server's process id to <state>/pid for stop-server.sh).
# Usage: [OPCUA_SERVER_PORT=<port>] start-server.sh <state-folder> [lifetime-seconds] [secure]
# OPCUA_SERVER_PORT asks for that port instead of a free one (the demo's); it must not be taken.
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

# The server trusts user certificates issued by a test CA made here: its certificate and (empty) revocation
# list among the trusted ones of the user PKI and of the application PKI (a certificate login's certificate is the
# client's application certificate as well), its key and certificate in <state>/user-ca for the tests to issue with.
ca="$state/user-ca"
pki="$state/user-pki/trusted"
rm -rf "$ca" "$state/user-pki" "$state/pki/trusted/certs/test-user-ca.der" "$state/pki/trusted/crl/test-user-ca.crl"
mkdir -p "$ca" "$pki/certs" "$pki/crl" "$state/pki/trusted/certs" "$state/pki/trusted/crl"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$ca/ca-key.pem" -out "$ca/ca.pem" -days 2 \
  -subj "/CN=Tarn test user CA" -addext "basicConstraints=critical,CA:TRUE" \
  -addext "keyUsage=critical,keyCertSign,cRLSign" 2>"$ca/openssl.log"
touch "$ca/index.txt"
echo 01 >"$ca/crlnumber"
printf '[ca]\ndefault_ca=test\n[test]\ndatabase=%s\ncrlnumber=%s\ndefault_md=sha256\ndefault_crl_days=2\n' \
  "$ca/index.txt" "$ca/crlnumber" >"$ca/ca.cnf"
openssl ca -gencrl -config "$ca/ca.cnf" -keyfile "$ca/ca-key.pem" -cert "$ca/ca.pem" -out "$ca/crl.pem" \
  2>>"$ca/openssl.log"
openssl x509 -in "$ca/ca.pem" -outform DER -out "$pki/certs/test-user-ca.der"
openssl crl -in "$ca/crl.pem" -outform DER -out "$pki/crl/test-user-ca.crl"
cp "$pki/certs/test-user-ca.der" "$state/pki/trusted/certs/"
cp "$pki/crl/test-user-ca.crl" "$state/pki/trusted/crl/"

port="${OPCUA_SERVER_PORT:-}"
if [ -z "$port" ]; then
  port="$(node -e 'const s = require("net").createServer();
s.listen(0, "127.0.0.1", () => { console.log(s.address().port); s.close(); });')"
elif (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
  # Whatever answers there would pass for this server below.
  echo "start-server: port $port of 127.0.0.1 is taken by another program" >&2
  exit 1
fi

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
