// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP end the program as Exit does, so the game in progress is kept
// when the desktop logs out or the system shuts down.
#pragma once

class QCoreApplication;

// Turns those signals into a quit of the application's event loop.
void quitOnTerminationSignals(QCoreApplication &application);
