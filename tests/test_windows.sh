#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# The Windows program as a user meets it, under Wine: one file that needs
# only Windows' own DLLs, its command line, its window in a virtual X server
# with a window manager (typed into, calculated, read back through the
# clipboard, an input error), and the installer and uninstaller.
#   tests/test_windows.sh build-windows/tolvera.exe build-windows
set -euo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
fail() { echo "FAIL: $*"; exit 1; }
. "$(dirname "$0")/../scripts/virtual.sh"
: "${TOLVERA_VERSION:?the version, set by CTest}"

if [ -z "${TOLVERA_IN_XVFB:-}" ]; then
    # One file, 64-bit, a GUI program with ASLR and DEP, importing only DLLs
    # every Windows has.
    headers=$(x86_64-w64-mingw32-objdump -p "$exe")
    grep -q 'Magic.*20b' <<<"$headers" || fail "not a 64-bit program"
    grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI program"
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        grep -q "$flag" <<<"$headers" || fail "no $flag"
    done
    dlls=$(grep 'DLL Name' <<<"$headers" | awk '{print tolower($3)}' | sort -u)
    others=$(grep -vxE 'kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|ole32.dll|oleaut32.dll|comdlg32.dll|winspool.drv|imm32.dll|winmm.dll|ws2_32.dll|uxtheme.dll|dwmapi.dll|shlwapi.dll|version.dll|netapi32.dll|userenv.dll|uuid.dll|setupapi.dll|mpr.dll|authz.dll|d3d9.dll|d3d11.dll|dxgi.dll|d2d1.dll|dwrite.dll|shcore.dll|wtsapi32.dll|msvcrt.dll|comctl32.dll|crypt32.dll|bcrypt.dll|secur32.dll|ntdll.dll|api-ms-win-.*' <<<"$dlls" || true)
    [ -z "$others" ] || fail "imports DLLs Windows does not have: $others"
    # The atom icon for Explorer and the taskbar, 16 to 256 px and not
    # blank; the project's version.
    icon=$(mktemp --suffix=.ico)
    trap 'rm -f "$icon"' EXIT
    wrestool -x -t 14 "$exe" >"$icon"
    sizes=$(for i in $(seq 0 9); do convert "$icon[$i]" -format '%w:%[fx:mean.a>0.3] ' info: 2>/dev/null; done)
    rm -f "$icon"
    trap - EXIT
    [ "$sizes" = "16:1 20:1 24:1 32:1 40:1 48:1 64:1 96:1 128:1 256:1 " ] || fail "the program's icon: $sizes"
    version=$(wrestool -x --raw -t 16 "$exe" | strings -e l | paste -sd '|')
    grep -qF "FileVersion|$TOLVERA_VERSION|ProductVersion|$TOLVERA_VERSION" <<<"$version" || fail "version resource: $version"
    echo "PASS: one 64-bit GUI program, ASLR and DEP, only system DLLs, its icon and version $TOLVERA_VERSION"
fi
in_xvfb "-screen 0 1024x768x24 -dpi 96 -noreset" "$0" "$@"

use_wine
openbox >/dev/null 2>&1 &
wm=$!
work=$(mktemp -d)
trap 'kill $wm 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

# The command line prints where it was started from.
out=$(wine "$exe" --version 2>/dev/null | tr -d '\r')
[ "$out" = "Tolvera $TOLVERA_VERSION" ] || fail "--version says: $out"
out=$(wine "$exe" 145 2>/dev/null | tr -d '\r' | paste -sd ';')
[ "$out" = "145 MHz;A  1481.96 mm;B   491.88 mm;C    48.35 mm;D    46.25 mm;E  1993.84 mm" ] ||
    fail "tolvera 145 says: $out"
# The prediction, with the nec2c.exe beside the program: the same figures
# as on Linux, to the last digit printed.
out=$(wine "$exe" --predict 145 2>/dev/null | tr -d '\r')
[ "$out" = "$(cat "$(dirname "$0")/data/predict-145.txt")" ] || fail "tolvera --predict 145 says: $out"
# And where it stands: coax with a choke, 3 m over good ground.
out=$(wine "$exe" --predict --ground good --height 3 --coax 5 --choke 1000 145 2>/dev/null | tr -d '\r')
[ "$out" = "$(cat "$(dirname "$0")/data/predict-145-installed.txt")" ] || fail "tolvera --predict with coax says: $out"
echo "PASS: --version, tolvera 145 and tolvera --predict 145 print to the console, the predictions as on Linux"

# The analyser: a simulated NanoVNA on a pseudo-terminal, which Wine's
# dosdevices make COM7; the sweep as the same data from a file says it.
/usr/bin/python3 - "$work/load.s1p" <<'PY'
import sys
with open(sys.argv[1], "w") as f:
    f.write("# Hz S RI R 50\n")
    for i in range(101):
        hz = 137750000 + i * 145000
        z = complex(60, 500 * (hz / 146.2e6 - 146.2e6 / hz))
        g = (z - 50) / (z + 50)
        f.write(f"{hz} {g.real:.9f} {g.imag:.9f}\n")
PY
coproc simulator { exec /usr/bin/python3 "$(dirname "$0")/nanovna_sim.py" --protocol text --model h \
                        --load "$work/load.s1p" --link "$WINEPREFIX/dosdevices/com7"; }
read -r _ <&"${simulator[0]}"
swept=$(wine "$exe" --sweep COM7 --json 145 2>/dev/null | tr -d '\r')
kill "$simulator_PID" 2>/dev/null; wait "$simulator_PID" 2>/dev/null || true
measured=$(wine "$exe" --measured "$(winepath -w "$work/load.s1p" 2>/dev/null)" --json 145 2>/dev/null | tr -d '\r')
/usr/bin/python3 -c '
import json, sys
s, m = json.loads(sys.argv[1]), json.loads(sys.argv[2])
drop = lambda o: {k: v for k, v in o.items() if k not in ("file", "device")}
sys.exit(0 if drop(s) == drop(m) and s["device"]["port"] == "COM7" and s["device"]["model"] == "NanoVNA-H"
         else "FAIL: the sweep on COM7 says " + sys.argv[1] + " where the file says " + sys.argv[2])' "$swept" "$measured" ||
    exit 1
echo "PASS: a NanoVNA on COM7 swept, its figures as the same data's from a file"

wine "$exe" >/dev/null 2>&1 &
app=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tolvera$' | head -1) ||
    fail "no window titled Tolvera appeared"
sleep 1
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$size" = 257x362 ] || fail "the window is $size, not 257x362"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
keys() { xdotool key --clearmodifiers --delay 80 "$@"; sleep 0.3; }

# From the button, five Tabs reach the frequency, which Tab selects whole.
keys Tab Tab Tab Tab Tab
xdotool type --delay 80 145
keys alt+c
sleep 0.5
read_box() { keys Tab ctrl+c; xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }
d=$(read_box); c=$(read_box); b=$(read_box); a=$(read_box)
keys Tab # the frequency
e=$(read_box)
[ "$a $b $c $d $e" = "1481.96 491.88 48.35 46.25 1993.84" ] || fail "145 MHz reads: $a $b $c $d $e"
echo "PASS: the window calculates 145 MHz and its results copy out: $a $b $c $d $e"

# Ctrl+S saves the cut sheet where Windows' own dialog is told to.
sheet=$work/sheet.pdf
keys ctrl+s
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^保存尺寸图$' | head -1) ||
    fail "Ctrl+S opened no 保存尺寸图 dialog"
sleep 1
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
keys Home shift+End BackSpace
xdotool type --delay 30 "$(winepath -w "$sheet")"
keys Return
for _ in $(seq 50); do [ -s "$sheet" ] && break; sleep 0.2; done
[ -s "$sheet" ] || fail "no cut sheet saved"
sleep 1
text=$(pdftotext "$sheet" - | tr -s ' \n' ' ')
for want in "J型天线 145 MHz" "A 1481.96 毫米" "B 491.88 毫米" "C 48.35 毫米" "D 46.25 毫米" "E 1993.84 毫米"; do
    grep -qF "$want" <<<"$text" || fail "the cut sheet lacks \"$want\": $text"
done
[ "$(pdfinfo "$sheet" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "the cut sheet is not one page"
fonts=$(pdffonts "$sheet" | tail -n +3)
[ "$(wc -l <<<"$fonts")" = 1 ] && grep -q '^TolveraUMing .* yes ' <<<"$fonts" || fail "the cut sheet's fonts: $fonts"
pdftoppm -r 200 -png -singlefile "$sheet" "${sheet%.pdf}"
tube=$(convert "${sheet%.pdf}.png" -format '%[fx:int(255*u.p{868,834}.r)] %[fx:int(255*u.p{868,834}.b)]' info:)
read -r red blue <<<"$tube"
[ "$red" -gt 150 ] && [ "$blue" -lt 100 ] || fail "no copper tube on the cut sheet (red $red, blue $blue)"
echo "PASS: Ctrl+S saves a one-page cut sheet with the diagram, the values and the embedded face"

# An input error: typing a letter over the frequency opens 出错啦...
xdotool windowactivate --sync "$window" 2>/dev/null || true
keys shift+Tab
xdotool type --delay 80 a
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^出错啦\.\.\.$' | head -1) ||
    fail "no 出错啦... box for a letter"
keys Return
sleep 0.5
! xdotool search --onlyvisible --name '^出错啦\.\.\.$' >/dev/null || fail "the box did not close on Enter"
echo "PASS: a letter in the frequency gets the 出错啦... box, and Enter closes it"

xdotool windowactivate --sync "$window" 2>/dev/null || true
keys alt+F4
for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.2; done
! kill -0 $app 2>/dev/null || fail "Alt+F4 did not end the program"
echo "PASS: Alt+F4 ends it"

# The installer: Program Files\Tolvera, a Start-menu shortcut, licences,
# Apps & features; the uninstaller leaves nothing.
installer=$(ls "$build"/tolvera-*-windows-x64.exe 2>/dev/null | head -1)
[ -n "$installer" ] || fail "no installer in $build (scripts/windows.sh makes it)"
grep -q 'PE32+' <<<"$(file "$installer")" || fail "the installer is not a 64-bit program"
grep -qF "ProductVersion|$TOLVERA_VERSION" <<<"$(wrestool -x --raw -t 16 "$installer" | strings -e l | paste -sd '|')" ||
    fail "the installer does not say version $TOLVERA_VERSION"
wine "$installer" /S >/dev/null 2>&1
wineserver -w
dir=$(winepath -u 'C:\Program Files\Tolvera')
for file in tolvera.exe nec2c.exe LICENSE.txt LICENSE-font.txt THIRD-PARTY-NOTICES.txt Uninstall.exe \
            nec2c/COPYING.txt nec2c/copyright.txt nec2c/source/nec2c-mingw.patch; do
    [ -f "$dir/$file" ] || fail "the installer put no $file in Program Files\\Tolvera"
done
grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$dir/THIRD-PARTY-NOTICES.txt" || fail "no LGPL in the notices"
grep -q 'GNU GENERAL PUBLIC LICENSE' "$dir/nec2c/COPYING.txt" || fail "nec2c's GPL is not beside it"
ls "$dir"/nec2c/source/nec2c_*.orig.tar.* >/dev/null 2>&1 || fail "nec2c's source is not beside it"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Tolvera.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut named Tolvera"
version=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvera' /v DisplayVersion 2>/dev/null | tr -d '\r' | awk '/DisplayVersion/ {print $3}')
[ "$version" = "$TOLVERA_VERSION" ] || fail "Apps & features shows version '$version'"
wine "$dir/Uninstall.exe" /S >/dev/null 2>&1
wineserver -w
sleep 2
[ ! -e "$dir/tolvera.exe" ] && [ ! -e "$dir/nec2c.exe" ] || fail "the uninstaller left tolvera.exe or nec2c.exe"
[ -z "$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Tolvera.lnk')" ] || fail "the uninstaller left the shortcut"
! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvera' >/dev/null 2>&1 ||
    fail "the uninstaller left the Apps & features entry"
echo "PASS: the installer installs into Program Files\\Tolvera with a shortcut and licences; the uninstaller removes them"
