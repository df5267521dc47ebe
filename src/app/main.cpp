// Program entry: the application and its one main window.
#include "app/mainform.h"
#include "app/pindrel_application.h"

int main(int argc, char *argv[])
{
    PindrelApplication::prepare();
    PindrelApplication app(argc, argv);
    TfrmMain window;
    window.show();
    return app.exec();
}
