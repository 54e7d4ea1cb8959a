#include "runtime/conversion.h"

#include <charconv>
#include <algorithm>
#include <string>
#include <system_error>

namespace rt {

namespace {

constexpr char16_t ideographicSpace = u'\u3000';
constexpr char16_t ideographicFullStop = u'\u3002';

// Full-width forms (U+FF01..U+FF5E) and the ideographic space as ASCII.
char16_t narrow(char16_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        return char16_t(c - 0xFEE0);
    if (c == ideographicSpace)
        return u' ';
    return c;
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
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
        while (isBlank(peek()))
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
    auto isSpace = [](QChar c) { return c == u' ' || c == QChar(ideographicSpace); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}

} // namespace rt
