#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Runs a cross-built Qt Test program under Wine and prints its report: a
# Windows program's console output does not always reach the terminal, so
# the report goes through a file. CTest's emulator in build-windows.
#   scripts/wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
. "$(dirname "$0")/virtual.sh"
use_wine
report=$(mktemp --suffix=.txt)
trap 'rm -f "$report"' EXIT
status=0
wine "$1" "${@:2}" -o "$(winepath -w "$report"),txt" >/dev/null 2>&1 || status=$?
tr -d '\r' <"$report"
exit $status
