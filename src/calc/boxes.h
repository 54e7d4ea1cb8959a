// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <array>

namespace calc {

// The window's text boxes, the only state there is.
enum class Box { MHZ, CMA, CMB, CMC, CMD, CME };

// Reads and writes box texts by name; the window is one, a plain set of
// texts (for tests and tools) another.
class Boxes
{
public:
    virtual ~Boxes() = default;
    virtual QString text(Box box) const = 0;
    virtual void setText(Box box, const QString &text) = 0;
    // Selection start and length in characters.
    virtual void select(Box box, qsizetype start, qsizetype length) = 0;
};

class BoxTexts : public Boxes
{
public:
    BoxTexts() = default;
    explicit BoxTexts(const QString &frequency) { setText(Box::MHZ, frequency); }

    QString text(Box box) const override { return texts[index(box)]; }
    void setText(Box box, const QString &text) override;
    void select(Box box, qsizetype start, qsizetype length) override;

    struct Selection
    {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    Selection selection(Box box) const { return selections[index(box)]; }

private:
    static std::size_t index(Box box) { return static_cast<std::size_t>(box); }

    std::array<QString, 6> texts;
    std::array<Selection, 6> selections;
};

} // namespace calc
