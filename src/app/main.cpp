#include "ui/form1.h"
#include "ui/layout.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvera"));
    QApplication::setApplicationVersion(QStringLiteral(TOLVERA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TOLVERA_APP_ID));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Message boxes too, and no second font family to load at start.
    QApplication::setFont(ui::qtFont(ui::Font::Default));

    Form1 form;
    form.show();
    return app.exec();
}
