// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "language.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool chineseLocale()
{
#ifdef Q_OS_WIN
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
#else
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value.startsWith("zh");
    }
    return false;
#endif
}
