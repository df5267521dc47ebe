// The application object.
#include "app/pindrel_application.h"

#include "app/error_report.h"

PindrelApplication::PindrelApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Pindrel"));
    setApplicationDisplayName(QStringLiteral("Pindrel"));
}

bool PindrelApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    runReportingFailures([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
