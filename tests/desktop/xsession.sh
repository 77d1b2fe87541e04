# Helpers for driving the real rowsmith binary in an X server (sourced, not run): start it, wait
# for its windows, close it the way a window manager does. The caller sets `set -euo pipefail`.

xsession_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

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

# Starts the binary $1 with Qt's plain look on the X server; sets rowsmith_pid and
# rowsmith_window. The process is killed should the script end before close_rowsmith.
start_rowsmith() {
    QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= "$1" &
    rowsmith_pid=$!
    trap 'kill "$rowsmith_pid" 2>/dev/null || true' EXIT
    rowsmith_window=$(wait_for_window 'Rowsmith :: 2010') ||
        fail "no window titled 'Rowsmith :: 2010...' within 10 s"
}

# Closes the main window with WM_DELETE_WINDOW; the program must end within 5 s with status 0.
close_rowsmith() {
    python3 "$xsession_dir/close_window.py" "$rowsmith_window"
    for _ in $(seq 50); do
        kill -0 "$rowsmith_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$rowsmith_pid" 2>/dev/null && fail "the program still runs 5 s after its window was closed"
    trap - EXIT
    local status=0
    wait "$rowsmith_pid" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
