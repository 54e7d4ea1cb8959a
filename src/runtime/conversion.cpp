// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "runtime/conversion.h"

#include <charconv>
#include <algorithm>
#include <string>
#include <system_error>

namespace rt {

namespace {

constexpr char16_t ideographicFullStop = u'\u3002';
constexpr char16_t minusSign = u'\u2212';

// Full-width forms (U+FF01..U+FF5E) as ASCII, and the minus sign that web
// pages and word processors print as a hyphen-minus.
char16_t narrow(char16_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        return char16_t(c - 0xFEE0);
    if (c == minusSign)
        return u'-';
    return c;
}

// What text pasted from web pages and chats carries around a number without
// showing it: every kind of space and line break, zero-width characters and
// direction marks. The right-to-left override is not among them: it makes
// "145" show as "541", and a field must not read as another number than
// the one it shows.
bool isBlank(char16_t c)
{
    switch (c) {
    case u'\t': case u'\n': case u'\v': case u'\f': case u'\r': case u'\u0085':
    case u'\u200B': case u'\u200C': case u'\u200D': // zero-width space, non-joiner, joiner
    case u'\u200E': case u'\u200F':                 // direction marks
    case u'\u202A': case u'\u202B': case u'\u202C': case u'\u202D': // embeddings, pop, LTR override
    case u'\u2060':                                 // word joiner
    case u'\u2066': case u'\u2067': case u'\u2068': case u'\u2069': // isolates
    case u'\uFEFF':                                 // byte-order mark
        return true;
    default:
        break;
    }
    switch (QChar::category(c)) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isSign(char16_t c) { return c == u'+' || c == u'-'; }

// Splits the leading number of a text into plain ASCII parts.
class Scanner
{
public:
    explicit Scanner(QStringView text) : text(text) {}

    // False when the text does not start with a number.
    bool scan()
    {
        while (pos < text.size() && isBlank(text[pos].unicode()))
            ++pos;
        if (isSign(peek()) && take() == u'-')
            mantissa += '-';
        const auto intDigits = appendDigits(mantissa);
        // Pinyin input turns "145.5" into "145。5"; alone, "。" is no point.
        auto fracDigits = std::size_t{0};
        if (peek() == u'.' || (peek() == ideographicFullStop && intDigits > 0)) {
            ++pos;
            mantissa += '.';
            fracDigits = appendDigits(mantissa);
        }
        if (intDigits + fracDigits == 0)
            return false;
        // An exponent needs digits; "5e" and "5e+" read as 5.
        if ((peek() == u'e' || peek() == u'E')
            && (isDigit(peek(1)) || (isSign(peek(1)) && isDigit(peek(2))))) {
            ++pos;
            if (isSign(peek()))
                exponent += char(take());
            appendDigits(exponent);
        }
        return true;
    }

    std::string number() const { return exponent.empty() ? mantissa : mantissa + 'e' + exponent; }

    std::string mantissa; // optional '-', digits and point
    std::string exponent; // optional sign and digits; empty without an exponent

private:
    char16_t peek(qsizetype ahead = 0) const
    {
        const auto at = pos + ahead;
        return at < text.size() ? narrow(text[at].unicode()) : u'\0';
    }
    char16_t take() { return narrow(text[pos++].unicode()); }

    std::size_t appendDigits(std::string &to)
    {
        std::size_t count = 0;
        for (; isDigit(peek()); ++count)
            to += char(take());
        return count;
    }

    QStringView text;
    qsizetype pos = 0;
};

// from_chars reports overflow and underflow alike; the power of ten of the
// first significant digit tells them apart.
bool tooLarge(const std::string &mantissa, const std::string &exponent)
{
    const auto point = mantissa.find('.');
    const auto intEnd = point == std::string::npos ? mantissa.size() : point;
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return false;
    long long position = first < intEnd ? static_cast<long long>(intEnd - first) - 1
                              : -static_cast<long long>(first - intEnd);
    // Saturate: a thousand-digit exponent is just "very large".
    long long e = 0;
    for (char c : exponent) {
        if (c >= '0' && c <= '9')
            e = std::min<long long>(e * 10 + (c - '0'), 1'000'000'000'000LL);
    }
    if (!exponent.empty() && exponent.front() == '-')
        e = -e;
    return position + e > 0;
}

} // namespace

Number val(QStringView text)
{
    Scanner scanner(text);
    if (!scanner.scan())
        return {};
    const auto number = scanner.number();
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (tooLarge(scanner.mantissa, scanner.exponent))
            return {0, overflowError()};
        return {number.front() == '-' ? -0.0 : 0.0, std::nullopt};
    }
    return {value, std::nullopt};
}

QString trim(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin].unicode()))
        ++begin;
    while (end > begin && isBlank(text[end - 1].unicode()))
        --end;
    return text.sliced(begin, end - begin).toString();
}

} // namespace rt
