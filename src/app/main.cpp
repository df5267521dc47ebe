// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application, its command line and its one main window.
#include "app/open/command_line.h"
#include "app/pindrel_application.h"
#include "app/startup_report.h"
#include "app/termination_signals.h"
#include "app/translations.h"
#include "app/widgets/once_exposed.h"
#include "app/window/mainform.h"

int main(int argc, char *argv[])
{
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication text(argc, argv);
        describeApplication();
        installTranslations();
        parseCommandLine(text.arguments()); // prints the text and ends the process
    }
    PindrelApplication app(argc, argv);
    installTranslations();
    quitOnTerminationSignals(app);
    const std::optional<OpenRequest> request = parseCommandLine(app.arguments());
    TfrmMain window;
    StartupReport::watch(window.windowHandle());
    window.show();
    // From the event loop, as a command would be, once the window is on screen: a message box
    // is then centred over the window where the window manager put it, and the web pane's new
    // native window (an address) keeps that place.
    if (request)
        callOnceExposed(&window, [&window, &request] { window.openRequested(*request); });
    return app.exec();
}
