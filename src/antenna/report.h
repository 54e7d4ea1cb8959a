// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/prediction.h"

#include <QString>
#include <QStringList>

namespace antenna {

// A prediction's figures as the window, the cut sheet and the command line
// say them, in Chinese or English; `frequency` as the user wrote it.
struct Figures
{
    QString model;   // what was modelled, and what not
    QString atF;     // SWR and impedance at f
    QString lowest;  // the lowest SWR and where
    QString band;    // where the SWR stays at or below 2
    QString gain;    // free-space gain
    QString trim;    // what 10 mm off A does
};

Figures figures(const Prediction &p, const QString &frequency, bool chinese);

// The lengths for the tube, A to E with the formula's in brackets, the
// values aligned: "A  1491.67 毫米（1481.96）"; a heading first.
QStringList lengthRows(const Prediction &p, bool chinese);

// "1.35", or "∞" for all reflected.
QString swrText(double swr);

// A number with so many decimals, whatever the locale: "146.295".
QString decimals(double v, int places);

// The prediction as a screen reader announces it when it arrives.
QString spokenPrediction(const Prediction &p, const QString &frequency);

} // namespace antenna
