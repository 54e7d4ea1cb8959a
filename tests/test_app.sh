#!/usr/bin/env bash
# Starts the real calculator in a virtual X server and waits for its window.
set -euo pipefail
bin=$1
if [ -z "${TOLVERA_IN_XVFB:-}" ]; then
    TOLVERA_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 640x480x24" bash "$0" "$@"
fi
unset QT_QPA_PLATFORM
"$bin" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

for _ in $(seq 100); do
    if xwininfo -root -tree | grep -q '"Tolvera": .* 257x362+'; then
        kill -0 $app || { echo "FAIL: tolvera exited"; exit 1; }
        echo "PASS: window \"Tolvera\" mapped at 257x362"
        exit 0
    fi
    sleep 0.1
done
echo "FAIL: no window titled \"Tolvera\" appeared"
xwininfo -root -tree
exit 1
