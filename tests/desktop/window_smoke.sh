#!/usr/bin/env bash
# Runs the real rowsmith binary in an X server: its window must appear with a 640 x 480 client
# area, and closing it the way a window manager does must end the process with status 0.
# Usage: window_smoke.sh ROWSMITH_BINARY SCREENSHOT_PNG   (run under xvfb-run)
set -euo pipefail
binary=$1
screenshot=$2
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

QT_QPA_PLATFORM=xcb "$binary" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
    window=$(xdotool search --name '^Rowsmith :: 2010' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled 'Rowsmith :: 2010...' within 10 s"

size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "640x480" ] || fail "client area is $size, expected 640x480"

import -window "$window" "$screenshot"
[ -s "$screenshot" ] || fail "no screenshot taken"

python3 "$here/close_window.py" "$window"
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program still runs 5 s after its window was closed"
trap - EXIT
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "window smoke test passed: 640x480 window, closed with status 0"
