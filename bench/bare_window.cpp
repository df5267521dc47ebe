// The start-up baseline: a bare Qt Widgets program that shows one window.
#include "app/startup_report.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(331, 331);
    window.winId();
    StartupReport::watch(window.windowHandle());
    window.show();
    return app.exec();
}
