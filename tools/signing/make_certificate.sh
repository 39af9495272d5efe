#!/usr/bin/env bash
# Makes a self-made code-signing certificate and its key as a PKCS#12 file without a password,
# for development and tests only: make_certificate.sh SUBJECT OUT.pfx (SUBJECT as "/CN=.../O=...").
set -euo pipefail
subject=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 3650 -subj "$subject" \
  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
mkdir -p "$(dirname "$out")"
openssl pkcs12 -export -passout pass: -inkey "$work/key.pem" -in "$work/cert.pem" -out "$out"
