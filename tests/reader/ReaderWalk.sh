#!/usr/bin/env bash
# Reads the course as a screen reader does, over the desktop's accessibility
# bus: starts the program on its own X server (Xvfb) and its own D-Bus
# session with the accessibility bus, and lets ReaderWalk.py walk every page.
# Nothing outlives the run: the session runs in a process group of its own
# that is ended afterwards, and a time limit ends a run that hangs.
# Exits 77 (skipped) when a tool is missing.
# Usage: ReaderWalk.sh VELOTRA_EXECUTABLE [SECONDS]
set -u
exe=$(readlink -f "$1")
limit=${2:-240}
here=$(dirname "$(readlink -f "$0")")
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb dbus-run-session setsid timeout "$launcher" "$python"; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
"$python" -c 'import pyatspi' >/dev/null 2>&1 || { echo "skipped: python3-pyatspi is missing"; exit 77; }

work=$(mktemp -d)
xserver=
session=
cleanup() {
  [ -n "$session" ] && kill -KILL -- "-$session" 2>/dev/null
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null && wait "$xserver" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The X server takes a free display and writes its number.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 &
xserver=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xserver" 2>/dev/null || { echo "the X server did not start"; exit 1; }
  sleep 0.1
done
[ -s "$work/display" ] || { echo "the X server did not start"; exit 1; }

export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export READER_EXE=$exe READER_LAUNCHER=$launcher READER_PYTHON=$python READER_SCRIPT=$here/ReaderWalk.py
mkdir -p "$work/data"
# setsid makes the run the leader of a new process group (its pid is the
# group's id), so that the daemons it starts end with it; timeout ends the
# whole group when the time is up. Their output goes to a file: a daemon
# left behind holds no pipe of the caller.
setsid timeout -k 5 "$limit" dbus-run-session -- bash -c '
  "$READER_LAUNCHER" --launch-immediately >/dev/null 2>&1 & bus=$!
  cd "$1" && VELOTRA_DATA="$1" "$READER_EXE" >/dev/null 2>&1 & app=$!
  "$READER_PYTHON" "$READER_SCRIPT"; rc=$?
  kill $app $bus 2>/dev/null; wait $app $bus 2>/dev/null; exit $rc' _ "$work/data" \
  </dev/null >"$work/log" 2>&1 &
session=$!
wait "$session"
rc=$?
grep -v '^dbus-daemon' "$work/log"
[ "$rc" -eq 124 ] && echo "ended after $limit seconds"
exit "$rc"
