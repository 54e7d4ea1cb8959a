// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// The serial line on Linux: Qt Serial Port, blocking, on the caller's thread.

#include "analyser/link.h"

#include <QFile>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

#include <cerrno>
#include <unistd.h>

namespace analyser::detail {

namespace {

class QtPort final : public Port
{
public:
    std::optional<Fault::Kind> open(const QString &name) override
    {
        const QString path = name.startsWith(u'/') ? name : QSerialPortInfo(name).systemLocation();
        // Qt reports both a port we may not use and one locked by another
        // program as a PermissionError: ask the file system which it is.
        const QByteArray file = QFile::encodeName(path);
        if (::access(file.constData(), R_OK | W_OK) != 0)
            return errno == EACCES || errno == EPERM ? Fault::Kind::NoPermission : Fault::Kind::CannotOpen;
        port_.setPortName(path);
        port_.setBaudRate(QSerialPort::Baud115200);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::NoFlowControl);
        if (port_.open(QIODevice::ReadWrite))
            return std::nullopt;
        switch (port_.error()) {
        case QSerialPort::PermissionError: // its lock file, or TIOCEXCL's EBUSY
        case QSerialPort::OpenError:
            return Fault::Kind::Busy;
        default: // not found, or no serial port at all
            return Fault::Kind::CannotOpen;
        }
    }

    Io write(QByteArrayView bytes, int ms) override
    {
        port_.clearError();
        if (!bytes.isEmpty() && port_.write(bytes.data(), bytes.size()) != bytes.size())
            return Io::Gone;
        if (port_.bytesToWrite() > 0 && !port_.waitForBytesWritten(ms) && failed())
            return Io::Gone;
        return port_.bytesToWrite() > 0 ? Io::Waiting : Io::Done;
    }

    Io read(QByteArray &into, int ms) override
    {
        port_.clearError();
        if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(ms))
            return failed() ? Io::Gone : Io::Waiting;
        into += port_.readAll();
        return failed() ? Io::Gone : Io::Done;
    }

    void discardInput() override { port_.clear(QSerialPort::Input); }

private:
    // A pty whose other end closed gives ReadError, a USB port unplugged
    // ResourceError: both mean it is gone.
    bool failed() const
    {
        const auto e = port_.error();
        return e != QSerialPort::NoError && e != QSerialPort::TimeoutError;
    }

    QSerialPort port_;
};

std::optional<Family> byIds(const QSerialPortInfo &info)
{
    if (!info.hasVendorIdentifier() || !info.hasProductIdentifier())
        return std::nullopt;
    if (info.vendorIdentifier() == 0x0483 && info.productIdentifier() == 0x5740)
        return Family::TextShell;
    if (info.vendorIdentifier() == 0x04B4 && info.productIdentifier() == 0x0008)
        return Family::Binary;
    return std::nullopt;
}

} // namespace

std::unique_ptr<Port> makePort() { return std::make_unique<QtPort>(); }

std::vector<PortInfo> listPorts()
{
    std::vector<PortInfo> out;
    for (const auto &info : QSerialPortInfo::availablePorts()) {
        QString description = info.description();
        if (!info.manufacturer().isEmpty() && !description.contains(info.manufacturer()))
            description = info.manufacturer() + u' ' + description;
        out.push_back({info.systemLocation(), description.trimmed(), byIds(info)});
    }
    std::stable_sort(out.begin(), out.end(), [](const PortInfo &a, const PortInfo &b) {
        if (a.byIds.has_value() != b.byIds.has_value())
            return a.byIds.has_value();
        // ttyACM2 before ttyACM10
        return a.port.size() != b.port.size() ? a.port.size() < b.port.size() : a.port < b.port;
    });
    return out;
}

} // namespace analyser::detail
