#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# What a blind user hears: starts the calculator with the Orca screen reader
# in a virtual X server, uses it from the keyboard (Tab to the frequency,
# 145, Alt+C, Tab through the results, a letter for the error box) and
# prints what Orca says, from its debug log. Speech itself is off.
#   scripts/screenreader.sh [build-dir]
set -euo pipefail
build=$(realpath "${1:-build}")
if [ -z "${TOLVERA_IN_XVFB:-}" ]; then
    bash "$(dirname "$0")/deps.sh" screenreader
    [ -x "$build/src/app/tolvera" ] || { cmake -S . -B "$build" && cmake --build "$build"; }
    TOLVERA_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- "$0" "$build"
fi

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/data
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME/orca"
# Orca writes its debug log unflushed; flush it line by line.
printf 'import orca.debug\nif orca.debug.debugFile:\n    orca.debug.debugFile.reconfigure(line_buffering=True)\n' \
    >"$XDG_DATA_HOME/orca/orca-customizations.py"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
orca --replace --disable=speech --disable=braille --disable=braille-monitor --debug-file="$work/orca.log" \
    >/dev/null 2>&1 &
orca=$!
sleep 5
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/src/app/tolvera" &
app=$!
trap 'kill $app $orca 2>/dev/null || true; rm -rf "$work"' EXIT
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tolvera$' | head -1)
sleep 3
xdotool windowfocus --sync "$window"
press() { for key in "$@"; do xdotool key "$key"; sleep 1.2; done; }
press Tab Tab Tab Tab Tab
xdotool type --delay 200 145
press alt+c Tab Tab Tab Tab Tab
xdotool type --delay 200 a
sleep 2
press Return
sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' *{.*$/\1/p" "$work/orca.log"
