// SPDX-License-Identifier: GPL-3.0-or-later
// Failures shown to the player. Exceptions must not unwind through Qt's event dispatch, so
// handlers that leave a failure to this report catch it at their own edge.
#include "app/dialogs/error_report.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

void showErrorReport(const char *what)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Pindrel"),
                          QCoreApplication::translate("ErrorReport", what), QMessageBox::Ok);
}

void runReportingFailures(const std::function<void()> &work)
{
    try {
        work();
    } catch (const std::exception &failure) {
        showErrorReport(failure.what());
    } catch (...) {
        showErrorReport(QT_TRANSLATE_NOOP("ErrorReport", "Unexpected failure."));
    }
}
