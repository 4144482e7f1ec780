#!/usr/bin/env bash
# Starts the built program in a private X server, checks that its window
# opens under its title, presses Esc and expects exit status 0.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"
program="$1"
title="Quendal1.0-By:Qorv kelm31"

start_private_xvfb
"$program" &
app=$!
if ! window="$(wait_for_window "$title")"; then
    echo "no window titled '$title' appeared"
    kill "$app" 2>/dev/null || true
    exit 1
fi
echo "window $window: $(xdotool getwindowname "$window")"
sleep 0.5
status=0
close_with_escape "$window" "$app" || status=$?
echo "exit status $status"
[[ "$status" == 0 ]]
