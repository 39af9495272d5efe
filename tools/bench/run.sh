#!/usr/bin/env bash
# Builds the open-request benchmark against a native Release build of its own (build/bench) and
# runs it: it prints the median round trip through TRemoteServerCon and over a raw socket, and
# their ratio.
set -euo pipefail
ROOT=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
BUILD=$ROOT/build/bench
OUT=$BUILD

# GCC 12 reports false -Wrestrict overflows in inlined std::string code at -O3; they are kept
# as warnings here so that they cannot stop a measurement.
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS=-Wno-error=restrict >/dev/null
fi
cmake --build "$BUILD" --target porvan_test_support -- -j2 | { grep -v '^\[[0-9]*/[0-9]*\]' || true; }

g++ -std=c++20 -O2 -DNDEBUG -I"$ROOT/src" -I"$ROOT/tests" -I"$BUILD/generated" \
  "$ROOT/tools/bench/bench_open_request.cpp" \
  -Wl,--start-group "$BUILD"/libporvan_*.a -Wl,--end-group \
  $(pkg-config --libs libcurl 2>/dev/null || true) -pthread -o "$OUT/bench_open_request"
"$OUT/bench_open_request" "${BENCH_ROUNDS:-1000}"
