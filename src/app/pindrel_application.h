// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the last line of defence for failures escaping an event handler.
#pragma once

#include <QApplication>

// The name and version every application object of the game carries.
void describeApplication();

class PindrelApplication : public QApplication
{
    Q_OBJECT

  public:
    PindrelApplication(int &argc, char **argv);

    // Delivers the event; a failure thrown by its handler is shown in the error report
    // instead of ending the process.
    bool notify(QObject *receiver, QEvent *event) override;
};
