// The application object: the last line of defence for failures escaping an event handler.
#pragma once

#include <QApplication>

class PindrelApplication : public QApplication
{
    Q_OBJECT

public:
    PindrelApplication(int &argc, char **argv);

    // What must be set before the application object exists: the web engine, loaded later
    // from a module, shares OpenGL contexts with the window.
    static void prepare();

    // Delivers the event; a failure thrown by its handler is shown in the error report
    // instead of ending the process.
    bool notify(QObject *receiver, QEvent *event) override;
};
