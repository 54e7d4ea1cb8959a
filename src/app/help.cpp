// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "help.h"

#include "words/words.h"

QString helpText()
{
    return Tolvera::tr("Usage: tolvera [--help | --version | FREQUENCY...]\n"
                           "       tolvera --predict [--tube MM] [INSTALLATION] [--json] FREQUENCY...\n"
                           "       tolvera --measured FILE [--tube MM] [--json] [FREQUENCY]\n"
                           "       tolvera --sweep PORT [--points N] [--save FILE.s1p] [--tube MM] [--json] FREQUENCY\n"
                           "J antenna calculator: type the transmit frequency in MHz, press\n"
                           "\"输出结果(Count)\" (Alt+C) and read the cut lengths A to D and the total\n"
                           "tube length E in millimetres.\n"
                           "With frequencies in MHz (tolvera 145 433.5), prints A to E for each\n"
                           "instead of opening the window; a frequency the window would reject gets\n"
                           "the window's message on standard error and exit status 1.\n"
                           "With --predict, simulates each antenna as calculated with nec2c (NEC-2,\n"
                           "in free space unless told where it stands) and prints its SWR, impedance\n"
                           "and gain, and the lengths corrected for the tube.\n"
                           "With --measured, reads an analyser's sweep (Touchstone .s1p or .s2p) and\n"
                           "prints its lowest SWR and SWR <= 2 band and, with a frequency, how much\n"
                           "to cut off A and B (or add) to resonate there.\n"
                           "With --sweep, sweeps the NanoVNA at PORT (/dev/ttyACM0, COM3, or auto)\n"
                           "from 0.95 to 1.05 times the frequency and prints what --measured prints.\n"
                           "\n"
                           "  --predict      simulate instead of only calculating\n"
                           "  --measured FILE  read an analyser's sweep\n"
                           "  --sweep PORT   sweep an analyser\n"
                           "  --points N     points of the sweep (as many as the analyser gives in one scan)\n"
                           "  --save FILE    save the sweep as Touchstone\n"
                           "  --tube MM      the tube's outside diameter in mm (15 if not given)\n"
                           "  --json         print the predictions (one array) or the sweep as JSON\n"
                           "  -h, --help     show this help and exit\n"
                           "  -v, --version  show the version and exit\n"
                           "Where it stands (INSTALLATION, with --predict):\n"
                           "  --as-built A,B,C,D  the lengths actually built, in mm\n"
                           "  --ground KIND  free (the default), perfect, average, poor, good or sea\n"
                           "  --height M     the J's bottom above the ground (10); in free space, the\n"
                           "                 mast and coax below it\n"
                           "  --mast MM      a metal mast of this outside diameter, from the bend down\n"
                           "  --coax MM      the coax's outside diameter (RG-58 about 5)\n"
                           "  --choke OHMS   a choke on the coax\n"
                           "  --choke-at M   its place below the J's bottom (0)\n");
}
