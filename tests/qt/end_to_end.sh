#!/usr/bin/env bash
# The Linux client end to end on the current X display (Xvfb with openbox and trayer, as ./dev
# runs it) against the loopback development server: a shortcut's start opens FTP access and
# starts a stand-in client, `porvan --quit` closes it and the instance exits 0, and a launcher
# written by the settings dialog's code takes the same road; SIGTERM closes access as well.
# Usage: end_to_end.sh <build/qt> <repository root>. Prints PASS/FAIL per step and a count.
set -uo pipefail
BUILD=$1
ROOT=$2
PORVAN=$BUILD/stage/bin/porvan
WORK=$(mktemp -d /tmp/porvan-e2e-XXXXXX)
PASSED=0
FAILED=0
SERVER=""

check() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS: $name"
    PASSED=$((PASSED + 1))
  else
    echo "FAIL: $name"
    FAILED=$((FAILED + 1))
  fi
}

cleanup() {
  [ -n "$SERVER" ] && kill "$SERVER" 2>/dev/null
  [ -n "${APP:-}" ] && kill "$APP" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# Waits until the server log holds at least $2 lines with $1.
wait_for() {
  for _ in $(seq 100); do
    [ "$(grep -c -- "$1" "$WORK/server.log")" -ge "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits until the stand-in client has been started $1 times without arguments: it starts after
# the open reply, a moment after the server logged the request.
client_started() {
  for _ in $(seq 100); do
    [ "$(grep -c '^started 0$' "$WORK/client.log" 2>/dev/null)" -ge "$1" ] && break
    sleep 0.1
  done
  [ "$(grep -c '^started' "$WORK/client.log" 2>/dev/null)" -eq "$1" ] &&
    [ "$(grep -c '^started 0$' "$WORK/client.log")" -eq "$1" ]
}

# Waits until the process $1 has ended and checks that its exit status was $2.
ended_with() {
  local status
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  wait "$1"
  status=$?
  [ "$status" -eq "$2" ]
}

# The modes the server saw, in order, joined by blanks.
modes() {
  sed -nE 's/.* mode=([a-z_]+).*/\1/p' "$WORK/server.log" | tr '\n' ' '
}

python3 -u "$ROOT/tools/devserver/devserver.py" --port 0 --domain demo.example \
  --version 1.5.0.0 >"$WORK/server.log" 2>&1 &
SERVER=$!
URL=""
for _ in $(seq 50); do
  URL=$(grep -Eo 'http://127\.0\.0\.1:[0-9]+/[^ ]*' "$WORK/server.log" | head -n1)
  [ -n "$URL" ] && break
  sleep 0.1
done
[ -n "$URL" ] || { echo "FAIL: the development server did not start"; exit 1; }

export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_DESKTOP_DIR=$WORK/home/Desktop
mkdir -p "$XDG_CONFIG_HOME/porvan" "$XDG_DESKTOP_DIR"
# The stand-in client writes one line for each start, with its argument count.
cat >"$WORK/client.sh" <<SCRIPT
#!/bin/sh
echo "started \$#" >>"$WORK/client.log"
SCRIPT
chmod +x "$WORK/client.sh"
printf '[config]\r\nFTPPath=%s\r\nSSHPath=%s\r\nServerURL=%s\r\n' "$WORK/client.sh" \
  "$WORK/client.sh" "$URL" >"$XDG_CONFIG_HOME/porvan/Porvan.ini"

# One start as a shortcut makes it, one quit; $1 names the road.
run_road() {
  local road=$1
  shift
  "$@" >"$WORK/app.log" 2>&1 &
  APP=$!
  check "$road: the open request arrives" wait_for "mode=open_request protocol=FTP query=demo.example" "$opens"
  check "$road: the stand-in client started without arguments" client_started "$opens"
  check "$road: porvan --quit is delivered" "$PORVAN" --quit
  check "$road: the instance exits 0" ended_with "$APP" 0
  APP=""
  check "$road: the close request follows" wait_for "mode=close_request protocol=FTP query=demo.example" "$opens"
}

opens=1
run_road "shortcut arguments" "$PORVAN" demo.example FTP true
check "requests in order: client IP, version, open, close" \
  test "$(modes)" = "get_client_ip check_version open_request close_request "

opens=2
check "the settings dialog's code writes the launcher" \
  "$BUILD/porvan_write_shortcut" "$PORVAN" demo.example FTP true
LAUNCHER="$XDG_DESKTOP_DIR/Porvan - demo.example.desktop"
check "the launcher is executable" test -x "$LAUNCHER"
# The desktop runs the Exec line: its words, unquoted as desktop entries quote them.
EXEC=$(sed -n 's/^Exec=//p' "$LAUNCHER")
run_road "the desktop launcher" sh -c "exec $EXEC"

# The end of the session: SIGTERM closes the open access before the process ends.
opens=3
"$PORVAN" demo.example FTP true >"$WORK/app.log" 2>&1 &
APP=$!
check "SIGTERM: the open request arrives" wait_for "mode=open_request protocol=FTP query=demo.example" 3
kill -TERM "$APP"
check "SIGTERM: the instance exits 0" ended_with "$APP" 0
APP=""
check "SIGTERM: the close request is sent first" wait_for "mode=close_request protocol=FTP query=demo.example" 3

echo "end-to-end: $PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
