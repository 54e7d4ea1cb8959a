// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "commandline.h"
#include "startguard.h"
#include "ui/application.h"
#include "ui/form1.h"

#include <QApplication>

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
    ui::setUpApplication();

    Form1 form;
    form.show();
    return app.exec();
}
