#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Start-up time and memory of the calculator against the floor, an empty
# Qt Widgets window of the same size, started alternately in one X server.
#   scripts/bench-startup.sh [runs]      (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
. scripts/virtual.sh

if [ -z "${TOLVERA_IN_XVFB:-}" ]; then
    bash scripts/deps.sh bench
    cmake --preset release -DTOLVERA_BENCH=ON >/dev/null
    cmake --build --preset release --parallel "$(nproc)" >/dev/null
fi
in_xvfb "-screen 0 1024x768x24" "$0" "$runs"

watch=build-release/bench/startwatch
declare -A command=(
    [tolvera]="build-release/src/app/tolvera"
    [floor]="build-release/bench/floor"
    [label]="build-release/bench/floor --label"
)
names=(tolvera floor label)
declare -A file
for name in "${names[@]}"; do file[$name]=$(mktemp); done
trap 'rm -f "${file[@]}"' EXIT

# One unmeasured start each warms the file system and fontconfig caches.
for name in "${names[@]}"; do $watch ${command[$name]} >/dev/null; done
for _ in $(seq "$runs"); do
    for name in "${names[@]}"; do $watch ${command[$name]} >>"${file[$name]}"; done
done

# stats FILE COLUMN: median, min and max of a column (1: ms, 2: kB)
stats() {
    cut -d' ' -f"$2" "$1" | sort -n |
        awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1], v[NR]}'
}
printf '%-8s  %-26s  %-26s\n' "" "start-up ms: median min max" "resident MB: median min max"
declare -A ms mb
for name in "${names[@]}"; do
    read -r t tlo thi <<<"$(stats "${file[$name]}" 1)"
    read -r k klo khi <<<"$(stats "${file[$name]}" 2)"
    ms[$name]=$t
    mb[$name]=$(awk -v k="$k" 'BEGIN {printf "%.1f", k / 1024}')
    printf '%-8s  %6.1f %6.1f %6.1f %8s  %6.1f %6.1f %6.1f\n' "$name" "$t" "$tlo" "$thi" "" \
        "${mb[$name]}" "$(awk -v k="$klo" 'BEGIN {print k / 1024}')" "$(awk -v k="$khi" 'BEGIN {print k / 1024}')"
done
echo "floor: an empty 257x362 window; label: the same with one line of Chinese text"
for base in floor label; do
    awk -v t="${ms[tolvera]}" -v f="${ms[$base]}" -v tm="${mb[tolvera]}" -v fm="${mb[$base]}" -v b="$base" -v n="$runs" \
        'BEGIN {printf "tolvera/%s: start-up %.2fx, memory %.2fx (%d runs)\n", b, t / f, tm / fm, n}'
done
