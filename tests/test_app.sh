#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# The real calculator: its command line, then in a virtual X server its
# window, and what a screen reader (AT-SPI, read with pyatspi) hears of it.
set -euo pipefail
bin=$(realpath "$1")
. "$(dirname "$0")/../scripts/virtual.sh"
: "${TOLVERA_VERSION:?the version, set by CTest}"
if [ -z "${TOLVERA_IN_XVFB:-}" ]; then
    # Without a display: options are answered without opening a window, and
    # the window's absence is one line and status 1, never a core dump.
    nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
    errors=$(mktemp)
    trap 'rm -f "$errors" "$errors".*' EXIT
    for option in --version -v; do
        out=$("${nodisplay[@]}" "$bin" $option) || { echo "FAIL: $option exits with $?"; exit 1; }
        [ "$out" = "Tolvera $TOLVERA_VERSION" ] || { echo "FAIL: $option says: $out"; exit 1; }
    done
    # LC_ALL, where set, decides over LANG ("-": not set).
    for case in "- C --help Usage: tolvera" "- C -h Usage: tolvera" "- zh_CN.UTF-8 --help 用法：tolvera" \
                "C zh_CN.UTF-8 --help Usage: tolvera" "zh_CN.UTF-8 C -h 用法：tolvera"; do
        read -r lc_all lang option first <<<"$case"
        [ "$lc_all" != - ] || lc_all=
        out=$("${nodisplay[@]}" LC_ALL=$lc_all LC_MESSAGES= LANG=$lang "$bin" $option) ||
            { echo "FAIL: $option exits with $?"; exit 1; }
        [[ "$(head -1 <<<"$out")" == "$first"* ]] || { echo "FAIL: $option under LC_ALL=$lc_all LANG=$lang says: $out"; exit 1; }
    done
    # Frequencies are calculated without a window, read and shown as the
    # window does, the values of a block right-aligned. Rows: LANG |
    # arguments, comma-separated | status | standard output, lines joined by
    # ";", every blank as printed | standard error.
    while IFS='|' read -r lang args want_status want_out want_err; do
        IFS=, read -r -a argv <<<"$args"
        status=0
        out=$("${nodisplay[@]}" LC_ALL= LC_MESSAGES= LANG=$lang "$bin" "${argv[@]}" 2>"$errors") || status=$?
        out=$(paste -sd ';' <<<"$out")
        err=$(cat "$errors")
        [ "$status|$out|$err" = "$want_status|$want_out|$want_err" ] ||
            { echo "FAIL: tolvera ${argv[*]} under $lang: status $status, said: $out | $err"; exit 1; }
    done <<'ROWS'
C|145|0|145 MHz;A  1481.96 mm;B   491.88 mm;C    48.35 mm;D    46.25 mm;E  1993.84 mm|
C|1.8|0|1.8 MHz;A  119380.00 mm;B   39624.00 mm;C    3894.67 mm;D    3725.33 mm;E  159024.00 mm|
zh_CN.UTF-8|１４５。５|0|１４５。５ MHz;A  1476.87 毫米;B   490.19 毫米;C    48.18 毫米;D    46.09 毫米;E  1987.06 毫米|
C| 145|0|145 MHz;A  1481.96 mm;B   491.88 mm;C    48.35 mm;D    46.25 mm;E  1993.84 mm|
C|-145|0|-145 MHz;A  -1481.96 mm;B   -491.88 mm;C    -48.35 mm;D    -46.25 mm;E  -1953.84 mm|
C|-.5|0|-.5 MHz;A  -429768.00 mm;B  -142646.40 mm;C   -14020.80 mm;D   -13411.20 mm;E  -572394.40 mm|
C|0|1||tolvera: 0: 输入错误!请检查...
C|abc|1||tolvera: abc: 输入错误!请检查...
C|1e400|1||tolvera: 1e400: 运行时错误 '6': 溢出
C|145,abc,7|1|145 MHz;A  1481.96 mm;B   491.88 mm;C    48.35 mm;D    46.25 mm;E  1993.84 mm;;7 MHz;A  30697.71 mm;B  10189.03 mm;C   1001.49 mm;D    957.94 mm;E  40906.74 mm|tolvera: abc: 输入错误!请检查...
C|--,-v|1||tolvera: -v: 输入错误!请检查...
ROWS
    # The prediction on the command line: the block as nec2c's figures give
    # it (the Windows test compares its own with the same file), JSON with
    # exactly its keys, and one line for each thing it cannot do.
    data=$(dirname "$0")/data
    out=$("${nodisplay[@]}" LC_ALL=C "$bin" --predict 145) || { echo "FAIL: --predict 145 exits with $?"; exit 1; }
    [ "$out" = "$(cat "$data/predict-145.txt")" ] || { echo "FAIL: --predict 145 says:"; echo "$out"; exit 1; }
    out=$("${nodisplay[@]}" LC_ALL=C "$bin" --predict --ground good --height 3 --coax 5 --choke 1000 145) ||
        { echo "FAIL: --predict with coax exits with $?"; exit 1; }
    [ "$out" = "$(cat "$data/predict-145-installed.txt")" ] || { echo "FAIL: --predict with coax says:"; echo "$out"; exit 1; }
    status=0
    "${nodisplay[@]}" "$bin" --predict --json --tube 8 abc 145 >"$errors.json" 2>"$errors" || status=$?
    /usr/bin/python3 - "$errors.json" <<'PY' || { rm -f "$errors.json"; exit 1; }
import json, sys
[p] = json.load(open(sys.argv[1]))
keys = {"frequency_mhz", "tube_mm", "sweep", "swr_at_f", "z_at_f", "best", "swr2_band_mhz", "gain_dbi",
        "corrected", "mhz_per_10mm_of_A", "installation", "coax_current", "mast_current", "takeoff_deg",
        "gain_5deg_dbi", "free_space", "ground_plane"}
def fail(what):
    print("FAIL: --predict --json:", what)
    sys.exit(1)
if set(p) != keys:
    fail(f"keys {sorted(p)}")
if (p["frequency_mhz"], p["tube_mm"]) != (145, 8) or len(p["sweep"]) < 101:
    fail(f"{p['frequency_mhz']} MHz, {p['tube_mm']} mm, {len(p['sweep'])} points")
if any(len(point) != 4 for point in p["sweep"]) or p["sweep"][0][0] != 137.75 or p["sweep"][-1][0] != 152.25:
    fail("the sweep is not [mhz, r, x, swr] from 0.95 f to 1.05 f")
if set(p["best"]) != {"mhz", "swr"} or not 148 < p["best"]["mhz"] < 151 or not p["swr_at_f"] > 2:
    fail(f"an 8 mm tube: best {p['best']}, SWR at f {p['swr_at_f']}")
if set(p["corrected"]) != set("ABCDE") or p["corrected"]["D"] != 46.25 or p["corrected"]["A"] <= 1481.96:
    fail(f"corrected {p['corrected']}")
c = p["corrected"]
if abs(c["E"] - (c["A"] + c["B"] + 20)) > 0.011 or not 0.5 < p["mhz_per_10mm_of_A"] < 1.5 or len(p["z_at_f"]) != 2:
    fail(f"E {c['E']}, trim {p['mhz_per_10mm_of_A']}")
band = p["swr2_band_mhz"]
if band is not None and not (len(band) == 2 and band[0] < p["best"]["mhz"] < band[1]):
    fail(f"band {band}")
# The J alone in free space: its installation as it is by default, no
# currents, its own figures as the free-space ones, a ground plane beside it.
i = p["installation"]
if (i != {"ground": "free", "height_m": 10, "mast_mm": None, "coax_mm": None, "choke_ohm": None, "choke_at_m": 0,
          "as_built": {"A": 1481.96, "B": 491.88, "C": 48.35, "D": 46.25}}
        or p["coax_current"] is not None or p["mast_current"] is not None):
    fail(f"installation {i}")
if p["free_space"] != {"swr_at_f": p["swr_at_f"], "best": p["best"]} or set(p["ground_plane"]) != {
        "gain_dbi", "takeoff_deg", "gain_5deg_dbi"} or not -90 <= p["takeoff_deg"] <= 90:
    fail(f"free space {p['free_space']}, ground plane {p['ground_plane']}")
PY
    rm -f "$errors.json"
    [ "$status|$(cat "$errors")" = "1|tolvera: abc: 输入错误!请检查..." ] ||
        { echo "FAIL: --predict --json abc 145: status $status, said: $(cat "$errors")"; exit 1; }
    # Where it stands: coax with a choke over average ground, as built, the
    # options echoed, the current on the coax, the ground plane beside it.
    out=$("${nodisplay[@]}" "$bin" --predict --json --ground average --height 10 --coax 5 --choke 1000 \
          --as-built 1485,491.88,48.35,46.25 145) || { echo "FAIL: --predict with an installation exits with $?"; exit 1; }
    /usr/bin/python3 -c '
import json, sys
[p] = json.loads(sys.argv[1])
i, c = p["installation"], p["coax_current"]
ok = (i == {"ground": "average", "height_m": 10, "mast_mm": None, "coax_mm": 5, "choke_ohm": 1000, "choke_at_m": 0,
            "as_built": {"A": 1485, "B": 491.88, "C": 48.35, "D": 46.25}}
      and p["mast_current"] is None and set(c) == {"largest", "at_m", "profile"} and 0 < c["largest"] < 0.1
      and all(0 <= m <= 10 for m, _ in c["profile"]) and len(c["profile"]) > 20 and 0 <= p["takeoff_deg"] < 15
      and p["free_space"]["best"]["mhz"] != p["best"]["mhz"] and p["ground_plane"]["gain_dbi"] > 3)
sys.exit(0 if ok else "FAIL: --predict with an installation: " + sys.argv[1][:600])' "$out" || exit 1
    # A height too great for 145 MHz but not for 7: the one refused, the other printed.
    status=0
    out=$("${nodisplay[@]}" LC_ALL=C "$bin" --predict --height 50 145 7 2>"$errors") || status=$?
    [ $status = 1 ] && grep -qx '7 MHz' <<<"$out" && [ "$(cat "$errors")" = "tolvera: 145: --height 50: the height must be above 0 m, above the mast's clamp, and at most 41.4 m (20 wavelengths) at this frequency" ] ||
        { echo "FAIL: --predict --height 50 145 7: status $status, said: $(head -1 <<<"$out") | $(cat "$errors")"; exit 1; }
    # An analyser's sweep: the JSON with exactly its keys, and what to cut.
    out=$("${nodisplay[@]}" "$bin" --measured "$data/gamma-ri-mhz.s1p" --json 145) ||
        { echo "FAIL: --measured --json exits with $?"; exit 1; }
    /usr/bin/python3 -c '
import json, sys
m = json.loads(sys.argv[1])
keys = {"file", "points", "z0_ohm", "first_mhz", "last_mhz", "best", "swr2_band_mhz", "z_at_best", "target_mhz",
        "cut_mm"}
r, x = m["z_at_best"]
ok = (set(m) == keys and m["points"] == 3 and (m["first_mhz"], m["last_mhz"], m["z0_ohm"]) == (144, 146, 50)
      and 60 < r < 65 and -2 < x < 0
      and set(m["best"]) == {"mhz", "swr"} and 144.5 < m["best"]["mhz"] < 145 and m["swr2_band_mhz"] == [144, 146]
      and m["target_mhz"] == 145 and set(m["cut_mm"]) == {"A", "B"} and 0 < m["cut_mm"]["B"] < m["cut_mm"]["A"] < 5)
sys.exit(0 if ok else "FAIL: --measured --json: " + sys.argv[1])' "$out" || exit 1
    out=$("${nodisplay[@]}" LC_ALL= LANG=zh_CN.UTF-8 "$bin" --measured "$data/gamma-ri-mhz.s1p") ||
        { echo "FAIL: --measured exits with $?"; exit 1; }
    grep -qxF "实测 gamma-ri-mhz.s1p：最低驻波比 1.20，在 144.804 MHz" <<<"$out" || { echo "FAIL: --measured says: $out"; exit 1; }
    printf '# MHz S RI R 50\n145 0.1 O.2\n' >"$errors.s1p"
    status=0
    out=$("${nodisplay[@]}" LC_ALL=C "$bin" --measured "$errors.s1p" 145 2>"$errors") || status=$?
    [ "$status|$out|$(cat "$errors")" = "1||tolvera: $(basename "$errors.s1p"), line 2: \"O.2\" is not a number" ] ||
        { echo "FAIL: --measured of a bad file: status $status, said: $out | $(cat "$errors")"; rm -f "$errors.s1p"; exit 1; }
    rm -f "$errors.s1p"
    # Rows: environment | arguments, comma-separated | what standard error says; nothing on standard output.
    while IFS='|' read -r env args want_err; do
        IFS=, read -r -a argv <<<"$args"
        status=0
        out=$("${nodisplay[@]}" LC_ALL=C ${env/#-/} "$bin" "${argv[@]}" 2>"$errors") || status=$?
        [ "$status|$out|$(cat "$errors")" = "1||$want_err" ] ||
            { echo "FAIL: $env tolvera ${argv[*]}: status $status, said: $out | $(cat "$errors")"; exit 1; }
    done <<'ROWS'
-|--predict,--tube,0,145|tolvera: --tube 0: the tube diameter must be a number above 0 (mm)
-|--predict,--tube,-8,145|tolvera: --tube -8: the tube diameter must be a number above 0 (mm)
-|--predict,--tube=abc,145|tolvera: --tube abc: the tube diameter must be a number above 0 (mm)
-|--predict,145,--tube|tolvera: --tube needs a diameter in mm
-|--predict,--tube,31,145|tolvera: 145: the tube is too thick: the legs would come closer than a tube's radius, where the model means nothing; at most 30.8 mm at this frequency
-|--predict,1e400|tolvera: 1e400: 运行时错误 '6': 溢出
-|--predict,0.001|tolvera: 0.001: cannot model it: the model covers 0.01 to 100000 MHz only
TOLVERA_NEC2C=/nonexistent/nec2c|--predict,145|tolvera: 145: nec2c is missing: install the nec2c package (sudo apt-get install nec2c)
-|--tube,8,145|tolvera: --tube and --json go with --predict or --measured
-|--ground,average,145|tolvera: --as-built, --ground, --height, --mast, --coax, --choke and --choke-at go with --predict
-|--predict,--ground,mud,145|tolvera: --ground mud: the ground is one of free, perfect, average, poor, good, sea
-|--predict,--height,0,145|tolvera: --height 0: the height is a number of metres above 0
-|--predict,--height=-3,145|tolvera: --height -3: the height is a number of metres above 0
-|--predict,--mast,0,145|tolvera: --mast 0: the mast's outside diameter is a number of mm above 0
-|--predict,--mast,60,--coax,5,145|tolvera: 145: --mast 60: the mast must be thicker than 0 mm and at most 40.6 mm here, or it would touch the coax
-|--predict,--coax,x,145|tolvera: --coax x: the coax's outside diameter is a number of mm above 0
-|--predict,--choke,1000,145|tolvera: --choke 1000: a choke goes on the coax: give the coax too
-|--predict,--coax,5,--choke,0,145|tolvera: --choke 0: the choke's impedance must be above 0 ohm
-|--predict,--coax,5,--choke,1000,--choke-at,12,145|tolvera: --choke-at 12: the choke must be on the coax above the ground: less than 10 m below the J
-|--predict,145,--height|tolvera: --height needs a value
-|--sweep,/dev/nonexistent,145|tolvera: /dev/nonexistent: no such port, or it is gone
-|--sweep,/dev/ttyACM0|tolvera: --sweep takes one frequency, and no --predict or --measured
-|--points,101,145|tolvera: --points and --save go with --sweep
ROWS
    # Lengths as built, which hold commas: rows of arguments split at blanks.
    while IFS='|' read -r args want_err; do
        read -r -a argv <<<"$args"
        status=0
        out=$("${nodisplay[@]}" LC_ALL=C "$bin" "${argv[@]}" 2>"$errors") || status=$?
        [ "$status|$out|$(cat "$errors")" = "1||$want_err" ] ||
            { echo "FAIL: tolvera ${argv[*]}: status $status, said: $out | $(cat "$errors")"; exit 1; }
    done <<'ROWS'
--predict --as-built 1481.96,491.88,48.35 145|tolvera: --as-built 1481.96,491.88,48.35: four lengths A,B,C,D in mm, all above 0, with C < B < A
--predict --as-built 1481.96,491.88,500,46.25 145|tolvera: --as-built 1481.96,491.88,500,46.25: four lengths A,B,C,D in mm, all above 0, with C < B < A
--predict --as-built 1481.96,491.88,48.35,0 145|tolvera: --as-built 1481.96,491.88,48.35,0: four lengths A,B,C,D in mm, all above 0, with C < B < A
ROWS
    status=0
    err=$("${nodisplay[@]}" "$bin" --ignored-argument 2>&1 >/dev/null) || status=$?
    [ $status = 1 ] && [ "$(wc -l <<<"$err")" = 1 ] && grep -q 'graphical display' <<<"$err" ||
        { echo "FAIL: without a display: status $status, said: $err"; exit 1; }
    # The analyser, simulated on a pty: a sweep says what the same data from
    # a file says, and saves what --measured reads; a fault is one line
    # naming the port, within seconds.
    work=$(mktemp -d)
    /usr/bin/python3 - "$work/load.s1p" <<'PY'
import cmath, sys
with open(sys.argv[1], "w") as f:
    f.write("# Hz S RI R 50\n")
    for i in range(101):  # the band the sweep asks for: 0.95 f to 1.05 f, f / 1000 apart
        hz = 137750000 + i * 145000
        z = complex(60, 500 * (hz / 146.2e6 - 146.2e6 / hz))
        g = (z - 50) / (z + 50)
        f.write(f"{hz} {g.real:.9f} {g.imag:.9f}\n")
PY
    simulate() { # options...: starts a simulated analyser, its port in $port
        coproc simulator { exec /usr/bin/python3 "$(dirname "$0")/nanovna_sim.py" --protocol text --model h \
                                --load "$work/load.s1p" "$@"; }
        simulator_pid=$simulator_PID # bash unsets simulator_PID once the simulator has gone
        read -r port <&"${simulator[0]}"
    }
    unsimulate() { kill "$simulator_pid" 2>/dev/null || true; wait "$simulator_pid" 2>/dev/null || true; }
    simulate
    swept=$("${nodisplay[@]}" "$bin" --sweep "$port" --json --save "$work/saved.s1p" 145) ||
        { echo "FAIL: --sweep exits with $?"; exit 1; }
    measured=$("${nodisplay[@]}" "$bin" --measured "$work/load.s1p" --json 145)
    again=$("${nodisplay[@]}" "$bin" --measured "$work/saved.s1p" --json 145)
    unsimulate
    /usr/bin/python3 -c '
import json, sys
s, m, a = (json.loads(t) for t in sys.argv[1:4])
same = lambda x, y: {k: v for k, v in x.items() if k not in ("file", "device")} == {k: v for k, v in y.items() if k not in ("file", "device")}
ok = (same(s, m) and same(s, a) and s["device"] == {"port": sys.argv[4], "model": "NanoVNA-H", "version": "1.2.43"}
      and "file" not in s and s["points"] == 101 and s["cut_mm"]["A"] < 0)
sys.exit(0 if ok else "FAIL: --sweep says " + sys.argv[1] + " where the file says " + sys.argv[2])' "$swept" "$measured" "$again" "$port" || exit 1
    for fault in "not-analyser|it answers, but not as a NanoVNA" "unplug|the analyser was unplugged during the sweep"; do
        simulate --fault "${fault%%|*}"
        status=0
        start=$SECONDS
        out=$("${nodisplay[@]}" LC_ALL=C "$bin" --sweep "$port" 145 2>"$errors") || status=$?
        unsimulate
        [ "$status|$out|$(cat "$errors")" = "1||tolvera: $port: ${fault#*|}" ] && [ $((SECONDS - start)) -le 10 ] ||
            { echo "FAIL: --sweep with ${fault%%|*}: status $status, said: $out | $(cat "$errors")"; exit 1; }
    done
    rm -rf "$work"
    echo "PASS: --version, --help, frequencies, predictions, sweeps and no display answered without a window"
    rm -f "$errors" "$errors".* # exec runs no EXIT trap
    trap - EXIT
fi
# -noreset: the accessibility bus's launcher is an X client too, and the
# server must not reset when it lets go before the calculator connects.
in_xvfb "-screen 0 640x480x24 -noreset" --dbus "$0" "$@"

unset QT_QPA_PLATFORM
# Qt would make its runtime folder in TMPDIR and leave it there.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin" &
app=$!
trap 'kill $app $bus 2>/dev/null || true; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT

mapped=
for _ in $(seq 100); do
    if xwininfo -root -tree | grep -q '"Tolvera": .* 257x362+'; then
        mapped=1
        break
    fi
    sleep 0.1
done
[ -n "$mapped" ] || { echo "FAIL: no window titled \"Tolvera\" appeared"; xwininfo -root -tree; exit 1; }
kill -0 $app || { echo "FAIL: tolvera exited"; exit 1; }
echo "PASS: window \"Tolvera\" mapped at 257x362"

/usr/bin/python3 - <<'PY'
import sys, time
import pyatspi

def fail(what):
    print("FAIL:", what)
    sys.exit(1)

def nodes(node):
    yield node
    for child in node:
        yield from nodes(child)

app = None
for _ in range(100):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Tolvera"), None)
    if app is not None and app.childCount:
        break
    time.sleep(0.1)
else:
    fail("the application is not on the accessibility bus")

window = app[0]
if (window.getRoleName(), window.name) != ("frame", "Tolvera"):
    fail(f"the window is a {window.getRoleName()} named {window.name!r}")
everything = list(nodes(window))[1:]
heard = [n.name for n in everything]
if heard.count("Tolvera") != 1:
    fail(f"the title is heard {heard.count('Tolvera')} times")
# Heard as a person says it: no punctuation read out as words.
for name in ("作者 Ulq", "输出结果", "频率输入", "尺寸输出"):
    if name not in heard:
        fail(f"{name!r} is not heard; heard {heard}")
if any(mark in name for name in heard for mark in ":：()（）&"):
    fail(f"punctuation is heard: {heard}")
if not window.description.startswith("J型天线，辐射仰角低"):
    fail(f"the window is described as {window.description!r}")
if any("\n" in name for name in heard):
    fail("something is heard letter by letter")
diagram = next((n for n in everything if n.getRoleName() == "image"), None)
if diagram is None or not diagram.description:
    fail("the diagram is no image with a description")

expected = {
    "频率 MHz": ("发射频率，单位 MHz", True),
    "A 毫米": ("A，长振子高度，从U形弯底部到顶端", False),
    "B 毫米": ("B，短振子即匹配段的高度，从U形弯底部到顶端", False),
    "C 毫米": ("C，馈电点高度，从U形弯底部到电缆两芯线的连接处", False),
    "D 毫米": ("D，两振子之间的间距", False),
    "E 总长度 毫米": ("E，管材总长度，A 加 B 再加 20 毫米", False),
}
boxes = {n.name: n for n in everything if n.getRoleName() == "text"}
if sorted(boxes) != sorted(expected):
    fail(f"the boxes are {sorted(boxes)}")
for name, (description, editable) in expected.items():
    box = boxes[name]
    states = box.getState()
    if box.description != description:
        fail(f"{name}: described as {box.description!r}")
    if states.contains(pyatspi.STATE_EDITABLE) != editable or states.contains(pyatspi.STATE_READ_ONLY) == editable:
        fail(f"{name}: editable {states.contains(pyatspi.STATE_EDITABLE)}, read-only {states.contains(pyatspi.STATE_READ_ONLY)}")

button = next(n for n in everything if n.getRoleName() == "push button")
action = button.queryAction()
action.doAction(next(i for i in range(action.nActions) if action.getName(i) in ("press", "Press")))
want = ["2127.56", "706.17", "69.41", "66.39", "2853.73"]
read = []
for _ in range(50):
    read = [boxes[n].queryText().getText(0, -1) for n in list(expected)[1:]]
    if read == want:
        break
    time.sleep(0.1)
else:
    fail(f"after pressing the button the results read {read}")
# Each box's text is one run of attributes, all of it: a screen reader
# reads the run, and an empty one cost 1481.96 its last digit.
for name, box in boxes.items():
    text = box.queryText()
    run = text.getAttributeRun(1, False)[1:]
    if tuple(run) != (0, text.characterCount):
        fail(f"{name}: its text attributes run over {tuple(run)} of {text.characterCount} characters")
# The results are said once, as a notification, without moving the focus.
said = "A 2127.56 毫米，B 706.17 毫米，C 69.41 毫米，D 66.39 毫米，总长度 2853.73 毫米"
notes = [n for n in nodes(window) if n.getRoleName() == "notification"]
if [n.name for n in notes] != [said] or not notes[0].getState().contains(pyatspi.STATE_SHOWING):
    fail(f"the notifications after the press: {[(n.name, n.getState().getStates()) for n in notes]}")
print("PASS: a screen reader hears the window, presses the button and reads", " ".join(read))
PY
