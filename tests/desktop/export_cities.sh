#!/usr/bin/env bash
# Drives a rowsmith binary in an X server as a user would: makes the first column a "City"
# column, exports the default 100 rows as SQL to OUTPUT and closes the window. Shows that the
# binary finds the word lists beside itself. Usage (under xvfb-run): export_cities.sh BINARY OUTPUT
set -euo pipefail
binary=$1
output=$2
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to 10 s for a window whose title starts with $1; prints its id.
wait_for_window() {
    for _ in $(seq 100); do
        xdotool search --name "^$1" 2>/dev/null | head -n 1 && return 0
        sleep 0.1
    done
    return 1
}

QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= "$binary" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(wait_for_window 'Rowsmith :: 2010') || fail "no main window"
sleep 0.5

# The first row's type list (window coordinates), two entries down: "City".
xdotool mousemove --window "$window" 190 63 click 1
sleep 0.3
xdotool key --delay 50 Down Down Return
sleep 0.3
# "Export (SQL)" on the toolbar; the save dialog opens with its file name selected.
xdotool mousemove --window "$window" 50 14 click 1
dialog=$(wait_for_window 'Export SQL as') || fail "no save dialog"
sleep 0.5
xdotool key --window "$dialog" ctrl+a
xdotool type --delay 20 "$output"
xdotool key Return
for _ in $(seq 100); do
    [ -s "$output" ] && break
    sleep 0.1
done
[ -s "$output" ] || fail "nothing exported to $output"

python3 "$here/close_window.py" "$window"
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
trap - EXIT
wait "$pid" || fail "the program ended with an error"
