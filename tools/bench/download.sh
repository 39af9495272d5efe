#!/usr/bin/env bash
# The download benchmark (not a test): 200 MB from a loopback server, fetched by the download
# component (native Release build, libcurl transfer) and by curl in the same run. Prints both
# throughputs and their ratio; the goal is at least 0.9 of curl.
set -euo pipefail
ROOT=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
BUILD=$ROOT/build/bench-download
ROUNDS=${BENCH_ROUNDS:-3}
SIZE_MB=${BENCH_SIZE_MB:-200}

if [ ! -f "$BUILD/build.ninja" ]; then
  # GCC 12 reports false -Wrestrict overflows in inlined std::string code at -O3.
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPORVAN_TESTS=OFF \
    -DCMAKE_CXX_FLAGS=-Wno-error=restrict >/dev/null
fi
cmake --build "$BUILD" --target porvan_platform -- -j2 | { grep -v '^\[[0-9]*/[0-9]*\]' || true; }
g++ -std=c++20 -O2 -DNDEBUG -I"$ROOT/src" -I"$BUILD/generated" \
  "$ROOT/tools/bench/bench_download.cpp" "$BUILD/libporvan_platform.a" \
  $(pkg-config --libs libcurl) -pthread -o "$BUILD/bench_download"

WORK=$(mktemp -d)
SERVER_PID=
cleanup() {
  [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
head -c "$((SIZE_MB * 1024 * 1024))" /dev/urandom >"$WORK/setup.bin"
mkfifo "$WORK/port"
python3 "$ROOT/tools/bench/serve_file.py" "$WORK/setup.bin" >"$WORK/port" &
SERVER_PID=$!
read -r PORT <"$WORK/port"
URL=http://127.0.0.1:$PORT/setup.bin

# The best of a few rounds each, alternating, so both meet the same cache and machine load.
best_component=
best_curl=
for _ in $(seq "$ROUNDS"); do
  t=$("$BUILD/bench_download" "$URL" "$WORK/component")
  cmp -s "$WORK/setup.bin" "$WORK/component\\setup.bin" || { echo "component: wrong bytes" >&2; exit 1; }
  rm -f "$WORK/component\\setup.bin"
  best_component=$(python3 -c "print(min(float('$t'), float('${best_component:-inf}')))")
  t=$(curl -s -o "$WORK/curl.bin" -w '%{time_total}' "$URL")
  cmp -s "$WORK/setup.bin" "$WORK/curl.bin" || { echo "curl: wrong bytes" >&2; exit 1; }
  rm -f "$WORK/curl.bin"
  best_curl=$(python3 -c "print(min(float('$t'), float('${best_curl:-inf}')))")
done

python3 - "$SIZE_MB" "$best_component" "$best_curl" <<'PY'
import sys
size, component, curl = float(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3])
print(f"download component: {size / component:8.1f} MB/s ({component:.3f} s for {size:.0f} MB)")
print(f"curl:               {size / curl:8.1f} MB/s ({curl:.3f} s)")
ratio = curl / component
print(f"ratio: {ratio:.2f} of curl (goal: at least 0.9) -> {'met' if ratio >= 0.9 else 'NOT met'}")
PY
