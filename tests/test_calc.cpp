// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "calc/calculation.h"
#include "calc/fieldchecks.h"
#include "runtime/conversion.h"

#include <QTest>

#include <vector>

using calc::Box;

namespace {

// The result boxes, in the order the calculation writes them.
constexpr std::array results{Box::CMA, Box::CMB, Box::CMC, Box::CMD, Box::CME};
const QString old = QStringLiteral("old");
// The two messages, as the user reads them.
const rt::Message inputError{QStringLiteral("输入错误!请检查..."), rt::MessageIcon::Critical,
                             QStringLiteral("出错啦...")};
const rt::Message missingFrequency{QStringLiteral("无法计算,请输入发射频率..."), rt::MessageIcon::Exclamation,
                                   QStringLiteral("缺少数据...")};

QStringList shownResults(const calc::Boxes &boxes)
{
    QStringList texts;
    for (auto box : results)
        texts << boxes.text(box);
    return texts;
}

calc::BoxTexts filledBoxes(const QString &frequency)
{
    calc::BoxTexts boxes(frequency);
    for (auto box : results)
        boxes.setText(box, old);
    return boxes;
}

QString huge(const QString &lead, int intDigits)
{
    return lead + QString(intDigits - lead.size(), u'0') + QStringLiteral(".00");
}

} // namespace

Q_DECLARE_METATYPE(std::optional<rt::Message>)

class TestCalc : public QObject
{
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
    void frequencyIsReadForEachElement();
    void checkFrequency_data();
    void checkFrequency();
    void selectFrequency_data();
    void selectFrequency();
};

void TestCalc::calculate_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QStringList>("expected"); // A, B, C, D, E afterwards
    QTest::addColumn<std::optional<rt::Message>>("message");
    QTest::addColumn<bool>("overflow");

    const std::optional<rt::Message> none;
    const QStringList unchanged{old, old, old, old, old};

    QTest::newRow("start-up value 101.00")
        << "101.00" << QStringList{"2127.56", "706.17", "69.41", "66.39", "2853.73"} << none << false;
    QTest::newRow("145")
        << "145" << QStringList{"1481.96", "491.88", "48.35", "46.25", "1993.84"} << none << false;
    QTest::newRow("146, E from the shown A and B")
        << "146" << QStringList{"1471.81", "488.52", "48.02", "45.93", "1980.33"} << none << false;
    QTest::newRow("1000, E from the shown A and B")
        << "1000" << QStringList{"214.88", "71.32", "7.01", "6.71", "306.20"} << none << false;
    QTest::newRow("negative frequency")
        << "-101" << QStringList{"-2127.56", "-706.17", "-69.41", "-66.39", "-2813.73"} << none << false;
    QTest::newRow("trailing text ignored")
        << "145abc" << QStringList{"1481.96", "491.88", "48.35", "46.25", "1993.84"} << none << false;
    QTest::newRow("full-width digits")
        << "１４５" << QStringList{"1481.96", "491.88", "48.35", "46.25", "1993.84"} << none << false;
    QTest::newRow("pinyin decimal point")
        << "145。5" << QStringList{"1476.87", "490.19", "48.18", "46.09", "1987.06"} << none << false;
    QTest::newRow("160, C is 43.815 exactly")
        << "160" << QStringList{"1343.03", "445.77", "43.82", "41.91", "1808.80"} << none << false;
    QTest::newRow("800, A is 268.605 exactly")
        << "800" << QStringList{"268.61", "89.15", "8.76", "8.38", "377.76"} << none << false;

    QTest::newRow("letters") << "abc" << unchanged << std::optional(inputError) << false;
    QTest::newRow("zero") << "0" << unchanged << std::optional(inputError) << false;
    QTest::newRow("zero with decimals") << "0.00" << unchanged << std::optional(inputError) << false;
    QTest::newRow("negative zero") << "-0" << unchanged << std::optional(inputError) << false;
    QTest::newRow("right-to-left override")
        << "\u202e145" << unchanged << std::optional(inputError) << false;
    QTest::newRow("pasted with a no-break space")
        << "\u00a0145" << QStringList{"1481.96", "491.88", "48.35", "46.25", "1993.84"} << none << false;
    QTest::newRow("pasted behind a line separator")
        << "\u2028145" << QStringList{"1481.96", "491.88", "48.35", "46.25", "1993.84"} << none << false;
    QTest::newRow("pasted behind a paragraph separator")
        << "\u2029145" << QStringList{"1481.96", "491.88", "48.35", "46.25", "1993.84"} << none << false;
    QTest::newRow("pasted with a minus sign")
        << "\u2212101" << QStringList{"-2127.56", "-706.17", "-69.41", "-66.39", "-2813.73"} << none << false;
    QTest::newRow("empty") << "" << unchanged << std::optional(missingFrequency) << false;
    QTest::newRow("blanks") << "   " << unchanged << std::optional(missingFrequency) << false;
    QTest::newRow("full-width blanks")
        << "\u3000\u3000" << unchanged << std::optional(missingFrequency) << false;
    QTest::newRow("tab only") << "\t" << unchanged << std::optional(missingFrequency) << false;
    QTest::newRow("invisible characters only")
        << "\u200b\u200f\n" << unchanged << std::optional(missingFrequency) << false;
    QTest::newRow("a line separator only") << "\u2028" << unchanged << std::optional(missingFrequency) << false;
    QTest::newRow("a paragraph separator only") << "\u2029" << unchanged << std::optional(missingFrequency) << false;

    QTest::newRow("overflow on reading") << "1e400" << unchanged << none << true;
    QTest::newRow("A overflows, nothing written") << "1e-305" << unchanged << none << true;
    QTest::newRow("negative, A overflows") << "-1e-305" << unchanged << none << true;
    QTest::newRow("E overflows after A to D")
        << "1.2e-303"
        << QStringList{huge("17907", 309), huge("59436", 308), huge("5842", 307), huge("5588", 307), old}
        << none << true;
}

void TestCalc::calculate()
{
    QFETCH(QString, frequency);
    QFETCH(QStringList, expected);
    QFETCH(std::optional<rt::Message>, message);
    QFETCH(bool, overflow);

    auto boxes = filledBoxes(frequency);
    const auto outcome = calc::calculate(boxes);

    QCOMPARE(shownResults(boxes), expected);
    QCOMPARE(boxes.text(Box::MHZ), frequency);
    if (message) {
        QVERIFY(std::holds_alternative<rt::Message>(outcome));
        QCOMPARE(std::get<rt::Message>(outcome), *message);
        QCOMPARE(calc::messageOf(outcome), message);
    } else if (overflow) {
        QVERIFY(std::holds_alternative<rt::RuntimeError>(outcome));
        QCOMPARE(std::get<rt::RuntimeError>(outcome), rt::overflowError());
        QCOMPARE(calc::messageOf(outcome)->prompt, QStringLiteral("运行时错误 '6':\n\n溢出"));
    } else { // the texts written, as the boxes show them
        QVERIFY(std::holds_alternative<calc::Calculated>(outcome));
        const auto &calculated = std::get<calc::Calculated>(outcome);
        const auto &written = calculated.texts;
        QCOMPARE(QStringList(written.begin(), written.end()), expected);
        QCOMPARE(calc::messageOf(outcome), std::nullopt);
        // What the prediction and the cut sheet take: the frequency as typed,
        // and the lengths as they show, not as computed.
        QCOMPARE(calculated.frequency, rt::trim(frequency));
        QCOMPARE(calculated.mhz, rt::val(frequency).value);
        QCOMPARE(calculated.lengths, (calc::Lengths{rt::val(expected[0]).value, rt::val(expected[1]).value,
                                                     rt::val(expected[2]).value, rt::val(expected[3]).value}));
    }
}

// Each element reads the frequency box afresh; a box that changed under
// the command would show up here.
void TestCalc::frequencyIsReadForEachElement()
{
    class CountingBoxes : public calc::BoxTexts
    {
    public:
        using BoxTexts::BoxTexts;
        QString text(Box box) const override
        {
            reads[static_cast<std::size_t>(box)]++;
            return BoxTexts::text(box);
        }
        mutable std::array<int, 6> reads{};
    };
    CountingBoxes boxes(QStringLiteral("145"));
    QVERIFY(std::holds_alternative<calc::Calculated>(calc::calculate(boxes)));
    QCOMPARE(boxes.reads, (std::array<int, 6>{5, 1, 1, 0, 0, 0}));
}

void TestCalc::checkFrequency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("overflow");

    QTest::newRow("usable frequency") << "145" << 0 << false;
    QTest::newRow("leading digit") << "1" << 0 << false;
    QTest::newRow("negative") << "-101.00" << 0 << false;
    QTest::newRow("fraction") << "0.5" << 0 << false;
    QTest::newRow("empty") << "" << 1 << false;
    QTest::newRow("zero") << "0" << 1 << false;
    QTest::newRow("zero and point") << "0." << 1 << false;
    QTest::newRow("point and zeros") << ".00" << 1 << false;
    QTest::newRow("sign alone") << "-" << 1 << false;
    QTest::newRow("letters") << "abc" << 1 << false;
    QTest::newRow("overflow") << "1e400" << 0 << true;
}

void TestCalc::checkFrequency()
{
    QFETCH(QString, text);
    QFETCH(int, messages);
    QFETCH(bool, overflow);

    auto boxes = filledBoxes(text);
    const auto said = calc::checkFrequency(boxes);

    if (overflow)
        QCOMPARE(said, rt::errorReport(rt::overflowError()));
    else
        QCOMPARE(said, messages ? std::optional(inputError) : std::nullopt);
    // It only warns: nothing is corrected or calculated.
    QCOMPARE(boxes.text(Box::MHZ), text);
    QCOMPARE(shownResults(boxes), (QStringList{old, old, old, old, old}));
}

void TestCalc::selectFrequency_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("start-up value") << "101.00";
    QTest::newRow("empty") << "";
    QTest::newRow("long") << QString(500, u'9');
    QTest::newRow("full-width") << "１４５。５";
}

void TestCalc::selectFrequency()
{
    QFETCH(QString, text);
    calc::BoxTexts boxes(text);
    calc::selectFrequency(boxes);
    QCOMPARE(boxes.selection(Box::MHZ).start, 0);
    QCOMPARE(boxes.selection(Box::MHZ).length, text.size());
}

QTEST_APPLESS_MAIN(TestCalc)
#include "test_calc.moc"
