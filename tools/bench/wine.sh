#!/usr/bin/env bash
# The Wine rows' measurements, on the X display run.sh gives it: the start-up of Porvan.exe to
# its main window against minimal_window.exe, alternately, and the CPU time Porvan.exe uses while
# it sits idle in the tray with access open. Porvan.exe's server is a development server on
# loopback, so no start-up waits on a name lookup. Prints "key value" lines for table.py.
set -euo pipefail
HERE=$(dirname "$(readlink -f "$0")")
ROOT=$(cd "$HERE/../.." && pwd)
WIN_BUILD=${WIN_BUILD:?the folder of the Windows build}
PAIRS=${BENCH_STARTUP_PAIRS:-30}
IDLE_SECONDS=${BENCH_IDLE_SECONDS:-60}

# shellcheck source=tools/bench/work_dir.sh
source "$HERE/work_dir.sh"
cp "$WIN_BUILD/Porvan.exe" "$WIN_BUILD/minimal_window.exe" "$WIN_BUILD/porvan_measure.exe" \
  "$WIN_BUILD/porvan_control.exe" "$WORK/"

# The version the server accepts is the build's, so no start-up shows the update alert.
version=$(sed -n 's/^set(PORVAN_FILE_VERSION "\(.*\)")$/\1/p' "$ROOT/cmake/version.cmake")
start_devserver --domain bench.example --version "$version"
# A program that starts and ends without a window stands in for the FTP and SSH clients.
printf '[config]\r\nFTPPath=C:\\windows\\system32\\rundll32.exe\r\nSSHPath=C:\\windows\\system32\\rundll32.exe\r\nServerURL=%s\r\n' \
  "$SERVER_URL" >"$WORK/Porvan.ini"
cd "$WORK"

# Milliseconds from process start to a visible window of the class.
startup() {
  local ms
  ms=$(wine porvan_measure.exe startup "$1" "$2" 1 | tr -d '\r') || true
  [ -n "$ms" ] || { echo "$1: no $2 window appeared" >&2; return 1; }
  echo "$ms"
}

# The first start of each warms Wine and the file cache up and is not counted. Then pairs, one
# start of each back to back, the other one first in every other pair: the machine's load moves
# both starts of a pair alike, so the ratio within a pair is what is compared.
startup Porvan.exe TfmMain >/dev/null
startup minimal_window.exe MinimalWindow >/dev/null
for pair in $(seq "$PAIRS"); do
  if [ $((pair % 2)) -eq 1 ]; then
    porvan=$(startup Porvan.exe TfmMain)
    minimal=$(startup minimal_window.exe MinimalWindow)
  else
    minimal=$(startup minimal_window.exe MinimalWindow)
    porvan=$(startup Porvan.exe TfmMain)
  fi
  echo "startup_porvan_ms $porvan"
  echo "startup_minimal_ms $minimal"
  echo "startup_ratio $(awk -v p="$porvan" -v m="$minimal" 'BEGIN { print p / m }')"
done

# CPU seconds (user and system) a Linux process has used so far, all its threads.
cpu_seconds() {
  awk -v tick="$(getconf CLK_TCK)" '{ print ($14 + $15) / tick }' "/proc/$1/stat"
}

# Waits up to 10 s for the server's log line of a successful request of that mode; the server
# writes it after the reply, so it may come a moment after the client has gone on.
server_logged() {
  for _ in $(seq 100); do
    grep -q "mode=$1 .*bench.example -> SUCCESS" "$WORK/devserver.log" && return 0
    sleep 0.1
  done
  cat "$WORK/devserver.log" >&2
  echo "the idle run made no $1" >&2
  return 1
}

# Started as a desktop shortcut starts it: access opened, then minimised into the tray; ended
# with WM_APP_QUIT, which closes the access again. The CPU time is read from the Linux process
# that Wine runs it in, since Wine's GetProcessTimes answers with the caller's own times.
wine Porvan.exe bench.example FTP true &
porvan_wine=$!
wine porvan_control.exe wait TfmMain >/dev/null
server_logged open_request
sleep 3  # the rest of the start-up work, the FTP program's start among it
porvan_pid=
for pid in $(pgrep -x Porvan.exe); do
  [ "$(readlink "/proc/$pid/cwd")" = "$WORK" ] && porvan_pid=$pid
done
[ -n "$porvan_pid" ] || { echo "the idle Porvan.exe is not running" >&2; exit 1; }
before=$(cpu_seconds "$porvan_pid")
# Its start-up alone takes CPU time: none at all would mean the wrong process or no reading.
awk -v s="$before" 'BEGIN { exit !(s > 0) }' ||
  { echo "no CPU time readable for Porvan.exe (process $porvan_pid)" >&2; exit 1; }
sleep "$IDLE_SECONDS"
after=$(cpu_seconds "$porvan_pid")
wine porvan_control.exe quit
wait "$porvan_wine"
server_logged close_request
echo "idle_seconds $IDLE_SECONDS"
echo "idle_cpu_s $(awk -v a="$after" -v b="$before" 'BEGIN { print a - b }')"
