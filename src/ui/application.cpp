// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/application.h"

#include "ui/layout.h"
#include "words/words.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QToolTip>
#include <QTranslator>

namespace ui {

void setUpApplication()
{
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    // Qt's own texts too: the edit boxes' context menus, the file and print
    // dialogs. Built in where no system Qt has them (Windows).
    static QTranslator qtTexts;
    for (const auto &folder : {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (qtTexts.load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QApplication::installTranslator(&qtTexts);
            break;
        }
    }
    // The program's own figures and messages, always in Chinese here.
    words::speakChinese();
    // Message boxes and menus too, and no second font family to load at
    // start. The window keeps its own look under any desktop theme.
    QApplication::setFont(qtFont(Font::Default));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(windowPalette());
    QToolTip::setPalette(windowPalette()); // a tooltip takes the theme's own otherwise
}

} // namespace ui
