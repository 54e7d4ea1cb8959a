// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// The serial line on Windows, straight on Win32: the cross-built Qt has no
// Serial Port.

#include "analyser/link.h"

#include <algorithm>

#include <windows.h>

namespace analyser::detail {

namespace {

class WinPort final : public Port
{
public:
    ~WinPort() override
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }

    std::optional<Fault::Kind> open(const QString &name) override
    {
        // COM10 and up are only reachable by their device path.
        const QString path = name.startsWith(QLatin1String("\\\\.\\")) ? name : QLatin1String("\\\\.\\") + name;
        handle_ = CreateFileW(path.toStdWString().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            // A port another program holds is ACCESS_DENIED on Windows.
            const DWORD error = GetLastError();
            return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? Fault::Kind::Busy
                                                                                     : Fault::Kind::CannotOpen;
        }
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(handle_, &dcb))
            return closed();
        dcb.BaudRate = CBR_115200;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fParity = FALSE;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        dcb.fErrorChar = FALSE;
        dcb.fNull = FALSE;
        dcb.fAbortOnError = FALSE;
        if (!SetCommState(handle_, &dcb) || !timeouts(0))
            return closed();
        PurgeComm(handle_, PURGE_RXCLEAR | PURGE_TXCLEAR);
        return std::nullopt;
    }

    // Any failure of an open port's I/O (OPERATION_ABORTED, BAD_COMMAND,
    // DEVICE_REMOVED, GEN_FAILURE as the drivers have it) is the port gone.
    Io write(QByteArrayView bytes, int ms) override
    {
        pending_.append(bytes.data(), bytes.size());
        if (pending_.isEmpty())
            return Io::Done;
        DWORD written = 0;
        if (!timeouts(ms) || !WriteFile(handle_, pending_.constData(), DWORD(pending_.size()), &written, nullptr))
            return Io::Gone;
        pending_.remove(0, qsizetype(written));
        return pending_.isEmpty() ? Io::Done : Io::Waiting;
    }

    Io read(QByteArray &into, int ms) override
    {
        char buffer[4096];
        DWORD got = 0;
        if (!timeouts(ms) || !ReadFile(handle_, buffer, sizeof buffer, &got, nullptr))
            return Io::Gone;
        into.append(buffer, qsizetype(got));
        return got > 0 ? Io::Done : Io::Waiting;
    }

    void discardInput() override { PurgeComm(handle_, PURGE_RXCLEAR); }

private:
    std::optional<Fault::Kind> closed()
    {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return Fault::Kind::CannotOpen;
    }

    // A read returns at once with what has come, or waits up to ms for a
    // first byte; a write gives up after ms.
    bool timeouts(int ms)
    {
        const DWORD wanted = DWORD(std::max(ms, 1));
        if (wanted == timeoutMs_)
            return true;
        COMMTIMEOUTS t{};
        t.ReadIntervalTimeout = MAXDWORD;
        t.ReadTotalTimeoutMultiplier = MAXDWORD;
        t.ReadTotalTimeoutConstant = wanted;
        t.WriteTotalTimeoutMultiplier = 0;
        t.WriteTotalTimeoutConstant = wanted;
        if (!SetCommTimeouts(handle_, &t))
            return false;
        timeoutMs_ = wanted;
        return true;
    }

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    QByteArray pending_;
    DWORD timeoutMs_ = 0;
};

int comNumber(const QString &port) { return port.mid(3).toInt(); }

} // namespace

std::unique_ptr<Port> makePort() { return std::make_unique<WinPort>(); }

// Windows names no USB ids here: probing tells. The ports of usbser.sys,
// the CDC driver the NanoVNAs use, come first.
std::vector<PortInfo> listPorts()
{
    std::vector<PortInfo> out;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return out;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        wchar_t data[64];
        DWORD nameLength = sizeof name / sizeof name[0];
        DWORD dataBytes = sizeof data;
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE *>(data),
                                          &dataBytes);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || type != REG_SZ)
            continue;
        QString port = QString::fromWCharArray(data, int(dataBytes / sizeof(wchar_t)));
        while (port.endsWith(QChar(u'\0')))
            port.chop(1);
        if (!port.isEmpty())
            out.push_back({port, QString::fromWCharArray(name, int(nameLength)), std::nullopt});
    }
    RegCloseKey(key);
    std::stable_sort(out.begin(), out.end(), [](const PortInfo &a, const PortInfo &b) {
        const bool usbA = a.description.contains(QLatin1String("USBSER"), Qt::CaseInsensitive);
        const bool usbB = b.description.contains(QLatin1String("USBSER"), Qt::CaseInsensitive);
        if (usbA != usbB)
            return usbA;
        return comNumber(a.port) < comNumber(b.port);
    });
    return out;
}

} // namespace analyser::detail
