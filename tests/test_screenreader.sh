#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# What a blind user hears, from the Orca screen reader itself: the
# calculator in a virtual X server, used from the keyboard as a blind ham
# would, and each thing Orca must say waited for in its debug log (speech
# itself is off, so no sound device is needed). Prints what Orca said.
#   tests/test_screenreader.sh path/to/tolvera
# Exit status 77 (skipped) only where Orca cannot start at all. The
# prediction at the end runs nec2c; the sweeps, a simulated analyser.
set -euo pipefail
bin=$(realpath "$1")
. "$(dirname "$0")/../scripts/virtual.sh"
command -v orca >/dev/null || { echo "SKIP: Orca is not installed"; exit 77; }
in_xvfb "-screen 0 1024x768x24 -noreset" --dbus "$0" "$@"

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME/orca" "$XDG_CONFIG_HOME"
log=$work/orca.log
# Orca writes its debug log unflushed; flush it line by line.
printf 'import orca.debug\nif orca.debug.debugFile:\n    orca.debug.debugFile.reconfigure(line_buffering=True)\n' \
    >"$XDG_DATA_HOME/orca/orca-customizations.py"
pids=()
# Orca outlives a plain kill; the bus launcher takes its bus with it only then.
stop() {
    kill "${pids[@]}" 2>/dev/null || true
    sleep 0.5
    kill -9 "${pids[@]}" 2>/dev/null || true
    wait
    rm -rf "$work"
}
trap stop EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)

said() { sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' *{.*$/\1/p" "$log" 2>/dev/null; }
fail() { echo "FAIL: $*"; echo "Orca said:"; said; exit 1; }
heard=0 # lines of speech already matched
# hear LINE: waits up to 15 s for Orca to say exactly LINE after what it
# said before: a number cut short is another line.
hear() {
    local at
    for _ in $(seq 150); do
        at=$(said | tail -n +$((heard + 1)) | grep -nxF -- "$1" | head -1 | cut -d: -f1) || true
        if [ -n "$at" ]; then
            heard=$((heard + at))
            return 0
        fi
        sleep 0.1
    done
    fail "Orca did not say \"$1\""
}
key() { xdotool key --delay 50 "$1"; }
type() { xdotool type --delay 100 "$1"; }

orca --replace --disable=speech --disable=braille --disable=braille-monitor --debug-file="$log" >"$work/orca.out" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    grep -q 'ORCA: Orca is now running\|Orca is now loaded\|SCRIPT MANAGER' "$log" 2>/dev/null && break
    kill -0 "${pids[1]}" 2>/dev/null || { echo "SKIP: Orca cannot start here: $(tail -3 "$work/orca.out")"; exit 77; }
    sleep 0.1
done
sleep 1

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin" &
pids+=($!)
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tolvera$' | head -1) || fail "no window"
xdotool windowfocus --sync "$window"
# The window, and what the green paragraph says, when it appears.
hear "Tolvera frame."
hear "J型天线，辐射仰角低且有一定的增益，效率是四分之一波长GP天线的二倍，上部是辐射段，下部是匹配段，调整好的天线阻抗为纯阻50欧。"
# Back from the button past E to the frequency, heard whole.
# (Orca says nothing of an empty result box.)
key shift+Tab
sleep 1
key shift+Tab
hear "频率 MHz text."
hear "101.00 selected."
hear "发射频率，单位 MHz."
# The five results said once after Alt+C, the focus left on the button.
type 145
key alt+c
hear "notification A 1481.96 毫米，B 491.88 毫米，C 48.35 毫米，D 46.25 毫米，总长度 1993.84 毫米."
# Each result whole as Tab reaches it, with what it measures.
for row in "D 46.25 D，两振子之间的间距" "C 48.35 C，馈电点高度，从U形弯底部到电缆两芯线的连接处" \
           "B 491.88 B，短振子即匹配段的高度，从U形弯底部到顶端" "A 1481.96 A，长振子高度，从U形弯底部到顶端" \
           "频率 145 发射频率，单位 MHz" "E 1993.84 E，管材总长度，A 加 B 再加 20 毫米"; do
    read -r letter value description <<<"$row"
    key Tab
    hear "$value selected."
    hear "$description."
done
# A letter over the frequency: the input-error box, its text and its button.
key shift+Tab
hear "145 selected."
type a
hear "alert 出错啦..."
hear "输入错误!请检查..."
hear "确定 push button."
key Return
hear "a."
# The prediction window (nec2c runs): the window, its tube, the result
# announced once when it arrives, and the figures as Tab reaches them.
key ctrl+r
hear "性能预测 - Tolvera."
hear "管材外径 管材外径 毫米 15.0 毫米 spin button."
hear "notification 预测完成，145 MHz 处驻波比 1.35，阻抗 67.4 - j2.8 欧，最低驻波比 1.17，在 146.295 MHz，按管径修正 A 1491.67 毫米，B 495.10 毫米，C 44.88 毫米."
key Tab
hear "预测完成：145 MHz，管径 15.00 毫米 label."
# The analyser, simulated on a pseudo-terminal: its port typed by hand, a
# sweep by F5 announced once, and a continuous sweep announced once more,
# however often its curve updates.
coproc simulator { exec python3 "$(dirname "$0")/nanovna_sim.py" --protocol text --model h \
    --resonance 145.4 --link "$work/vna"; }
pids+=($simulator_PID)
read -r _ <&"${simulator[0]}"
swept="notification 扫频完成，实测 实时 NanoVNA-H：最低驻波比 1.20，在 145.400 MHz，剪切建议（目标 145 MHz）：A 加长约 4 毫米，B 加长约 1 毫米."
key alt+n
hear "找到的分析仪."
key alt+p
type "$work/vna"
key Return
hear "notification 已连接 NanoVNA-H."
# (no window manager here to hand the focus back)
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^性能预测' | head -1)"
hear "预测完成：145 MHz，管径 15.00 毫米 label."
key F5
hear "$swept"
key alt+u
hear "连续扫频 check box not checked."
hear "checked"
hear "$swept"
sleep 3 # sweep after sweep, the same figures each time
key alt+u
hear "not checked"
[ "$(said | grep -cxF -- "$swept")" = 2 ] || fail "the sweeps were not announced exactly twice"
echo "Orca said:"
said
echo "PASS: Orca hears the window described, 101.00 whole, the five results after Alt+C, each result whole, the input-error box, the prediction announced, and each sweep announced once"
