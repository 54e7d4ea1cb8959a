// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/oneport.h"

#include <QByteArrayView>
#include <QString>

#include <atomic>
#include <complex>
#include <memory>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

// A NanoVNA on a USB serial port, swept live. Numbers and typed faults out;
// the front ends word them.
namespace analyser {

enum class Family { TextShell, Binary }; // NanoVNA/-H/-H4 ; NanoVNA-V2/LiteVNA

struct Device
{
    QString port;      // as given: "/dev/ttyACM0", "COM3"
    Family family;
    QString model;     // "NanoVNA-H 4", "NanoVNA-H", "NanoVNA", "NanoVNA-V2", "LiteVNA"
    QString version;   // its firmware: "1.2.52"; for the V2 family "1.5", from its registers
    int pointsPerScan; // what it measures in one scan (the V2: one FIFO read, 255); longer sweeps are joined
    bool calibrated;   // false for the V2 family's raw ratios
};

struct Fault
{
    enum class Kind {
        CannotOpen,   // no such port, or it vanished
        NoPermission, // Linux: not in the dialout group
        Busy,         // another program holds it
        NotAnalyser,  // it answers, but not as an analyser; detail: what it said
        NoAnswer,     // silence, or a prompt that never comes, within the time allowed
        Garbled,      // a value that is no number, or of magnitude > 10; detail: the line or record
        WrongCount,   // a scan gave another number of points than asked; detail: how many
        Bootloader,   // a V2 in its bootloader (firmware major 0xFF)
        Unplugged,    // the port went away during a sweep
        BadRequest,   // frequencies or points no device can sweep; detail: the device's refusal, if it refused
        Cancelled,
    };
    Kind kind;
    QString port;
    QString detail;
};

// A serial port present; byIds is set where its USB ids are a NanoVNA's
// (0483:5740) or a V2's (04B4:0008).
struct PortInfo
{
    QString port;
    QString description;
    std::optional<Family> byIds;
};

// The serial ports present, analysers first.
std::vector<PortInfo> ports();

// A connection to one analyser, used on the thread that made it. Every call
// blocks within its own time limits; cancel() from another thread makes the
// call under way return Cancelled within some 50 ms. A cancel() while no
// call is under way cancels the next one, so that one made just before a
// sweep starts is never lost.
class Analyser
{
public:
    // Opens the port, drains it, finds which protocol answers and names the
    // device. "auto" tries the ports whose USB ids are an analyser's, or every
    // port where none are, and takes the first that answers.
    static std::variant<std::unique_ptr<Analyser>, Fault> connect(const QString &port,
                                                                  const std::atomic_bool *cancel = nullptr);

    const Device &device() const;

    // One sweep of `points` points evenly from fromMhz to toMhz, as a
    // one-port against 50 ohms, joining scans where the device measures
    // fewer at a time. The devices count in whole hertz: the step is
    // rounded to one, so where the span is no whole number of hertz a step,
    // the last point lies within points / 2 Hz of toMhz.
    std::variant<antenna::OnePort, Fault> sweep(double fromMhz, double toMhz, int points);

    void cancel(); // thread-safe

    // Gives the device its own sweep back and closes the port.
    ~Analyser();

    Analyser(const Analyser &) = delete;
    Analyser &operator=(const Analyser &) = delete;

    class Session; // the protocol behind it

private:
    explicit Analyser(std::unique_ptr<Session> session);
    std::unique_ptr<Session> session_;
};

// The protocols' pure parts, without I/O.
namespace shell {
// The reply to "scan START STOP POINTS 3": a frequency in Hz and S11 a line,
// lines ending CR LF or LF, decimal point or comma; blank lines, "AT?"-style
// noise, the command's echo and prompts skipped. A value that is no number
// or of magnitude > 10 is Garbled; other than `points` lines, WrongCount.
std::variant<std::vector<std::pair<qint64, std::complex<double>>>, Fault::Kind> parseScan(QByteArrayView reply,
                                                                                          int points);
} // namespace shell

namespace binary {
// S11 (rev0 / fwd) of 32-byte records, each placed by its freqIndex. An
// index beyond `points`, a zero forward wave or a ratio of magnitude > 10
// is Garbled; a partial record or a slot left empty, WrongCount.
std::variant<std::vector<std::complex<double>>, Fault::Kind> parseRecords(QByteArrayView records, int points);
} // namespace binary

} // namespace analyser
