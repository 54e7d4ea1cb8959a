// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "words/words.h"

#include <QTranslator>

namespace words {

bool speakChinese()
{
    static QTranslator chinese;
    if (chinese.isEmpty() && !chinese.load(QStringLiteral(":/words/tolvera_zh_CN.qm")))
        return false;
    QCoreApplication::removeTranslator(&chinese);
    return QCoreApplication::installTranslator(&chinese);
}

} // namespace words
