#!/usr/bin/env bash
# Runs the real rowsmith binary in an X server: its window must appear with a 640 x 480 client
# area, and closing it the way a window manager does must end the process with status 0.
# Usage: window_smoke.sh ROWSMITH_BINARY SCREENSHOT_PNG   (run under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
screenshot=$2

start_rowsmith "$1"
size=$(xwininfo -id "$rowsmith_window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "640x480" ] || fail "client area is $size, expected 640x480"
import -window "$rowsmith_window" "$screenshot"
[ -s "$screenshot" ] || fail "no screenshot taken"
close_rowsmith
echo "window smoke test passed: 640x480 window, closed with status 0"
