# shellcheck shell=bash
# Sourced by the measuring scripts: a scratch folder WORK and the SERVER_PID of the loopback
# development server they may start, both gone when the script ends.
WORK=$(mktemp -d)
SERVER_PID=
cleanup() {
  if [ -n "$SERVER_PID" ]; then
    kill "$SERVER_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT

# Starts the development server on loopback with the arguments given and sets SERVER_URL to the
# URL its first line names.
start_devserver() {
  python3 -u "$ROOT/tools/devserver/devserver.py" --port 0 "$@" >"$WORK/devserver.log" 2>&1 &
  SERVER_PID=$!
  SERVER_URL=
  for _ in $(seq 50); do
    SERVER_URL=$(grep -Eo 'http://127\.0\.0\.1:[0-9]+/[^ ]*' "$WORK/devserver.log" | head -n1 || true)
    [ -n "$SERVER_URL" ] && return 0
    sleep 0.1
  done
  cat "$WORK/devserver.log" >&2
  echo "the development server did not start" >&2
  return 1
}
