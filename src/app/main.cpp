// Program entry: the application and its one main window.
#include "app/mainform.h"
#include "app/pindrel_application.h"
#include "app/startup_report.h"

int main(int argc, char *argv[])
{
    PindrelApplication app(argc, argv);
    TfrmMain window;
    StartupReport::watch(window.windowHandle());
    window.show();
    return app.exec();
}
