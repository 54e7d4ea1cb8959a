// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary UTF-8 to the number reading, the "0.00" formatting and the
// calculation on box texts, arbitrary bytes to the reader of nec2c's output,
// the Touchstone reader and the parsers of an analyser's replies, and
// arbitrary lengths to the antenna model and its card deck, and checks what
// must hold for any input.
#include "analyser/analyser.h"
#include "antenna/deck.h"
#include "antenna/jpole.h"
#include "antenna/necoutput.h"
#include "antenna/touchstone.h"
#include "calc/calculation.h"
#include "calc/fieldchecks.h"
#include "calc/messages.h"
#include "runtime/conversion.h"
#include "runtime/format.h"
#include "words/words.h"

#include <QBuffer>

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

// Whatever nec2c wrote, the reader returns what was asked for, in numbers,
// or says it cannot.
void checkNecOutput(const std::uint8_t *data, std::size_t size)
{
    const int frequencies = size > 0 ? data[0] % 8 : 1;
    const int directions = size > 1 ? data[1] % 4 : 0;
    const bool currents = size > 2 && data[2] % 2;
    // The J for 145 MHz cut into threes, as the sample output has it.
    static const auto j = antenna::jStructure({1481.96, 491.88, 48.35, 46.25, 15}, {3, 3, 3, 3, 3, 3, 3});
    const antenna::Request request{{145, 1, frequencies}, currents,
                                   directions ? std::optional(antenna::Directions{directions, 1, 0, 0, 5, 5})
                                              : std::nullopt};
    const auto out = antenna::readNecOutput(QByteArrayView(data, qsizetype(size)), j, request);
    if (const auto *read = std::get_if<antenna::Solution>(&out)) {
        require(int(read->feed.size()) == frequencies && int(read->pattern.size()) == directions
                    && int(read->currents.size()) == (currents ? frequencies : 0),
                "output read holds what was asked for");
        for (const auto &p : read->feed)
            require(std::isfinite(p.mhz) && std::isfinite(p.z.real()) && std::isfinite(p.z.imag()), "numbers finite");
        for (const auto &segments : read->currents) {
            require(int(segments.size()) == j.segments(), "a current on every segment");
            for (const auto &c : segments)
                require(c.segment.segment >= 1 && c.segment.segment <= j.wire(c.segment.tag).segments,
                        "every current on a segment there is");
        }
    } else {
        require(std::get<antenna::Problem>(out).kind == antenna::Problem::Kind::Nec2cGarbled, "garbled, nothing else");
    }
}

// Whatever the file holds, the reader gives rising frequencies and SWRs
// of at least 1, or one error with a line inside the file.
void checkTouchstone(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto read = antenna::readTouchstone(buffer, size % 2 ? QStringLiteral("f.s1p") : QStringLiteral("f.s2p"));
    if (const auto *file = std::get_if<antenna::TouchstoneFile>(&read)) {
        const auto &port = file->reflection;
        require(!port.points.empty() && port.z0 > 0, "a sweep has points and a reference");
        for (std::size_t i = 0; i < port.points.size(); ++i) {
            require(port.swr(i) >= 1, "SWR at least 1, never NaN");
            require(i == 0 || port.points[i].mhz > port.points[i - 1].mhz, "frequencies rise");
        }
        antenna::measuredFile(QStringLiteral("f.s1p"), port);
    } else {
        const auto &error = std::get<antenna::TouchstoneError>(read);
        require(error.line >= 0 && error.line <= qint64(bytes.count('\n')) + 1, "the line is in the file");
        require(!words::touchstoneError(error, QStringLiteral("f.s1p")).isEmpty(), "an error says something");
    }
}

// Lengths the model accepts make a deck of seven wires with the source in
// the feed wire's middle, every number finite, and not too many segments.
void checkModel(const std::uint8_t *data, std::size_t size)
{
    double v[6];
    if (size < sizeof v)
        return;
    std::memcpy(v, data, sizeof v);
    const antenna::JPole j{v[0], v[1], v[2], v[3], v[4]};
    if (antenna::refusal(j, v[5]))
        return;
    const auto m = antenna::jStructure(j, antenna::segmentation(j, v[5]));
    require(m.wires().size() == 7 && m.wire(m.feed().tag).segments % 2 == 1, "seven wires, an odd feed wire");
    require(m.isValid(), "a structure nec2c can take");
    require(m.segments() > 0 && m.segments() < 5000, "a number of segments nec2c can take");
    const auto deck = QString::fromLatin1(antenna::deck(m, {{v[5], v[5] / 1000, 3}, false, std::nullopt}));
    require(!deck.contains(QStringLiteral("nan")) && !deck.contains(QStringLiteral("inf")), "finite numbers in the deck");
    require(deck.count(QStringLiteral("\nGW ")) == 7, "a card a wire");
}

// Whatever an analyser sends, its replies give the points asked for, each
// a finite value of sensible size, or a fault; never a crash.
void checkAnalyserReplies(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView reply(data, qsizetype(size));
    const int points = size > 0 ? 2 + data[0] % 200 : 2;
    const auto scan = analyser::shell::parseScan(reply, points);
    if (const auto *values = std::get_if<std::vector<std::pair<qint64, std::complex<double>>>>(&scan)) {
        require(int(values->size()) == points, "a scan gives the points asked for");
        for (const auto &[hz, gamma] : *values)
            require(std::isfinite(gamma.real()) && std::isfinite(gamma.imag()) && std::abs(gamma) <= 10 * std::sqrt(2.0),
                    "a scan's values are finite and sensible");
    }
    const auto records = analyser::binary::parseRecords(reply, points);
    if (const auto *values = std::get_if<std::vector<std::complex<double>>>(&records)) {
        require(int(values->size()) == points, "records fill every point");
        for (const auto &gamma : *values)
            require(std::isfinite(gamma.real()) && std::isfinite(gamma.imag()), "a record's ratio is finite");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkAnalyserReplies(data, size);
    checkNecOutput(data, size);
    checkModel(data, size);
    checkTouchstone(data, size);
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
        const auto &calculated = std::get<calc::Calculated>(outcome);
        const auto &written = calculated.texts;
        require(written == calc::resultTexts(boxes), "the outcome holds the texts written");
        require(calculated.lengths.a == rt::val(written[0]).value && calculated.lengths.d == rt::val(written[3]).value,
                "the lengths are the ones shown");
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
