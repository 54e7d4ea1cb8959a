// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"
#include "antenna/prediction.h"
#include "antenna/trimlog.h"
#include "calc/calculation.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace ui {

class Document;

// What a builder takes to the workshop: one calculation's dimensions on
// the diagram and in a table, on one page.
struct CutSheet
{
    calc::Calculated results; // the frequency as calculated, A to E as the boxes show them
    QDate date;
    std::optional<antenna::Prediction> prediction; // of these results, when one was made
    std::vector<antenna::Measurement> measured;    // analyser sweeps, the last one latest
    std::optional<antenna::TrimFigure> trim;       // the builder's own, or the model's
    antenna::TrimLog log;                          // the cuts made
};

// The sheet of what the document holds, if it holds results.
std::optional<CutSheet> cutSheetOf(const Document &document, const QDate &date);

// Draws the sheet as large as fits in page, keeping an A4 page's shape.
void paintCutSheet(QPainter &painter, const QRectF &page, const CutSheet &sheet);

// Saves a PNG for a name ending in .png, a PDF otherwise. False when the
// file cannot be written.
bool saveCutSheet(const CutSheet &sheet, const QString &fileName);

// The name the save dialog proposes: "J型天线-145MHz.pdf".
QString cutSheetFileName(const CutSheet &sheet);

} // namespace ui
