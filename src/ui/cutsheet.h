// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"
#include "antenna/prediction.h"
#include "calc/boxes.h"
#include "calc/results.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>


class QPainter;
class QRectF;

namespace ui {

// What a builder takes to the workshop: one calculation's dimensions on
// the diagram and in a table, on one page.
struct CutSheet
{
    QString frequency; // as the frequency box showed it when calculated
    calc::ResultTexts values; // A to E, as the result boxes show them
    QDate date;
    std::optional<antenna::Prediction> prediction; // of these results, when one was made
    std::vector<antenna::Measurement> measured;    // analyser sweeps, the last one latest
};

// The sheet of the results the boxes show, for the frequency they show.
CutSheet cutSheetOf(const calc::Boxes &boxes, const QDate &date);

// Draws the sheet as large as fits in page, keeping an A4 page's shape.
void paintCutSheet(QPainter &painter, const QRectF &page, const CutSheet &sheet);

// Saves a PNG for a name ending in .png, a PDF otherwise. False when the
// file cannot be written.
bool saveCutSheet(const CutSheet &sheet, const QString &fileName);

// The name the save dialog proposes: "J型天线-145MHz.pdf".
QString cutSheetFileName(const CutSheet &sheet);

} // namespace ui
