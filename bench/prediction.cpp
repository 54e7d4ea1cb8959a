// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// The time of one whole prediction (the sweep, the pattern, the search for
// the tube's lengths and the trim figure) against one plain nec2c sweep of
// the same antenna, and of the prediction of the J where it stands (coax,
// a metal mast, 10 m over average ground), run alternately in one process;
// and the reading of an analyser's file of 10,001 points, and the refusal
// of one of 100 MB.
//   bench/prediction [runs]      (default 10)
#include "median.h"

#include "antenna/installation.h"
#include "antenna/jpole.h"
#include "antenna/nec2c.h"
#include "antenna/prediction.h"
#include "antenna/touchstone.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename Fn>
double milliseconds(Fn fn)
{
    QElapsedTimer timer;
    timer.start();
    fn();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const antenna::JPole j{1481.96, 491.88, 48.35, 46.25, antenna::defaultTube}; // 145 MHz
    const antenna::Nec2c nec2c;
    const auto model = antenna::jStructure(j, antenna::segmentation(j, 145));
    // A plain sweep: the same 101 points in one nec2c run, as a user would run it.
    const antenna::Simulation plain{model, {antenna::bandAround(145), false, std::nullopt}};

    antenna::Installation standing;
    standing.ground = antenna::GroundKind::Average;
    standing.height = 10;
    standing.mast = 40;
    standing.coax = 5;
    std::vector<double> sweeps, predictions, installed;
    for (int i = 0; i < runs; ++i) {
        sweeps.push_back(milliseconds([&] {
            if (!std::holds_alternative<antenna::Solution>(nec2c.solve(plain)))
                std::exit(1);
        }));
        predictions.push_back(milliseconds([&] {
            if (!std::holds_alternative<antenna::Prediction>(antenna::predict(j, 145, nec2c)))
                std::exit(1);
        }));
        installed.push_back(milliseconds([&] {
            if (!std::holds_alternative<antenna::Prediction>(antenna::predict(j, 145, nec2c, {}, standing)))
                std::exit(1);
        }));
    }
    const double sweep = median(sweeps), prediction = median(predictions), where = median(installed);
    std::printf("145 MHz, 15 mm tube, %d segments, %d runs each (medians)\n", model.segments(), runs);
    std::printf("plain nec2c sweep (101 points, one run)   %7.1f ms\n", sweep);
    std::printf("whole prediction                          %7.1f ms\n", prediction);
    std::printf("prediction / plain sweep                  %7.2fx\n", prediction / sweep);
    std::printf("where it stands: coax 5 mm, mast 40 mm, 10 m over average ground (%d segments)\n",
                antenna::installedStructure(j, antenna::segmentation(j, 145), standing, 145).structure.segments());
    std::printf("whole prediction                          %7.1f ms\n", where);
    std::printf("where it stands / in free space           %7.2fx\n", where / prediction);

    // An analyser's sweep of 10,001 points, and a file of 100 MB.
    QTemporaryDir dir;
    const auto big = dir.filePath(QStringLiteral("sweep.s1p"));
    {
        QFile file(big);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write("! NanoVNA-Saver\n# Hz S RI R 50\n");
        for (int i = 0; i <= 10000; ++i)
            file.write(QByteArray::number(qint64(100000000) + qint64(i) * 10000) + " 0.123456789 -0.0987654321\n");
    }
    std::vector<double> reads;
    for (int i = 0; i < std::max(runs, 20); ++i) {
        reads.push_back(milliseconds([&] {
            if (!std::holds_alternative<antenna::TouchstoneFile>(antenna::readTouchstone(big)))
                std::exit(1);
        }));
    }
    const auto huge = dir.filePath(QStringLiteral("huge.s1p"));
    {
        QFile file(huge);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write("# Hz S RI R 50\n");
        file.resize(100 * 1024 * 1024); // sparse
    }
    const double refusal = milliseconds([&] { antenna::readTouchstone(huge); });
    std::printf("reading a Touchstone file of 10,001 points %7.2f ms\n", median(reads));
    std::printf("refusing a file of 100 MB                 %7.3f ms\n", refusal);
    return 0;
}
