# Shared by the scripts that drive the real program under Xvfb: a private X
# server, the program started from its own folder, and its window found by
# title. Callers set a trap that calls stop_xsession.

XSESSION_XVFB_PID=
XSESSION_PROGRAM_PID=

xsession_fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

# start_xvfb DIR: starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
    local dir=$1
    : >"$dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    XSESSION_XVFB_PID=$!
    local tries
    for ((tries = 0; tries < 200; ++tries)); do
        # Xvfb writes the display number and a newline once it accepts clients.
        [ "$(wc -l <"$dir/display")" -ge 1 ] && break
        kill -0 "$XSESSION_XVFB_PID" 2>/dev/null \
            || xsession_fail "Xvfb ended before it was ready: $(cat "$dir/xvfb.log")"
        sleep 0.05
    done
    [ "$(wc -l <"$dir/display")" -ge 1 ] || xsession_fail "Xvfb gave no display number within 10 s"
    export DISPLAY=":$(head -n 1 "$dir/display")"
    mkdir -p -m 0700 "$dir/runtime"
    export XDG_RUNTIME_DIR="$dir/runtime"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
}

# start_program PROGRAM LOG: starts the program with its own folder as the
# working directory, where it finds its pictures.
start_program() {
    local program=$1 log=$2
    [ -x "$program" ] || xsession_fail "no program at $program"
    (cd "$(dirname "$program")" && exec "$program") >"$log" 2>&1 &
    XSESSION_PROGRAM_PID=$!
}

# find_window TITLE: prints the id of the one visible window with exactly that
# title; Qt's unmapped leader window of the same name is skipped.
find_window() {
    local title=$1 ids tries
    for ((tries = 0; tries < 400; ++tries)); do
        ids=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true)
        [ -n "$ids" ] && break
        kill -0 "$XSESSION_PROGRAM_PID" 2>/dev/null || xsession_fail "the program ended before its window showed"
        sleep 0.05
    done
    [ -n "$ids" ] || xsession_fail "no visible window titled '$title' within 20 s"
    [ "$(wc -l <<<"$ids")" -eq 1 ] || xsession_fail "more than one visible window titled '$title': $ids"
    printf '%s\n' "$ids"
}

# wait_for_exit SECONDS: waits for the program to end and sets PROGRAM_EXIT_CODE.
wait_for_exit() {
    local seconds=$1 tries
    for ((tries = 0; tries < seconds * 20; ++tries)); do
        kill -0 "$XSESSION_PROGRAM_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$XSESSION_PROGRAM_PID" 2>/dev/null && xsession_fail "the program still runs $seconds s after it was asked to close"
    PROGRAM_EXIT_CODE=0
    wait "$XSESSION_PROGRAM_PID" || PROGRAM_EXIT_CODE=$?
    XSESSION_PROGRAM_PID=
}

stop_xsession() {
    if [ -n "$XSESSION_PROGRAM_PID" ]; then
        kill "$XSESSION_PROGRAM_PID" 2>/dev/null || true
        wait "$XSESSION_PROGRAM_PID" 2>/dev/null || true
    fi
    if [ -n "$XSESSION_XVFB_PID" ]; then
        kill "$XSESSION_XVFB_PID" 2>/dev/null || true
        wait "$XSESSION_XVFB_PID" 2>/dev/null || true
    fi
    XSESSION_PROGRAM_PID= XSESSION_XVFB_PID=
}
