#!/usr/bin/env bash
# The signed files the Windows tests download, made from one small program (PAYLOAD):
#   running.exe          signed by the test publisher: stands for the running Porvan.exe
#   same-publisher.exe   signed by a renewed certificate of that publisher (same subject, new key)
#   unsigned.exe         no signature
#   other-publisher.exe  signed by a certificate whose subject differs only in the organisation
#   altered.exe          same-publisher.exe with one byte of its code changed after signing
# make_test_installers.sh PAYLOAD OUTDIR
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
payload=$1
out=$2
mkdir -p "$out"
certs=$out/certificates
"$here/make_certificate.sh" "/CN=Porvan Test Publisher/O=Porvan Test/C=KR" "$certs/publisher.pfx"
"$here/make_certificate.sh" "/CN=Porvan Test Publisher/O=Porvan Test/C=KR" "$certs/renewed.pfx"
"$here/make_certificate.sh" "/CN=Porvan Test Publisher/O=Someone Else/C=KR" "$certs/other.pfx"

sign() {
  rm -f "$3"
  osslsigncode sign -pkcs12 "$1" -pass "" -h sha256 -n "Porvan test" -in "$2" -out "$3" >/dev/null
}
sign "$certs/publisher.pfx" "$payload" "$out/running.exe"
sign "$certs/renewed.pfx" "$payload" "$out/same-publisher.exe"
sign "$certs/other.pfx" "$payload" "$out/other-publisher.exe"
cp -f "$payload" "$out/unsigned.exe"
cp -f "$out/same-publisher.exe" "$out/altered.exe"
# Offset 1100 lies in the first section, which the signature's digest covers.
printf '\xCC' | dd of="$out/altered.exe" bs=1 seek=1100 conv=notrunc status=none
