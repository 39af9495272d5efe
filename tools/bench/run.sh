#!/usr/bin/env bash
# The measurements in one table, each row measured side by side in this run, goals beside them.
# ./dev bench builds the native Release preset (build/native), the Windows build (build/win32) and
# the Linux client's benchmark (build/qt) and runs this; BENCH_NATIVE_BUILD, BENCH_WIN_BUILD and
# BENCH_QT_BUILD point it at other build folders. The Wine rows run in WINEPREFIX (the project's
# prefix unless set), the start-up and idle rows on an X display of their own (Xvfb).
set -euo pipefail
HERE=$(dirname "$(readlink -f "$0")")
ROOT=$(cd "$HERE/../.." && pwd)
NATIVE_BUILD=${BENCH_NATIVE_BUILD:-$ROOT/build/native}
export WIN_BUILD=${BENCH_WIN_BUILD:-$ROOT/build/win32}
export QT_BUILD=${BENCH_QT_BUILD:-$ROOT/build/qt}
export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

for file in "$NATIVE_BUILD/libporvan_test_support.a" "$WIN_BUILD/Porvan.exe" \
  "$WIN_BUILD/PorvanSetup.exe" "$WIN_BUILD/porvan_measure.exe" "$WIN_BUILD/porvan_control.exe" \
  "$WIN_BUILD/minimal_window.exe" "$WIN_BUILD/bench_wait.exe" "$QT_BUILD/porvan_bench_wait"; do
  [ -f "$file" ] || { echo "$file is missing: ./dev bench builds it" >&2; exit 1; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The two native benchmark programs, on the libraries of the Release build.
read -ra CURL_LIBS <<<"$(pkg-config --libs libcurl openssl)"
bench_program() {
  local name=$1
  shift
  g++ -std=c++20 -O2 -DNDEBUG -Wall -Wextra -Wpedantic -Werror -I"$ROOT/src" -I"$ROOT/tests" \
    -I"$NATIVE_BUILD/generated" "$HERE/$name.cpp" "$@" "${CURL_LIBS[@]}" -pthread -o "$WORK/$name"
}
bench_program bench_open_request \
  -Wl,--start-group "$NATIVE_BUILD"/libporvan_*.a -Wl,--end-group
bench_program bench_download "$NATIVE_BUILD/libporvan_platform.a"
bench_program bench_https "$NATIVE_BUILD/libporvan_platform.a"

# The loopback TLS servers with a test CA made for this run; their ports in ports.json.
python3 "$ROOT/tools/tlsserver/tls_server.py" --dir "$WORK/tls" --ports-file "$WORK/tls/ports.json" \
  2>"$WORK/tls-servers.log" >/dev/null &
TLS_PID=$!
trap 'kill "$TLS_PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
for _ in $(seq 100); do
  [ -f "$WORK/tls/ports.json" ] && break
  sleep 0.1
done
tls_port() { sed -nE "s/.*\"$1\": ([0-9]+).*/\1/p" "$WORK/tls/ports.json"; }

{
  echo "form-post round trip ..." >&2
  "$WORK/bench_open_request" "${BENCH_ROUNDS:-1000}"
  echo "the programs' waits ..." >&2
  "$HERE/waits.sh"
  echo "https round trip ..." >&2
  "$WORK/bench_https" "${BENCH_HTTPS_ROUNDS:-200}" "$WORK/tls/ca.pem" "$(tls_port http)" \
    "$(tls_port good)"
  echo "download ..." >&2
  "$HERE/download.sh" "$WORK/bench_download"
  echo "start-up and idle under Wine (about $((${BENCH_IDLE_SECONDS:-60} + 120)) s) ..." >&2
  xvfb-run -a -s "-screen 0 1024x768x24" "$HERE/wine.sh"
  echo "porvan_exe_bytes $(stat -c %s "$WIN_BUILD/Porvan.exe")"
  echo "setup_exe_bytes $(stat -c %s "$WIN_BUILD/PorvanSetup.exe")"
  echo "measured $(date +%F) on $(nproc) cores, $(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -n1)"
  echo "Wine $(wine --version 2>/dev/null)"
  echo "Windows_compiler mingw-w64 g++ $(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix) (posix threads, MinSizeRel, static)"
  echo "native_compiler $(g++ --version | head -n1) (Release)"
  echo "curl $(curl --version | head -n1 | cut -d' ' -f2)"
  echo "OpenSSL $(openssl version | cut -d' ' -f2)"
} >"$WORK/measurements"
python3 "$HERE/table.py" <"$WORK/measurements"
