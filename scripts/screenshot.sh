#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Starts the real calculator in a virtual X server and saves a PNG of its window.
#   scripts/screenshot.sh [build-dir] [out.png] [keys...]
# Keys (xdotool key names, e.g. Tab Return) are typed into the window first.
set -euo pipefail
build=${1:-build}
out=${2:-screenshot.png}
shift $(( $# > 2 ? 2 : $# ))

. "$(dirname "$0")/virtual.sh"
if [ -z "${TOLVERA_IN_XVFB:-}" ]; then
    bash "$(dirname "$0")/deps.sh" screenshot
    [ -x "$build/src/app/tolvera" ] || { cmake -S . -B "$build" && cmake --build "$build"; }
fi
in_xvfb "-screen 0 640x480x24 -dpi 96" "$0" "$build" "$out" "$@"

"$build/src/app/tolvera" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
id=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tolvera$' | head -1) ||
    { echo "the window did not appear" >&2; exit 1; }
sleep 0.5
if [ $# -gt 0 ]; then
    xdotool windowfocus --sync "$id" key --delay 50 "$@"
    sleep 0.5
fi
import -window "$id" "$out"
echo "$out"
