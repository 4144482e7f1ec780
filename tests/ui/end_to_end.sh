#!/usr/bin/env bash
# Starts the built program in a private X server, checks that its window
# opens under its title, presses Esc and expects exit status 0.
set -euo pipefail

program="$1"
title="Quendal1.0-By:Qorv kelm31"

exec 3>&1
display_file="$(mktemp)"
Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>"$display_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 50); do
    [[ -s "$display_file" ]] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$display_file")"
unset QT_QPA_PLATFORM

"$program" &
app=$!
window=""
for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)"
    [[ -n "$window" ]] && break
    sleep 0.1
done
if [[ -z "$window" ]]; then
    echo "no window titled '$title' appeared"
    kill "$app" 2>/dev/null || true
    exit 1
fi
echo "window $window: $(xdotool getwindowname "$window")"
sleep 0.5
xdotool windowfocus --sync "$window" key Escape
status=0
for _ in $(seq 50); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
    echo "program still running after Esc"
    kill "$app"
    exit 1
fi
wait "$app" || status=$?
echo "exit status $status"
[[ "$status" == 0 ]]
