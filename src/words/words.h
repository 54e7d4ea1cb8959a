// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "analyser/analyser.h"
#include "antenna/measurement.h"
#include "antenna/prediction.h"
#include "antenna/problem.h"
#include "antenna/touchstone.h"
#include "antenna/trimlog.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <complex>

// The program's own sentences, in English, translated into Chinese by
// Qt's own machinery (tolvera_zh_CN.ts): Tolvera::tr("…").
class Tolvera
{
    Q_DECLARE_TR_FUNCTIONS(Tolvera)
};

// What the program says of its numbers, in one place for the window, the
// cut sheet and the command line: the window always speaks Chinese, the
// command line as the locale asks.
namespace words {

// Speaks Chinese from now on: loads the translation into the application,
// which must exist. False if it could not be loaded.
bool speakChinese();

// A number with so many decimals, whatever the locale: "146.295".
QString decimals(double v, int places);
// "1.35", or "∞" for all reflected.
QString swrText(double swr);
// "67.4 - j2.8": no minus sign the face lacks.
QString impedance(std::complex<double> z);

// What a prediction says, a line each; those of an installation empty
// where it has none.
struct PredictionFigures
{
    QString model;       // what was modelled, and what not
    QString atF;         // SWR and impedance at f
    QString lowest;      // the lowest SWR and where
    QString band;        // where the SWR stays at or below 2
    QString gain;        // the largest gain, and low down
    QString elevation;   // the take-off angle
    QString groundPlane; // a quarter-wave ground plane beside it, and the difference
    QString freeSpace;   // the same J in free space
    QString coax;        // the common-mode current on the coax, and what it means
    QString mast;        // the current on the mast
    QString trim;        // what 10 mm off A does
};

// `frequency` as the user wrote it.
PredictionFigures figures(const antenna::Prediction &p, const QString &frequency);

// The lengths for the tube, A to E with the formula's in brackets, the
// values aligned: "A  1491.67 毫米（1481.96）"; a heading first.
QStringList lengthRows(const antenna::Prediction &p);

// The prediction as a screen reader announces it when it arrives.
QString spokenPrediction(const antenna::Prediction &p, const QString &frequency);

// What a measured sweep says, a line each.
struct MeasuredFigures
{
    QString lowest;    // "实测 a.s1p：最低驻波比 1.35，在 147.200 MHz"
    QString band;      // where it stays at or below 2
    QString impedance; // R + jX at the lowest SWR
    QString cut;       // what to cut for the target, or that it waits for the prediction
};

// With a trim figure (the model's, or the builder's own), what to cut for `targetMhz`.
MeasuredFigures measuredFigures(const antenna::Measurement &m, const std::optional<antenna::TrimFigure> &trim,
                                double targetMhz);

// A kept sweep of the trim log, the `i`-th: when, what was cut before it,
// where it resonates and how far that moved.
QString keptSweepLine(const antenna::TrimLog &log, std::size_t i);

// The builder's own trim figure beside the model's, where there is one:
// "实测：A 每剪短 10 毫米，谐振升高 0.930 MHz；模型：1.006 MHz".
QString measuredTrimLine(const antenna::TrimFigure &own, const antenna::Prediction *model);

// In words a builder acts on: "A、B 各剪短约 12 毫米", "A 剪短约 12 毫米，B 剪短约
// 4 毫米", "A 加长约 …", or that nothing needs cutting.
QString cutAdvice(const antenna::Cut &cut);

// Why a prediction could not be made.
QString problem(const antenna::Problem &p);

// Why a file could not be read, naming it and the line: "a.s1p 第 3 行：…".
QString touchstoneError(const antenna::TouchstoneError &e, const QString &file);

// What went wrong with an analyser, naming its port: "/dev/ttyACM0: …".
QString analyserFault(const analyser::Fault &fault);

// What a V2's raw ratios are: no calibrated measurement.
QString uncalibrated();

// "mm", "毫米".
QString millimetres();

// The grounds by name: "average ground", "一般地面".
QString groundName(antenna::GroundKind kind);

// The option of the command line a problem of an installation concerns,
// if one does: "--height".
QString optionOf(const antenna::Problem &p);

} // namespace words
