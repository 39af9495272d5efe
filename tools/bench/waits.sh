#!/usr/bin/env bash
# The waits' rows: what each program's own wait adds to an open request, against the same request
# on the calling thread, to a loopback server in the measuring program that answers at once and
# to the development server; the Windows program's wait under Wine, the Linux client's on Qt's
# offscreen platform. Prints "key value" lines for table.py.
set -euo pipefail
HERE=$(dirname "$(readlink -f "$0")")
ROOT=$(cd "$HERE/../.." && pwd)
QT_BUILD=${QT_BUILD:?the folder of the Linux client build}
WIN_BUILD=${WIN_BUILD:?the folder of the Windows build}
ROUNDS=${BENCH_WAIT_ROUNDS:-2000}

# shellcheck source=tools/bench/work_dir.sh
source "$HERE/work_dir.sh"
start_devserver --domain bench.example
QT_QPA_PLATFORM=offscreen "$QT_BUILD/porvan_bench_wait" "$SERVER_URL" bench.example "$ROUNDS"
wine "$WIN_BUILD/bench_wait.exe" "$SERVER_URL" bench.example "$ROUNDS" | tr -d '\r'
