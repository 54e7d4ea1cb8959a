// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "help.h"

namespace {

constexpr char helpEnglish[] =
    "Usage: tolvera [--help | --version | FREQUENCY...]\n"
    "       tolvera --predict [--tube MM] [--json] FREQUENCY...\n"
    "       tolvera --measured FILE [--tube MM] [--json] [FREQUENCY]\n"
    "J antenna calculator: type the transmit frequency in MHz, press\n"
    "\"输出结果(Count)\" (Alt+C) and read the cut lengths A to D and the total\n"
    "tube length E in millimetres.\n"
    "With frequencies in MHz (tolvera 145 433.5), prints A to E for each\n"
    "instead of opening the window; a frequency the window would reject gets\n"
    "the window's message on standard error and exit status 1.\n"
    "With --predict, simulates each antenna as calculated with nec2c (NEC-2,\n"
    "free space: no ground, mast or coax) and prints its SWR, impedance and\n"
    "gain, and the lengths corrected for the tube.\n"
    "With --measured, reads an analyser's sweep (Touchstone .s1p or .s2p) and\n"
    "prints its lowest SWR and SWR <= 2 band and, with a frequency, how much\n"
    "to cut off A and B (or add) to resonate there.\n"
    "\n"
    "  --predict      simulate instead of only calculating\n"
    "  --measured FILE  read an analyser's sweep\n"
    "  --tube MM      the tube's outside diameter in mm (15 if not given)\n"
    "  --json         print the predictions (one array) or the sweep as JSON\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n";

constexpr char helpChinese[] =
    "用法：tolvera [--help | --version | 频率...]\n"
    "      tolvera --predict [--tube 毫米] [--json] 频率...\n"
    "      tolvera --measured 文件 [--tube 毫米] [--json] [频率]\n"
    "J型天线计算器：输入发射频率（MHz），按“输出结果(Count)”（Alt+C），\n"
    "即得各段尺寸 A 至 D 和管材总长度 E（毫米）。\n"
    "给出频率（MHz，如 tolvera 145 433.5）时不打开窗口，逐个输出 A 至 E；\n"
    "窗口不接受的频率在标准错误输出窗口的提示，退出状态为 1。\n"
    "加 --predict 时用 nec2c（NEC-2，自由空间：未计地面、桅杆和电缆）模拟\n"
    "按计算结果制作的天线，输出驻波比、阻抗、增益和按管径修正的尺寸。\n"
    "加 --measured 时读取分析仪的扫频文件（Touchstone .s1p 或 .s2p），输出\n"
    "最低驻波比和驻波比≤2 的频段；给出频率时还输出 A、B 应剪短（或加长）多少。\n"
    "\n"
    "  --predict      模拟性能，而不只是计算尺寸\n"
    "  --measured 文件  读取分析仪的扫频文件\n"
    "  --tube 毫米    管材外径（毫米，默认 15）\n"
    "  --json         以 JSON 输出预测（一个数组）或扫频\n"
    "  -h, --help     显示本帮助并退出\n"
    "  -v, --version  显示版本并退出\n";

} // namespace

const char *helpText(bool chinese) { return chinese ? helpChinese : helpEnglish; }
