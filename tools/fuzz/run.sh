#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build/fuzz and runs each one
# for FUZZ_SECONDS seconds (60 by default), then prints executions and findings per target.
# Names given as arguments (form_encoding, cookie_store ...) run only those targets.
set -euo pipefail
ROOT=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
OUT=$ROOT/build/fuzz
SECONDS_EACH=${FUZZ_SECONDS:-60}
CXX=${FUZZ_CXX:-clang++}
mkdir -p "$OUT"

FUZZ_SOURCES=(
  "$ROOT"/src/common/text_bytes.cpp "$ROOT"/src/server/reply_fields.cpp
  "$ROOT"/src/http/reply_reader.cpp "$ROOT"/src/http/reply_head.cpp
  "$ROOT"/src/http/reply_body.cpp "$ROOT"/src/http/reply.cpp
  "$ROOT"/src/http/url_parts.cpp "$ROOT"/src/http/request_head.cpp
  "$ROOT"/src/http/exchange_deadline.cpp "$ROOT"/src/http/form_encoding.cpp
  "$ROOT"/src/http/cookie_store.cpp "$ROOT"/src/http/cookie_date.cpp
  "$ROOT"/tests/support/fake_sockets.cpp
  "$ROOT"/src/common/decimal.cpp "$ROOT"/src/app/access_journal_format.cpp
)
FLAGS=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
  -I"$ROOT/src" -I"$ROOT/tests")

TARGETS=(split_reply_fields reply_reader url_parts form_encoding cookie_store)
[ $# -gt 0 ] && TARGETS=("$@")

summary=()
for target in "${TARGETS[@]}"; do
  echo "== building fuzz_$target"
  "$CXX" "${FLAGS[@]}" "$ROOT/tools/fuzz/fuzz_$target.cpp" "${FUZZ_SOURCES[@]}" \
    -o "$OUT/fuzz_$target"
  corpus=$OUT/corpus/$target
  findings=$OUT/findings/$target
  mkdir -p "$corpus" "$findings"
  echo "== running fuzz_$target for ${SECONDS_EACH}s"
  log=$OUT/fuzz_$target.log
  status=0
  "$OUT/fuzz_$target" -max_total_time="$SECONDS_EACH" -max_len=70000 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "$ROOT/tools/fuzz/seeds/$target" >"$log" 2>&1 ||
    status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  crashes=$(find "$findings" -type f | wc -l)
  summary+=("fuzz_$target: ${runs:-?} executions, $crashes findings, exit $status")
  if [ "$status" -ne 0 ]; then
    tail -40 "$log"
  fi
done

echo "== fuzz summary"
printf '%s\n' "${summary[@]}"
for line in "${summary[@]}"; do
  case $line in *", 0 findings, exit 0") ;; *) exit 1 ;; esac
done
