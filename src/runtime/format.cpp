// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "runtime/format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace rt {

namespace {

constexpr int significantDigits = 15;

// Increments a string of decimal digits in place; "999" becomes "1000".
void increment(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

QString format00(double value)
{
    if (!std::isfinite(value)) // never asked for: results are checked first
        return QString::number(value);
    // |value| as d.dddddddddddddde±x: 15 significant digits.
    std::array<char, 32> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                         std::chars_format::scientific, significantDigits - 1);
    const std::string text(buf.data(), end);
    const auto ePos = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    const int exponent = std::stoi(text.substr(ePos + 1));

    // value * 100 = digits * 10^shift; round that to a whole number of hundredths.
    const int shift = exponent - (significantDigits - 1) + 2;
    std::string hundredths;
    if (shift >= 0) {
        hundredths = digits + std::string(shift, '0');
    } else {
        const int kept = significantDigits + shift; // digits before the rounding digit
        hundredths = kept > 0 ? digits.substr(0, kept) : std::string("0");
        if (kept >= 0 && digits[kept] >= '5')
            increment(hundredths);
    }
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');
    const auto split = hundredths.size() - 2;
    // A negative value keeps its sign even when it rounds to "-0.00", like
    // the other results of a negative frequency; it reads back as -0.
    std::string result = std::signbit(value) ? "-" : "";
    result += hundredths.substr(0, split) + '.' + hundredths.substr(split);
    return QString::fromLatin1(result.data(), qsizetype(result.size()));
}

} // namespace rt
