// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up baseline: a bare Qt Widgets program that shows one window; with --label, the
// window is a label showing one word, which costs the font set-up any text pays.
#include "app/startup_report.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool label = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    const std::unique_ptr<QWidget> window(label ? new QLabel(QStringLiteral("Pindrel"))
                                                : new QWidget);
    window->resize(331, 331);
    window->winId();
    StartupReport::watch(window->windowHandle());
    window->show();
    return app.exec();
}
