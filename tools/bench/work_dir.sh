# Sourced by the measuring scripts: a scratch folder WORK and the SERVER_PID of a loopback
# server they may start, both gone when the script ends.
WORK=$(mktemp -d)
SERVER_PID=
cleanup() {
  if [ -n "$SERVER_PID" ]; then
    kill "$SERVER_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT
