// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// The binary protocol of the NanoVNA-V2 and LiteVNA: registers written and
// read by opcode, the measurements read from a FIFO as 32-byte records.

#include "analyser/session.h"

#include <QtEndian>

#include <cmath>

namespace analyser {

namespace {

using Kind = Fault::Kind;

constexpr int recordSize = 32;
constexpr int mostAtOnce = 255; // a FIFO read's count is one byte
constexpr int replyMs = 1000;
constexpr int quietMs = 2000;   // between records: some 35 ms a point on a V2
constexpr double largest = 10;

enum Register : quint8 {
    SweepStart = 0x00, // u64 Hz
    SweepStep = 0x10,  // u64 Hz
    SweepPoints = 0x20,
    ValuesPerFrequency = 0x22,
    Mode = 0x26,       // 2: back to its own sweep and screen
    Fifo = 0x30,       // a write clears it
    Variant = 0xF0,    // 2: a V2
};

// Eight no-ops end whatever command a parser was left in the middle of.
QByteArray reset() { return QByteArray(8, '\0'); }

void write(QByteArray &to, quint8 reg, quint64 value, int bytes)
{
    const quint8 op = bytes == 1 ? 0x20 : bytes == 2 ? 0x21 : bytes == 4 ? 0x22 : 0x23;
    to.append(char(op)).append(char(reg));
    for (int i = 0; i < bytes; ++i)
        to.append(char((value >> (8 * i)) & 0xFF));
}

struct RecordError
{
    Kind kind;
    QByteArray detail;
};

// S11 of a sweep's records, each placed by its freqIndex.
class Records
{
public:
    explicit Records(int points) : values_(std::size_t(std::max(points, 0))), filled_(values_.size(), false) {}

    // Whole records only; a later record of a point replaces an earlier one.
    std::optional<RecordError> place(QByteArrayView bytes)
    {
        for (qsizetype at = 0; at + recordSize <= bytes.size(); at += recordSize) {
            const auto record = bytes.sliced(at, recordSize);
            const auto field = [&](int i) { return double(qFromLittleEndian<qint32>(record.data() + 4 * i)); };
            const std::complex<double> fwd(field(0), field(1));
            const std::complex<double> rev0(field(2), field(3));
            const auto index = qFromLittleEndian<quint16>(record.data() + 24);
            if (index >= values_.size() || fwd == 0.0)
                return RecordError{Kind::Garbled, record.toByteArray().toHex()};
            const auto s11 = rev0 / fwd;
            if (std::abs(s11) > largest)
                return RecordError{Kind::Garbled, record.toByteArray().toHex()};
            values_[index] = s11;
            filled_[index] = true;
        }
        return std::nullopt;
    }

    int missing() const { return int(std::count(filled_.begin(), filled_.end(), false)); }
    std::vector<std::complex<double>> &values() { return values_; }

private:
    std::vector<std::complex<double>> values_;
    std::vector<bool> filled_;
};

class BinarySession final : public Analyser::Session
{
public:
    BinarySession(std::unique_ptr<detail::Link> link, Device device, qint64 highestHz)
        : Session(std::move(link), std::move(device)), highestHz_(highestHz)
    {
    }

    std::variant<antenna::OnePort, Fault> sweep(const detail::Grid &grid) override
    {
        if (unsettled) {
            // A FIFO read cut short goes on until its count is out.
            if (const auto failed = link->drain(300, 15'000))
                return lost(*failed);
            unsettled = false;
        }
        swept_ = true;
        antenna::OnePort port;
        port.points.reserve(std::size_t(grid.points));
        for (const auto &[first, count] : detail::runs(grid.points, device.pointsPerScan)) {
            auto values = measure(grid.hz(first), grid.stepHz, count);
            if (const auto *failed = std::get_if<Fault>(&values))
                return *failed;
            const auto &s11 = std::get<std::vector<std::complex<double>>>(values);
            for (int i = 0; i < count; ++i)
                port.points.push_back({double(grid.hz(first + i)) / 1e6, s11[std::size_t(i)]});
        }
        finish();
        return port;
    }

    void finish() override
    {
        if (!swept_ || link->gone())
            return;
        QByteArray bytes = reset();
        write(bytes, Mode, 2, 1);
        link->send(bytes);
    }

    std::pair<qint64, qint64> rangeHz() const override { return {50'000, highestHz_}; }

private:
    Fault lost(Kind kind)
    {
        unsettled = kind == Kind::NoAnswer || kind == Kind::Cancelled;
        return fault(kind);
    }

    // Asks for `count` records, in reads of at most 255 sent together, so
    // that the device starts each as the last ends: its queue of 128 drops
    // what comes while no read is under way.
    std::optional<Kind> ask(QByteArray bytes, int count)
    {
        for (int left = count; left > 0; left -= mostAtOnce)
            bytes.append(char(0x18)).append(char(Fifo)).append(char(std::min(left, mostAtOnce)));
        link->in.clear();
        if (const auto failed = link->send(bytes))
            return failed;
        const qsizetype wanted = qsizetype(count) * recordSize;
        return link->readUntil([&] { return link->in.size() >= wanted; }, quietMs, quietMs + 3000 + 50 * count);
    }

    std::variant<std::vector<std::complex<double>>, Fault> measure(qint64 startHz, qint64 stepHz, int count)
    {
        QByteArray bytes = reset();
        write(bytes, SweepStart, quint64(startHz), 8);
        write(bytes, SweepStep, quint64(stepHz), 8);
        write(bytes, SweepPoints, quint64(count), 2);
        write(bytes, ValuesPerFrequency, 1, 2);
        write(bytes, Fifo, 0, 1);
        Records records(count);
        // Should records be dropped after all, the sweep comes round again
        // to the points missed.
        for (int asked = count, read = 0;; asked = std::min(count, mostAtOnce), bytes.clear()) {
            if (const auto failed = ask(bytes, asked))
                return lost(*failed);
            if (link->in.size() > qsizetype(asked) * recordSize) { // more than asked: not a V2's answer
                unsettled = true;
                return fault(Kind::Garbled, QString::fromLatin1(link->in.sliced(asked * recordSize).left(32).toHex()));
            }
            if (const auto failed = records.place(link->in))
                return fault(failed->kind, QString::fromLatin1(failed->detail));
            read += asked;
            if (records.missing() == 0)
                return std::move(records.values());
            if (read >= 3 * count)
                return fault(Kind::WrongCount, QString::number(count - records.missing()));
        }
    }

    qint64 highestHz_;
    bool swept_ = false; // its screen is frozen until told
};

} // namespace

namespace binary {

std::variant<std::vector<std::complex<double>>, Fault::Kind> parseRecords(QByteArrayView records, int points)
{
    if (records.size() % recordSize != 0)
        return Kind::WrongCount;
    Records placed(points);
    if (const auto failed = placed.place(records))
        return failed->kind;
    if (placed.missing() > 0)
        return Kind::WrongCount;
    return std::move(placed.values());
}

} // namespace binary

namespace detail {

Opened openBinary(std::unique_ptr<Link> link, const QString &port)
{
    // Variant, protocol, hardware revision, firmware major and minor.
    QByteArray ask;
    for (quint8 reg = Variant; reg <= Variant + 4; ++reg)
        ask.append(char(0x10)).append(char(reg));
    link->in.clear();
    std::optional<Kind> failed = link->send(ask);
    if (!failed)
        failed = link->readUntil([&] { return link->in.size() >= 5; }, replyMs, replyMs);
    if (failed)
        return faultAt(port, *failed);
    const auto reg = [&](int i) { return quint8(link->in[i]); };
    if (reg(3) == 0xFF)
        return faultAt(port, Kind::Bootloader);
    if (reg(0) != 2)
        return faultAt(port, Kind::NotAnalyser, QString::fromLatin1(link->in.left(5).toHex()));
    // Board revision 4 and later (the LiteVNA's) reach 6.3 GHz, the V2 4.4.
    const bool lite = reg(2) >= 4;
    Device device{port, Family::Binary, lite ? QStringLiteral("LiteVNA") : QStringLiteral("NanoVNA-V2"),
                  QString::number(reg(3)) + u'.' + QString::number(reg(4)), mostAtOnce, false};
    return std::make_unique<BinarySession>(std::move(link), std::move(device),
                                           lite ? 6'300'000'000LL : 4'400'000'000LL);
}

} // namespace detail

} // namespace analyser
