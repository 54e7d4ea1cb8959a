// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "runtime/conversion.h"
#include "runtime/format.h"
#include "runtime/message.h"

#include <QLocale>
#include <QTest>

#include <cfloat>
#include <clocale>
#include <cmath>

using namespace rt;

// A number with the given leading digits, padded with zeros to intDigits
// integer digits, and two decimals: how huge values are written.
static QString huge(const QString &lead, int intDigits)
{
    return lead + QString(intDigits - lead.size(), u'0') + QStringLiteral(".00");
}

class TestRuntime : public QObject
{
    Q_OBJECT

private slots:
    void val_data();
    void val();
    void trim_data();
    void trim();
    void format_data();
    void format();
    void commaLocale_data() { format_data(); }
    void commaLocale();
    void errorReport();
};

void TestRuntime::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("overflow");

    QTest::newRow("integer") << "145" << 145.0 << false;
    QTest::newRow("decimals") << "101.00" << 101.0 << false;
    QTest::newRow("trailing letters ignored") << "145abc" << 145.0 << false;
    QTest::newRow("leading blanks skipped") << " \t 145" << 145.0 << false;
    QTest::newRow("inner blank ends the number") << "1 45" << 1.0 << false;
    QTest::newRow("comma ends the number") << "1,5" << 1.0 << false;
    QTest::newRow("plus sign") << "+7" << 7.0 << false;
    QTest::newRow("minus sign") << "-101" << -101.0 << false;
    QTest::newRow("leading point") << ".5" << 0.5 << false;
    QTest::newRow("trailing point") << "5." << 5.0 << false;
    QTest::newRow("leading zeros") << "000145.5" << 145.5 << false;
    QTest::newRow("correctly rounded") << "0.1" << 0.1 << false;
    QTest::newRow("exponent") << "1.5e3" << 1500.0 << false;
    QTest::newRow("upper-case exponent") << "2E-2" << 0.02 << false;
    QTest::newRow("exponent with plus") << "2e+2" << 200.0 << false;
    QTest::newRow("e without digits") << "5e" << 5.0 << false;
    QTest::newRow("e and sign without digits") << "5e-x" << 5.0 << false;
    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("blanks") << "   " << 0.0 << false;
    QTest::newRow("letters") << "abc" << 0.0 << false;
    QTest::newRow("sign alone") << "-" << 0.0 << false;
    QTest::newRow("point alone") << "." << 0.0 << false;
    QTest::newRow("sign and point") << "-." << 0.0 << false;
    QTest::newRow("double sign") << "--5" << 0.0 << false;
    QTest::newRow("exponent alone") << "e5" << 0.0 << false;
    QTest::newRow("no hex") << "0x1A" << 0.0 << false;
    QTest::newRow("no inf") << "inf" << 0.0 << false;
    QTest::newRow("no nan") << "nan" << 0.0 << false;
    QTest::newRow("full-width digits") << "１４５" << 145.0 << false;
    QTest::newRow("full-width sign and point") << "－１０１．５" << -101.5 << false;
    QTest::newRow("full-width plus and exponent") << "＋１ｅ２" << 100.0 << false;
    QTest::newRow("ideographic full stop after digit") << "145。5" << 145.5 << false;
    QTest::newRow("full-width with ideographic stop") << "１４５。５" << 145.5 << false;
    QTest::newRow("ideographic full stop first") << "。5" << 0.0 << false;
    QTest::newRow("ideographic space skipped") << "\u3000145" << 145.0 << false;
    QTest::newRow("no-break space skipped") << "\u00a0145" << 145.0 << false;
    QTest::newRow("narrow no-break space skipped") << "\u202f145" << 145.0 << false;
    QTest::newRow("zero-width space skipped") << "\u200b145" << 145.0 << false;
    QTest::newRow("word joiner and BOM skipped") << "\u2060\ufeff145" << 145.0 << false;
    QTest::newRow("right-to-left mark skipped") << "\u200f145" << 145.0 << false;
    QTest::newRow("isolate around the number") << "\u2066145\u2069" << 145.0 << false;
    QTest::newRow("line break skipped") << "\n145" << 145.0 << false;
    QTest::newRow("paragraph separator skipped") << "\r\n\u2029145" << 145.0 << false;
    QTest::newRow("minus sign U+2212") << "\u2212145" << -145.0 << false;
    QTest::newRow("no-break space inside ends the number") << "1\u00a045" << 1.0 << false;
    QTest::newRow("right-to-left override rejected") << "\u202e145" << 0.0 << false;
    QTest::newRow("visible mark not skipped") << "\u00b7145" << 0.0 << false;
    QTest::newRow("largest double") << "1.7976931348623157e308" << DBL_MAX << false;
    QTest::newRow("subnormal") << "4.9e-324" << 4.9e-324 << false;
    QTest::newRow("underflow to zero") << "1e-400" << 0.0 << false;
    QTest::newRow("huge negative exponent") << "1e-99999999999999999999" << 0.0 << false;
    QTest::newRow("zero with huge exponent") << "0e99999999999999999999" << 0.0 << false;
    QTest::newRow("many leading zeros, large exponent") << "0.00000000001e310" << 1e299 << false;
    QTest::newRow("underflow from shifted digits") << "100000e-330" << 0.0 << false;
    QTest::newRow("overflow") << "1e400" << 0.0 << true;
    QTest::newRow("overflow from shifted digits") << "0.00000000001e320" << 0.0 << true;
    QTest::newRow("negative overflow") << "-1.8e308" << 0.0 << true;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << 0.0 << true;
    QTest::newRow("overflow from long mantissa") << "1" + QString(400, u'0') << 0.0 << true;
}

void TestRuntime::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(bool, overflow);

    const auto result = rt::val(text);
    QCOMPARE(result.error.has_value(), overflow);
    if (overflow) {
        QCOMPARE(*result.error, overflowError());
        return;
    }
    QVERIFY(std::isfinite(result.value));
    QCOMPARE(result.value, expected);
}

void TestRuntime::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("untouched") << "145" << "145";
    QTest::newRow("both ends") << "  145 " << "145";
    QTest::newRow("inner spaces kept") << " 1 4 " << "1 4";
    QTest::newRow("full-width spaces") << "\u3000145\u3000" << "145";
    QTest::newRow("all spaces") << "    " << "";
    QTest::newRow("tab") << "\t145\t" << "145";
    QTest::newRow("invisible characters") << "\u200b\u00a0145\r\n\ufeff" << "145";
    QTest::newRow("only invisible characters") << "\u200f\u2060\n" << "";
    QTest::newRow("right-to-left override kept") << "\u202e145" << "\u202e145";
}

void TestRuntime::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(rt::trim(text), expected);
}

void TestRuntime::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("negative zero") << -0.0 << "-0.00";
    QTest::newRow("integer") << 306.2 << "306.20";
    QTest::newRow("below one") << 0.5 << "0.50";
    QTest::newRow("rounds down") << 2127.564356435644 << "2127.56";
    QTest::newRow("rounds up") << 706.170297029703 << "706.17";
    QTest::newRow("negative") << -66.3920792079208 << "-66.39";
    QTest::newRow("tiny negative keeps its sign") << -0.001 << "-0.00";
    QTest::newRow("small negative keeps its sign") << -0.005 << "-0.01";
    QTest::newRow("half a hair below, 43.815") << 43.81499999999999772 << "43.82";
    QTest::newRow("half a hair below, 268.605") << 268.60499999999996 << "268.61";
    QTest::newRow("half a hair below, 1.005") << 1.005 << "1.01";
    QTest::newRow("exact binary half") << 0.125 << "0.13";
    QTest::newRow("negative half away from zero") << -0.125 << "-0.13";
    QTest::newRow("just below half") << 0.12499999 << "0.12";
    QTest::newRow("carry into integer") << 99.995 << "100.00";
    QTest::newRow("carry adds a digit") << 999999.995 << "1000000.00";
    QTest::newRow("no grouping") << 1234567.891 << "1234567.89";
    QTest::newRow("fifteen digits kept") << 12345678901.234567 << "12345678901.23";
    QTest::newRow("beyond fifteen digits") << 123456789012345678.0 << "123456789012346000.00";
    QTest::newRow("half of the smallest step") << 0.005 << "0.01";
    QTest::newRow("too small to show") << 1e-300 << "0.00";
    QTest::newRow("largest double") << DBL_MAX << huge("179769313486232", 309);
    QTest::newRow("most negative double") << -DBL_MAX << "-" + huge("179769313486232", 309);
}

void TestRuntime::format()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    const auto text = format00(value);
    QCOMPARE(text, expected);
    // Reading the text back gives a value that shows the same text.
    const auto back = rt::val(text);
    if (!back.error)
        QCOMPARE(format00(back.value), expected);
}

void TestRuntime::commaLocale()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    const QByteArray comma = qgetenv("TOLVERA_COMMA_LOCALE");
    if (comma.isEmpty()) {
        if (qgetenv("CI") == "true")
            QFAIL("no comma locale prepared: the test suite builds one");
        QSKIP("no comma locale prepared (the test suite builds one)");
    }
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    QVERIFY2(std::setlocale(LC_ALL, comma.constData()), comma.constData());
    QCOMPARE(*std::localeconv()->decimal_point, ',');
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    const auto text = format00(value);
    const auto back = rt::val(expected);
    const auto oneAndAHalf = rt::val(u"1.5");
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(QLocale::c());

    QCOMPARE(text, expected);
    QCOMPARE(oneAndAHalf.value, 1.5);
    if (!back.error)
        QCOMPARE(format00(back.value), expected);
}

void TestRuntime::errorReport()
{
    const auto message = rt::errorReport(overflowError());
    QCOMPARE(message.prompt, QStringLiteral("运行时错误 '6':\n\n溢出"));
    QCOMPARE(message.title, QStringLiteral("Tolvera"));
    QCOMPARE(message.icon, MessageIcon::Critical);
}

QTEST_APPLESS_MAIN(TestRuntime)
#include "test_runtime.moc"
