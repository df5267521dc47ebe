// Program entry: the application and its one main window.
#include "app/mainform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pindrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pindrel"));
    TfrmMain window;
    window.show();
    return app.exec();
}
