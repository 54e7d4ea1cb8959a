// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "installationoptions.h"

#include "runtime/conversion.h"
#include "words/words.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

std::optional<double> number(const QString &text)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(rt::trim(text), &ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

QString said(const char *option, const QString &value, const QString &what)
{
    return QStringLiteral("%1 %2: %3").arg(QLatin1String(option), value, what);
}

} // namespace

QString groundOption(antenna::GroundKind kind)
{
    using G = antenna::GroundKind;
    switch (kind) {
    case G::Free:
        return QStringLiteral("free");
    case G::Perfect:
        return QStringLiteral("perfect");
    case G::Average:
        return QStringLiteral("average");
    case G::Poor:
        return QStringLiteral("poor");
    case G::Good:
        return QStringLiteral("good");
    case G::Sea:
        return QStringLiteral("sea");
    }
    return {};
}

std::variant<antenna::Installation, QString> installationFrom(const InstallationOptions &o)
{
    using Kind = antenna::Problem::Kind;
    antenna::Installation inst;
    if (o.asBuilt) {
        const auto parts = o.asBuilt->split(u',');
        std::optional<double> v[4];
        for (int i = 0; i < 4 && parts.size() == 4; ++i)
            v[i] = number(parts[i]);
        const bool numbers = parts.size() == 4 && v[0] && v[1] && v[2] && v[3];
        if (!numbers || !(*v[0] > 0 && *v[1] > 0 && *v[2] > 0 && *v[3] > 0) || !(*v[2] < *v[1] && *v[1] < *v[0]))
            return said("--as-built", *o.asBuilt,
                        Tolvera::tr("four lengths A,B,C,D in mm, all above 0, with C < B < A"));
        inst.asBuilt = calc::Lengths{*v[0], *v[1], *v[2], *v[3]};
    }
    if (o.ground) {
        bool known = false;
        for (const auto kind : antenna::groundKinds) {
            if (*o.ground == groundOption(kind)) {
                inst.ground = kind;
                known = true;
            }
        }
        if (!known)
            return said("--ground", *o.ground, Tolvera::tr("the ground is one of free, perfect, average, poor, good, sea"));
    }
    auto positive = [](const std::optional<QString> &text) { return text ? number(*text) : std::nullopt; };
    if (o.height) {
        const auto h = positive(o.height);
        if (!h || *h <= 0)
            return said("--height", *o.height, Tolvera::tr("the height is a number of metres above 0"));
        inst.height = *h;
    }
    if (o.mast) {
        inst.mast = positive(o.mast);
        if (!inst.mast || *inst.mast <= 0)
            return said("--mast", *o.mast, Tolvera::tr("the mast's outside diameter is a number of mm above 0"));
    }
    if (o.coax) {
        inst.coax = positive(o.coax);
        if (!inst.coax || *inst.coax <= 0)
            return said("--coax", *o.coax, Tolvera::tr("the coax's outside diameter is a number of mm above 0"));
    }
    if (o.choke) {
        inst.choke = positive(o.choke);
        if (!inst.choke || *inst.choke <= 0)
            return said("--choke", *o.choke, words::problem(antenna::Problem::of(Kind::BadChoke)));
        if (!inst.coax)
            return said("--choke", *o.choke, words::problem(antenna::Problem::of(Kind::ChokeWithoutCoax)));
    }
    if (o.chokeAt) {
        const auto at = positive(o.chokeAt);
        if (!at || *at < 0 || *at >= inst.height)
            return said("--choke-at", *o.chokeAt, words::problem(antenna::Problem::tooHigh(Kind::ChokeBelowGround, inst.height)));
        if (!inst.choke)
            return said("--choke-at", *o.chokeAt, Tolvera::tr("goes with --choke"));
        inst.chokeAt = *at;
    }
    return inst;
}
