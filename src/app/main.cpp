// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application, its command line and its one main window.
#include "app/open/command_line.h"
#include "app/pindrel_application.h"
#include "app/startup_report.h"
#include "app/termination_signals.h"
#include "app/window/mainform.h"

int main(int argc, char *argv[])
{
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication text(argc, argv);
        describeApplication();
        parseCommandLine(text.arguments()); // prints the text and ends the process
    }
    PindrelApplication app(argc, argv);
    quitOnTerminationSignals(app);
    const std::optional<OpenRequest> request = parseCommandLine(app.arguments());
    TfrmMain window;
    StartupReport::watch(window.windowHandle());
    window.show();
    // From the event loop, as a command would be: the window is up when a message shows.
    if (request)
        QMetaObject::invokeMethod(
            &window, [&window, &request] { window.openRequested(*request); }, Qt::QueuedConnection);
    return app.exec();
}
