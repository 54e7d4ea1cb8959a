// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// The least a Qt Widgets program of the calculator's size does to start:
// an empty window of the same size. With --label it also shows one line of
// Chinese text, which is what it costs to bring up fonts at all.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(257, 362);
    window.setWindowTitle(QStringLiteral("floor"));
    if (QApplication::arguments().contains(QStringLiteral("--label")))
        new QLabel(QStringLiteral("频率输入:"), &window);
    window.show();
    return app.exec();
}
