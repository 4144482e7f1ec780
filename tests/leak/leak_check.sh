#!/usr/bin/env bash
# Starts the program under valgrind in a private X server, lets the banner
# move for a few seconds, closes it with Esc and fails on any definite leak
# outside the system libraries' one-time allocations, or on a non-zero exit.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/lib/xvfb.sh"
program="$1"
log_dir="$(mktemp -d)"

start_private_xvfb
trap 'kill "$QUENDAL_XVFB_PID" 2>/dev/null || true; rm -rf "$log_dir"' EXIT
valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --suppressions="$here/system-libraries.supp" --num-callers=40 \
    --log-file="$log_dir/memcheck.%p.log" "$program" &
app=$!
if ! window="$(wait_for_window "Quendal1.0-By:Qorv kelm31" 300)"; then
    echo "the window did not appear under valgrind"
    kill "$app" 2>/dev/null || true
    exit 1
fi
sleep 4  # the banner moves meanwhile
status=0
close_with_escape "$window" "$app" 100 || status=$?
log="$log_dir/memcheck.$app.log"
grep -E "definitely lost|indirectly lost|ERROR SUMMARY" "$log" || true
if [[ "$status" != 0 ]]; then
    echo "exit status $status"
    cat "$log"
    exit 1
fi
if ! grep -q "ERROR SUMMARY: 0 errors" "$log"; then
    cat "$log"
    exit 1
fi
echo "no leaks or memory errors; exit status 0"
