// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "commandline.h"
#include "ui/form1.h"
#include "ui/layout.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QToolTip>
#include <QTranslator>

#include <optional>

int main(int argc, char *argv[])
{
    if (const auto status = answerCommandLine(argc, argv))
        return *status;
#ifdef Q_OS_WIN
    // Text set by FreeType, as on Linux, in the face the program carries:
    // the layout's lines and widths are measured for it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    std::optional<StartGuard> starting(std::in_place);
    QApplication app(argc, argv);
    starting.reset();
    QApplication::setApplicationName(QStringLiteral("Tolvera"));
    QApplication::setApplicationVersion(QStringLiteral(TOLVERA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TOLVERA_APP_ID));
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    // Qt's own texts too: the edit boxes' context menus, the file and print
    // dialogs. Built in where no system Qt has them (Windows).
    QTranslator qtTexts;
    for (const auto &folder : {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (qtTexts.load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QApplication::installTranslator(&qtTexts);
            break;
        }
    }
    // Message boxes and menus too, and no second font family to load at
    // start. The window keeps its own look under any desktop theme.
    QApplication::setFont(ui::qtFont(ui::Font::Default));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(ui::windowPalette());
    QToolTip::setPalette(ui::windowPalette()); // a tooltip takes the theme's own otherwise

    Form1 form;
    form.show();
    return app.exec();
}
