#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
"""Mutation run over the antenna layer (src/antenna): how many plausible
mistakes does tests/test_antenna catch?

Each mutant below is one slip a developer could make: a file, a piece of
its text exactly as it stands, what the slip turns it into, and what the
slip is. The source tree is copied once to a temporary folder (the tree
itself is never touched, so this is safe on a working checkout); the copy
is configured into the build folder, built and tested once unmutated, then
for each mutant the file in the copy is patched, test_antenna rebuilt
incrementally and run (120 s at most), and the file restored. A mutant is
killed when the build fails, the test fails or it runs out of time, and
survives otherwise. A table and the kill ratio are printed at the end.

    scripts/mutants.py [SOURCE [BUILD]] [-j N] [--only ID ...] [--list]

SOURCE defaults to the repository this script sits in, BUILD to
SOURCE/build/mutants (emptied and configured afresh at each run). The test
needs nec2c on PATH. A run takes some 25 minutes with -j2.
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

TEST_TIMEOUT = 120  # s
BUILD_TIMEOUT = 900  # s

A = "src/antenna/"

# (id, file, original text, mutated text, the mistake)
MUTANTS = [
    # structure.cpp: segments and their numbering, validity
    ("structure-centre", A + "structure.cpp",
     "const double t = (segment - 0.5) / segments;",
     "const double t = double(segment) / segments;",
     "a segment's centre taken at its far end"),
    ("structure-absolute", A + "structure.cpp",
     "for (int i = 0; i < at.tag - 1 && std::size_t(i) < all.size(); ++i)",
     "for (int i = 0; i < at.tag && std::size_t(i) < all.size(); ++i)",
     "absolute segment number counts the wire's own segments too (off by one wire)"),
    ("structure-below-ground", A + "structure.cpp",
     "&& !(overGround && (w.from.z < 0 || w.to.z < 0));",
     "&& !(overGround && w.from.z < 0);",
     "only a wire's start checked against the ground"),

    # deck.cpp: the cards
    ("deck-gn-type", A + "deck.cpp",
     "cards.gn(ground.method == Ground::Method::SommerfeldNorton ? 2 : 0,",
     "cards.gn(ground.method == Ground::Method::SommerfeldNorton ? 0 : 2,",
     "GN types of the two finite-ground methods swapped"),
    ("deck-pt-flag", A + "deck.cpp",
     "cards.pt(request.currents ? 0 : -1);",
     "cards.pt(request.currents ? -1 : 0);",
     "PT flag inverted: currents printed when not asked, not when asked"),
    ("deck-load-range", A + "deck.cpp",
     "cards.ld(0, load.at.tag, load.at.segment, load.at.segment,",
     "cards.ld(0, load.at.tag, 0, 0,",
     "LD card loads every segment of the wire, not the one segment"),

    # necoutput.cpp: reading nec2c's output
    ("necout-columns", A + "necoutput.cpp",
     "const auto r = number(t[6]), x = number(t[7]);",
     "const auto r = number(t[4]), x = number(t[5]);",
     "feed impedance read from the current's columns"),
    ("necout-feed-segment", A + "necoutput.cpp",
     "*segment == feedSegment && !found",
     "*segment == structure.feed().segment && !found",
     "source looked for by its segment on the wire, not NEC's absolute number"),
    ("necout-wire-boundary", A + "necoutput.cpp",
     "*number1 >= first + structure.wire(tag).segments)",
     "*number1 > first + structure.wire(tag).segments)",
     "a wire's first segment counted on the wire before (< for <=)"),

    # nec2c.cpp: running the program
    ("nec2c-timeout-unit", A + "nec2c.cpp",
     "Problem::timedOut(milliseconds / 1000.0)",
     "Problem::timedOut(milliseconds)",
     "time-out reported in milliseconds as if seconds"),
    ("nec2c-crash-check", A + "nec2c.cpp",
     "        if (p.exitStatus() == QProcess::CrashExit)\n"
     "            return Problem::failed(QStringLiteral(\"crashed\"));\n",
     "",
     "a crash not told apart from a failing exit"),

    # jpole.cpp: the J's refusal, segmentation and wires
    ("jpole-refine-odd", A + "jpole.cpp",
     "return odd ? refinement * (n - 1) + 1 : refinement * n;",
     "return refinement * n;",
     "refining doubles the feed wire's count, which loses its middle segment"),
    ("jpole-invalid-kind", A + "jpole.cpp",
     "positive(j.tube / 2000) ? Problem::Kind::BadLengths : Problem::Kind::BadTube",
     "positive(j.tube / 2000) ? Problem::Kind::BadTube : Problem::Kind::BadLengths",
     "a tube too thin for a wire blamed on the lengths"),
    ("jpole-wavelength-unit", A + "jpole.cpp",
     "const double wavelength = speedOfLight / mhz * 1000; // mm",
     "const double wavelength = speedOfLight / mhz; // mm",
     "segmentation's wavelength in metres where millimetres are meant"),

    # installation.cpp: the J where it stands
    ("install-choke-segment", A + "installation.cpp",
     "w.choke = SegmentRef{tag, 1};",
     "w.choke = SegmentRef{tag, s.wire(tag).segments};",
     "choke on the last segment of its piece of coax, not the first"),
    ("install-coax-step", A + "installation.cpp",
     "w.coaxStep = s.addWire({0, 0, c}, {x, 0, c}, radius, 1, copper);",
     "w.coaxStep = s.addWire({0, 0, c}, {x, 0, c}, radius, cut.feed, copper);",
     "coax step cut like the feed wire instead of one segment"),
    ("install-mast-cut", A + "installation.cpp",
     "segmentsBetween(cuts[i], cuts[i + 1]), aluminium)",
     "segmentsOf(cuts[i] - cuts[i + 1], lambda / longSegmentsPerWavelength, *inst.mast / 2000, refinement), aluminium)",
     "mast cut on its own, coarsely, not at the coax's heights"),
    ("install-near-ground-unit", A + "installation.cpp",
     "lowest < nearGround * wavelength(mhz) ? Ground::Method::SommerfeldNorton",
     "lowest < nearGround ? Ground::Method::SommerfeldNorton",
     "Sommerfeld-Norton threshold in metres, not wavelengths"),
    ("install-average-ground", A + "installation.cpp",
     "return {13, 0.005};",
     "return {13, 0.05};",
     "average ground's conductivity ten times too high"),
    ("install-end-zone", A + "installation.cpp",
     "const bool nearEnd = bottom >= h - clamp - zone - 1e-9",
     "const bool nearEnd = bottom >= h - zone - 1e-9",
     "fine end zone measured from the bend, forgetting the clamp"),
    ("install-choke-above", A + "installation.cpp",
     "|| inst.chokeAt < 0 || inst.chokeAt >= inst.height)",
     "|| inst.chokeAt >= inst.height)",
     "refusal misses a choke above the J's bottom (negative distance)"),

    # prediction.cpp: the search, the installed curve, the figures
    ("predict-golden-update", A + "prediction.cpp",
     "c = b - golden * (b - a);\n                fc = fn(c);",
     "c = a + golden * (b - a);\n                fc = fn(c);",
     "golden-section: new inner point placed from the wrong end"),
    ("predict-move-up", A + "prediction.cpp",
     "} else if (hi - x < 2 * tol && hi < ceiling) {",
     "} else if (hi - x < 2 * tol && hi > ceiling) {",
     "search never moves its interval up when the least lies at its top"),
    ("predict-neighbours", A + "prediction.cpp",
     "const auto p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);",
     "const auto p0 = at(i), p1 = at(i + 1), p2 = at(i + 2), p3 = at(i + 3);",
     "interpolation of the installed difference one sample off"),
    ("predict-sample-stride", A + "prediction.cpp",
     "free.points[i * sampleEvery].z",
     "free.points[i].z",
     "difference taken against the wrong free-space point (stride forgotten)"),
    ("predict-sample-count", A + "prediction.cpp",
     "(band.points - 1) / sampleEvery + 1};",
     "band.points / sampleEvery};",
     "one sample too few across the band (fence-post)"),
    ("predict-choke-profile", A + "prediction.cpp",
     "profileOf(currents, w.coaxBelow, feed, there.bottom, chokeBelow);",
     "profileOf(currents, w.coaxBelow, feed, there.bottom);",
     "coax current's largest taken above the choke too"),
    ("predict-at5-theta", A + "prediction.cpp",
     "if (g.theta == 85)",
     "if (g.theta == 5)",
     "gain 5 degrees up read 5 degrees from the zenith"),
    ("predict-trim-sign", A + "prediction.cpp",
     "scaled(p.corrected, 1 - trimFraction, p.corrected.c);",
     "scaled(p.corrected, 1 + trimFraction, p.corrected.c);",
     "trim figure from a J made longer, not shorter"),
    ("predict-resettle", A + "prediction.cpp",
     "            atF = moved;\n",
     "",
     "installation's effect at f not updated before searching again"),
    ("predict-atf-sign", A + "prediction.cpp",
     "feed.front().z + atF);",
     "feed.front().z - atF);",
     "installation's effect subtracted in the search, not added"),

    # touchstone.cpp: the reader
    ("touch-z-formula", A + "touchstone.cpp",
     "return (v - 1.0) / (v + 1.0);",
     "return (1.0 - v) / (1.0 + v);",
     "Z converted to S with the Y formula"),
    ("touch-y-scale", A + "touchstone.cpp",
     "v *= scale;",
     "v /= scale;",
     "version 2 Y in siemens divided by z0 instead of multiplied"),
    ("touch-default-unit", A + "touchstone.cpp",
     "double hertz = 1e9; // per unit",
     "double hertz = 1e6; // per unit",
     "default frequency unit MHz instead of GHz"),
    ("touch-db", A + "touchstone.cpp",
     "a = std::pow(10.0, a / 20);",
     "a = std::pow(10.0, a / 10);",
     "dB taken as a power ratio"),
    ("touch-lower-matrix", A + "touchstone.cpp",
     "pairsPerLine = ports == 2 ? 3 : 1;",
     "pairsPerLine = ports == 2 ? 4 : 1;",
     "a two-port lower/upper matrix read as full"),
    ("touch-r-positive", A + "touchstone.cpp",
     "if (!z0 || *z0 <= 0)",
     "if (!z0)",
     "option line accepts R 0 or a negative reference"),

    # trimlog.cpp: the builder's own trim figure, saving and opening
    ("trimlog-cumulative", A + "trimlog.cpp",
     "        sx += cutA;\n        sy += y;\n        sxx += cutA * cutA;\n        sxy += cutA * y;",
     "        sx += kept[i].cutA;\n        sy += y;\n        sxx += kept[i].cutA * kept[i].cutA;\n"
     "        sxy += kept[i].cutA * y;",
     "least squares against each step's cut, not the cut so far"),
    ("trimlog-first-step", A + "trimlog.cpp",
     "if (i > 0) { // what the first",
     "if (true) { // what the first",
     "cut before the first sweep counted in B's proportion"),
    ("trimlog-hz", A + "trimlog.cpp",
     "std::llround(p.mhz * 1e6)",
     "std::llround(p.mhz * 1e3)",
     "sweep saved in kHz under a Hz option line"),
    ("trimlog-outside", A + "trimlog.cpp",
     "if (name.isEmpty() || name.contains(QLatin1Char('/')) || ",
     "if (name.isEmpty() || ",
     "index may name a sweep by an absolute path outside the folder"),

    # swr.cpp
    ("swr-parabola", A + "swr.cpp",
     "s.best.swr = std::max(1.0, y1 + q * x + p * x * x);",
     "s.best.swr = std::max(1.0, y1 - q * x + p * x * x);",
     "sign slip in the parabola's value at its vertex"),
    ("swr-edge", A + "swr.cpp",
     "s.bestAtEdge = i == 0 || i + 1 == curve.size();",
     "s.bestAtEdge = i == 0 || i == curve.size();",
     "lowest at the last point not seen as the edge (off by one)"),
    ("swr-infinite", A + "swr.cpp",
     "return std::max(a.swr, b.swr);",
     "return std::min(a.swr, b.swr);",
     "between an infinite and a finite SWR, the finite one taken"),

    # oneport.cpp
    ("oneport-swapped", A + "oneport.cpp",
     "renormalised(points[i].gamma, z0, referenceOhms)",
     "renormalised(points[i].gamma, referenceOhms, z0)",
     "renormalisation's from and to swapped"),
    ("between-weight", A + "between.h",
     "return mix(a, b, (mhz - a.mhz) / (b.mhz - a.mhz));",
     "return mix(a, b, (b.mhz - mhz) / (b.mhz - a.mhz));",
     "a curve interpolated with the weight from the wrong neighbour"),

    # feedcurve.cpp
    ("feedcurve-base", A + "feedcurve.cpp",
     "return a.z + t * (b.z - a.z);",
     "return b.z + t * (b.z - a.z);",
     "interpolation starts from the wrong neighbour"),

    # measurement.cpp
    ("measure-cut-sign", A + "measurement.cpp",
     "const double a = (targetMhz - measuredMhz) / trim.mhzPer10mmOfA * 10;",
     "const double a = (measuredMhz - targetMhz) / trim.mhzPer10mmOfA * 10;",
     "cut advice with the wrong sign: cut where it should add"),
]


def check(tree):
    """Every original text once in its file, every id once; the problems found."""
    problems = []
    seen = set()
    for ident, path, original, mutated, _ in MUTANTS:
        if ident in seen:
            problems.append(f"{ident}: the id is used twice")
        seen.add(ident)
        if original == mutated:
            problems.append(f"{ident}: the mutated text is the original")
        try:
            text = (tree / path).read_text(encoding="utf-8")
        except OSError as e:
            problems.append(f"{ident}: cannot read {path}: {e}")
            continue
        count = text.count(original)
        if count != 1:
            problems.append(f"{ident}: its original text occurs {count} times in {path}, not once")
    return problems


def run(command, cwd, timeout, env=None, log=None):
    """Runs a command in its own process group; 'ok', 'failed' or 'timeout'."""
    with open(log, "ab") if log else open(os.devnull, "wb") as out:
        process = subprocess.Popen(command, cwd=cwd, env=env, stdout=out, stderr=subprocess.STDOUT,
                                   start_new_session=True)
        try:
            code = process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)  # the test and any nec2c it started
            process.wait()
            return "timeout"
        finally:
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
    return "ok" if code == 0 else "failed"


def prepare_build(build):
    """An empty build folder, or a CMake one emptied; refuses anything else."""
    if build.exists() and any(build.iterdir()):
        if not (build / "CMakeCache.txt").exists():
            sys.exit(f"{build} holds files but no CMakeCache.txt: not emptying it")
        shutil.rmtree(build)
    build.mkdir(parents=True, exist_ok=True)


def main():
    here = Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("source", nargs="?", type=Path, default=here, help="the source tree (default: %(default)s)")
    parser.add_argument("build", nargs="?", type=Path, help="the build folder (default: SOURCE/build/mutants)")
    parser.add_argument("-j", "--jobs", type=int, default=2, help="parallel compile jobs (default: %(default)s)")
    parser.add_argument("--only", nargs="+", metavar="ID", help="run only these mutants")
    parser.add_argument("--list", action="store_true", help="list the mutants and check them, then stop")
    args = parser.parse_args()
    source = args.source.resolve()
    build = (args.build or source / "build" / "mutants").resolve()

    problems = check(source)
    if problems:
        print("\n".join(problems), file=sys.stderr)
        sys.exit(2)
    mutants = MUTANTS
    if args.only:
        unknown = set(args.only) - {m[0] for m in MUTANTS}
        if unknown:
            sys.exit(f"no such mutant: {', '.join(sorted(unknown))}")
        mutants = [m for m in MUTANTS if m[0] in args.only]
    if args.list:
        for ident, path, _, _, what in mutants:
            print(f"{ident:26} {Path(path).name:18} {what}")
        print(f"{len(mutants)} mutants, each original text once in its file")
        return

    started = time.monotonic()
    scratch = Path(tempfile.mkdtemp(prefix="tolvera-mutants-"))
    tree = scratch / "tree"
    # The tree without its build folders and version control: what the build needs.
    shutil.copytree(source, tree, symlinks=True,
                    ignore=shutil.ignore_patterns(".git", "build", "build-*", "__pycache__"))
    prepare_build(build)
    log = build / "mutants.log"
    env = dict(os.environ)
    test_tmp = scratch / "tmp"  # the test checks that nothing stays behind in TMPDIR: its own
    runtime = scratch / "runtime"
    test_tmp.mkdir()
    runtime.mkdir(mode=0o700)
    env.update(TMPDIR=str(test_tmp), XDG_RUNTIME_DIR=str(runtime), QT_QPA_PLATFORM="offscreen")
    build_command = ["cmake", "--build", str(build), "--target", "test_antenna", "-j", str(args.jobs)]
    test_command = [str(build / "tests" / "test_antenna")]

    try:
        print(f"copied {source} to {tree}; building in {build} (log: {log})", flush=True)
        if run(["cmake", "-S", str(tree), "-B", str(build), "-DBUILD_TESTING=ON"], tree, BUILD_TIMEOUT,
               log=log) != "ok":
            sys.exit(f"cmake could not configure the copy: see {log}")
        if run(build_command, tree, BUILD_TIMEOUT, log=log) != "ok":
            sys.exit(f"the unmutated copy does not build: see {log}")
        baseline = time.monotonic()
        if run(test_command, build, TEST_TIMEOUT, env=env, log=log) != "ok":
            sys.exit(f"test_antenna fails without any mutant: see {log}")
        print(f"unmutated: built and passing, the test in {time.monotonic() - baseline:.0f} s", flush=True)

        results = []
        for n, (ident, path, original, mutated, what) in enumerate(mutants, 1):
            file = tree / path
            text = file.read_text(encoding="utf-8")
            file.write_text(text.replace(original, mutated, 1), encoding="utf-8")
            t0 = time.monotonic()
            try:
                with open(log, "a") as out:
                    out.write(f"\n==== {ident}: {what}\n")
                built = run(build_command, tree, BUILD_TIMEOUT, log=log)
                if built != "ok":
                    verdict, how = "killed", "build " + ("fails" if built == "failed" else "times out")
                else:
                    tested = run(test_command, build, TEST_TIMEOUT, env=env, log=log)
                    verdict = "survived" if tested == "ok" else "killed"
                    how = {"ok": "test passes", "failed": "test fails", "timeout": "test times out"}[tested]
            finally:
                file.write_text(text, encoding="utf-8")
            seconds = time.monotonic() - t0
            results.append((ident, Path(path).name, verdict, how, seconds, what))
            print(f"[{n:2}/{len(mutants)}] {verdict:8} {ident:26} {how:15} {seconds:5.0f} s", flush=True)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    print()
    print(f"{'mutant':26} {'file':18} {'verdict':8} {'how':15} mistake")
    print("-" * 100)
    for ident, name, verdict, how, _, what in results:
        print(f"{ident:26} {name:18} {verdict:8} {how:15} {what}")
    killed = sum(1 for r in results if r[2] == "killed")
    total = len(results)
    print("-" * 100)
    print(f"killed {killed} of {total} ({100 * killed / total:.0f} %), "
          f"survived {total - killed}; {time.monotonic() - started:.0f} s in all")
    survivors = [r[0] for r in results if r[2] == "survived"]
    if survivors:
        print("survivors: " + " ".join(survivors))


if __name__ == "__main__":
    main()
