#!/usr/bin/env bash
# Makes two independent self-signed certificates for 127.0.0.1 in DIR, for
# tests that talk HTTPS to a local server:
#   trusted.pem / trusted.key      the one the tests trust (given as the CA)
#   untrusted.pem / untrusted.key  one nobody trusts, for failure tests
# Each is its own CA (basicConstraints CA:TRUE) with CN 127.0.0.1 and
# subjectAltName IP:127.0.0.1, valid for a few days, on a prime256v1 EC key.
set -euo pipefail
dir=${1:?usage: make-test-certs.sh DIR}
mkdir -p "$dir"
for name in trusted untrusted; do
  openssl req -x509 -new -nodes -sha256 -days 3 \
    -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 \
    -keyout "$dir/$name.key" -out "$dir/$name.pem" \
    -subj "/CN=127.0.0.1/O=Tessaly tests ($name)" \
    -addext "subjectAltName=IP:127.0.0.1" \
    -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,digitalSignature,keyCertSign" \
    -addext "extendedKeyUsage=serverAuth" \
    2>/dev/null
  chmod 600 "$dir/$name.key"
done
