// SPDX-License-Identifier: GPL-3.0-or-later
// The application object.
#include "app/pindrel_application.h"

#include "app/dialogs/error_report.h"

void describeApplication()
{
    // No display name: Qt would append it to every window title, and the window already
    // names the game itself.
    QCoreApplication::setApplicationName(QStringLiteral("Pindrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PINDREL_VERSION));
}

PindrelApplication::PindrelApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    describeApplication();
    // Desktops find the menu entry, and with it the icon, by this name.
    setDesktopFileName(QStringLiteral("io.github.pindrel.Pindrel"));
}

bool PindrelApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    runReportingFailures([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
