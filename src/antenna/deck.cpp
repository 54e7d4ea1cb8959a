// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/deck.h"

#include <QStringList>

namespace antenna {

namespace {

QString number(double v) { return QString::number(v, 'g', 10); }

// Everything up to the frequency: geometry, kernel, loading, source.
QStringList structure(const Model &model)
{
    QStringList cards{QStringLiteral("CM Tolvera: J antenna in free space, tube centre lines"), QStringLiteral("CE")};
    int tag = 0;
    for (const auto &w : model.wires) {
        cards << QStringLiteral("GW %1 %2 %3 0 %4 %5 0 %6 %7")
                     .arg(++tag)
                     .arg(w.segments)
                     .arg(number(w.x1), number(w.z1), number(w.x2), number(w.z2), number(model.radius));
    }
    cards << QStringLiteral("GE 0") << QStringLiteral("EK");
    if (model.conductivity > 0)
        cards << QStringLiteral("LD 5 0 0 0 %1").arg(number(model.conductivity));
    const auto &feed = model.wires.at(model.feedWire);
    cards << QStringLiteral("EX 0 %1 %2 0 1 0").arg(model.feedWire + 1).arg(feed.segments / 2 + 1);
    cards << QStringLiteral("PT -1"); // no currents: only the input parameters are read
    return cards;
}

QByteArray joined(const QStringList &cards) { return (cards.join(u'\n') + u'\n').toLatin1(); }

} // namespace

QByteArray sweepDeck(const Model &model, const Sweep &sweep)
{
    auto cards = structure(model);
    cards << QStringLiteral("FR 0 %1 0 0 %2 %3").arg(sweep.points).arg(number(sweep.from), number(sweep.step))
          << QStringLiteral("XQ") << QStringLiteral("EN");
    return joined(cards);
}

QByteArray patternDeck(const Model &model, double mhz)
{
    auto cards = structure(model);
    cards << QStringLiteral("FR 0 1 0 0 %1 0").arg(number(mhz))
          << QStringLiteral("RP 0 %1 %2 1000 0 0 %3 %3").arg(patternThetas).arg(patternPhis).arg(patternStep)
          << QStringLiteral("EN");
    return joined(cards);
}

} // namespace antenna
