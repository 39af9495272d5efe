#!/usr/bin/env bash
# The download row's measurements: one file from a loopback server, fetched by the download
# component (bench_download, its path the first argument) and by curl, alternately, so both meet
# the same cache and machine load. Prints "key value" lines for table.py, one per fetch.
set -euo pipefail
HERE=$(dirname "$(readlink -f "$0")")
PROGRAM=$1
ROUNDS=${BENCH_DOWNLOAD_ROUNDS:-5}
SIZE_MB=${BENCH_SIZE_MB:-200}

# shellcheck source=tools/bench/work_dir.sh
source "$HERE/work_dir.sh"
head -c "$((SIZE_MB * 1024 * 1024))" /dev/urandom >"$WORK/setup.exe"
mkdir "$WORK/component"
mkfifo "$WORK/port"
python3 "$HERE/serve_file.py" "$WORK/setup.exe" >"$WORK/port" &
SERVER_PID=$!
read -r PORT <"$WORK/port"
URL=http://127.0.0.1:$PORT/setup.exe

# Prints the seconds one fetch by $1 took, after checking the bytes it saved.
fetch() {
  local who=$1 t got
  if [ "$who" = component ]; then
    t=$("$PROGRAM" "$URL" "$WORK/component")
    got="$WORK/component/setup.exe"
  else
    t=$(curl -s -o "$WORK/curl.bin" -w '%{time_total}' "$URL")
    got=$WORK/curl.bin
  fi
  cmp -s "$WORK/setup.exe" "$got" || { echo "$who: wrong bytes" >&2; return 1; }
  rm -f "$got"
  echo "$t"
}

echo "download_mb $SIZE_MB"
for round in $(seq "$ROUNDS"); do
  order=(component curl)
  if [ $((round % 2)) -eq 0 ]; then
    order=(curl component)  # each round the other one goes first
  fi
  for who in "${order[@]}"; do
    t=$(fetch "$who")
    echo "download_${who}_s $t"
  done
done
