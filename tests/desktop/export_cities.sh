#!/usr/bin/env bash
# Drives a rowsmith binary in an X server as a user would: makes the first column a "City"
# column, exports the default 100 rows as SQL to OUTPUT and closes the window. Shows that the
# binary finds the word lists beside itself. Usage (under xvfb-run): export_cities.sh BINARY OUTPUT
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
output=$2

start_rowsmith "$1"
sleep 0.5
# The first row's type list (window coordinates), two entries down: "City".
xdotool mousemove --window "$rowsmith_window" 190 63 click 1
sleep 0.3
xdotool key --delay 50 Down Down Return
sleep 0.3
# "Export (SQL)" on the toolbar; the save dialog opens with its file name selected.
xdotool mousemove --window "$rowsmith_window" 50 14 click 1
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
close_rowsmith
