// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary UTF-8 to the number reading, the "0.00" formatting and the
// calculation on box texts, and checks what must hold for any input.
#include "calc/calculation.h"
#include "calc/fieldchecks.h"
#include "calc/messages.h"
#include "runtime/conversion.h"
#include "runtime/format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// -?digits.dd
bool isTwoDecimals(const QString &text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype digitsStart = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80)
        ++i;
    return i > digitsStart && text.size() == i + 3 && text[i] == u'.'
           && text[i + 1] >= u'0' && text[i + 1] <= u'9' && text[i + 2] >= u'0' && text[i + 2] <= u'9';
}

// A shown value reads back as a value that shows the same text.
void checkShown(double value)
{
    const auto shown = rt::format00(value);
    require(isTwoDecimals(shown), "formatted text is -digits.dd");
    const auto back = rt::val(shown);
    if (back.error) // only the largest doubles, rounded up past the range
        return;
    require(rt::format00(back.value) == shown, "format, read back, format is stable");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const auto number = rt::val(text);
    if (number.error) {
        require(*number.error == rt::overflowError(), "reading fails only by overflow");
    } else {
        require(std::isfinite(number.value), "a number read is finite");
        checkShown(number.value);
    }

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw))
            checkShown(raw);
    }

    const QString old = QStringLiteral("old");
    calc::BoxTexts boxes(text);
    for (const auto &result : calc::results)
        boxes.setText(result.box, old);
    const auto outcome = calc::calculate(boxes);
    const bool answered = boxes.text(calc::Box::CME) != old;
    if (std::holds_alternative<rt::Message>(outcome)) {
        require(boxes.text(calc::Box::CMA) == old && !answered, "a message changes no box");
    } else if (const auto *error = std::get_if<rt::RuntimeError>(&outcome)) {
        require(*error == rt::overflowError(), "the calculation fails only by overflow");
        require(!answered, "E is not written after an error");
    } else {
        const auto &written = std::get<calc::ResultTexts>(outcome);
        require(written == calc::resultTexts(boxes), "the outcome holds the texts written");
        for (const auto &shown : written)
            require(isTwoDecimals(shown), "a result is -digits.dd");
    }
    require(boxes.text(calc::Box::MHZ) == text, "the frequency is never changed");

    // The field check warns of a frequency exactly when the calculation
    // stops on a message for it.
    const bool warned = calc::checkFrequency(boxes) == std::optional(calc::inputError());
    require(warned == std::holds_alternative<rt::Message>(outcome), "the field check warns when the calculation would");
    return 0;
}
