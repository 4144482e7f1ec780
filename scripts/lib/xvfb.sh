# Helpers for running the program in a private X server; source this file.

# Starts Xvfb on a free display (-noreset: a server that resets whenever its
# last client leaves can refuse the program's connection meanwhile), exports DISPLAY and stops the server when
# the calling script exits (a caller that sets its own EXIT trap stops
# QUENDAL_XVFB_PID itself).
start_private_xvfb() {
    local display_file
    display_file="$(mktemp)"
    Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$display_file" >/dev/null 2>&1 &
    QUENDAL_XVFB_PID=$!
    trap 'kill "$QUENDAL_XVFB_PID" 2>/dev/null || true' EXIT
    for _ in $(seq 100); do
        [[ -s "$display_file" ]] && break
        sleep 0.1
    done
    if [[ ! -s "$display_file" ]]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
    # The display number comes before the server takes clients on a busy
    # machine: wait until it answers.
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    unset QT_QPA_PLATFORM
    export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
}

# Prints the id of the visible window titled $1, waiting up to $2 tenths of
# a second (default 100); fails if none appears.
wait_for_window() {
    local title="$1" tries="${2:-100}" window=""
    for _ in $(seq "$tries"); do
        window="$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)"
        if [[ -n "$window" ]]; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Sends Esc to window $1 and waits up to $3 tenths of a second (default 50)
# for process $2 to end; returns its status.
close_with_escape() {
    local window="$1" pid="$2" tries="${3:-50}" status=0
    xdotool windowfocus --sync "$window" key Escape
    for _ in $(seq "$tries"); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program is still running after Esc" >&2
        kill "$pid"
    fi
    wait "$pid" || status=$?
    return "$status"
}
