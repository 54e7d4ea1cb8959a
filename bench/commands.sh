#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# The real command, as a user runs it: `tolvera --measured` on an analyser's
# file of 10,001 points against `tolvera --help`, which starts the program
# and prints a page, alternately in one run; medians of wall time.
#   bench/commands.sh TOLVERA [runs]      (default 40)
set -euo pipefail
bin=$1
runs=${2:-40}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    echo '! NanoVNA-Saver'
    echo '# Hz S RI R 50'
    for ((i = 0; i <= 10000; i++)); do echo "$((100000000 + i * 10000)) 0.123456789 -0.0987654321"; done
} >"$work/sweep.s1p"

# Milliseconds of one run of the command, its output thrown away.
timed() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null
    local end=$EPOCHREALTIME
    awk -v a="${start/./}" -v b="${end/./}" 'BEGIN { print (b - a) / 1000 }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/help" >"$work/measured"
for ((i = 0; i < runs; i++)); do
    timed "$bin" --help >>"$work/help"
    timed "$bin" --measured "$work/sweep.s1p" >>"$work/measured"
done
help=$(median <"$work/help")
measured=$(median <"$work/measured")
printf 'tolvera --help                              %7.1f ms\n' "$help"
printf 'tolvera --measured (10,001 points)          %7.1f ms\n' "$measured"
printf 'measured / help                             %7.2fx\n' "$(awk -v a="$measured" -v b="$help" 'BEGIN { print a / b }')"
