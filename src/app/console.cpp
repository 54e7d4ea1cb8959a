// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "console.h"

#include <QtGlobal>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

QStringList arguments(int argc, char *argv[])
{
    QStringList list;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            list << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
#else
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
#endif
    return list;
}

void useConsole()
{
#ifdef Q_OS_WIN
    static bool attached = false;
    if (attached)
        return;
    attached = true;
    const bool redirected = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN;
    if (!redirected && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
        SetConsoleOutputCP(CP_UTF8);
    }
#endif
}

QString oneLine(const QString &prompt)
{
    return prompt.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(u' ');
}

void printOut(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void printError(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fflush(stderr);
}
