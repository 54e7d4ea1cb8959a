// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "help.h"

#include "words/words.h"

QString helpText()
{
    return Tolvera::tr("Usage: tolvera [--help | --version | FREQUENCY...]\n"
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
                           "  -v, --version  show the version and exit\n");
}
