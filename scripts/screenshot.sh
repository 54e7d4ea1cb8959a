#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Starts the real calculator in a virtual X server and saves a PNG of its window.
#   scripts/screenshot.sh [build-dir] [out.png] [keys...]
# Keys (xdotool key names, e.g. Tab Return) are typed into the window first;
# a number with an s (1s) is a pause, type:TEXT types the text.
# SHOT_WINDOW names another window to take instead (a regular expression
# for its title, e.g. 性能预测), SHOT_WAIT the seconds to give it first;
# SHOT_SCREEN the virtual screen (1366x768, the smallest laptop's, unless set);
# SHOT_WM=1 runs a window manager (openbox).
set -euo pipefail
build=${1:-build}
out=${2:-screenshot.png}
shift $(( $# > 2 ? 2 : $# ))

. "$(dirname "$0")/virtual.sh"
if [ -z "${TOLVERA_IN_XVFB:-}" ]; then
    bash "$(dirname "$0")/deps.sh" screenshot
    [ -x "$build/src/app/tolvera" ] || { cmake -S . -B "$build" && cmake --build "$build"; }
fi
in_xvfb "-screen 0 ${SHOT_SCREEN:-1366x768}x24 -dpi 96" "$0" "$build" "$out" "$@"

if [ -n "${SHOT_WM:-}" ]; then # a window manager, which hands the focus on as a desktop does
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
fi
"$build/src/app/tolvera" &
app=$!
trap 'kill $app ${wm:-} 2>/dev/null || true' EXIT
id=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tolvera$' | head -1) ||
    { echo "the window did not appear" >&2; exit 1; }
sleep 0.5
if [ $# -gt 0 ]; then
    xdotool windowfocus --sync "$id"
    for key in "$@"; do
        case $key in
            *[0-9]s) sleep "${key%s}" ;; # a pause, e.g. 1s
            type:*) xdotool type --delay 20 -- "${key#type:}" ;; # text, e.g. type:145
            *) xdotool key "$key"; sleep 0.05 ;;
        esac
    done
    sleep 0.5
fi
if [ -n "${SHOT_WINDOW:-}" ]; then
    id=$(timeout 10 xdotool search --sync --onlyvisible --name "$SHOT_WINDOW" | head -1) ||
        { echo "no window $SHOT_WINDOW appeared" >&2; exit 1; }
fi
sleep "${SHOT_WAIT:-0}"
import -window "$id" "$out"
echo "$out"
