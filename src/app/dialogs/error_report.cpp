// SPDX-License-Identifier: GPL-3.0-or-later
// Failures shown to the player. Exceptions must not unwind through Qt's event dispatch, so
// handlers that leave a failure to this report catch it at their own edge.
#include "app/dialogs/error_report.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <exception>

namespace {

// The window the player works in, or else the main window: a box without a parent is not
// kept over the game by the window manager and opens wherever it chooses.
QWidget *reportParent()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(window) && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

void showErrorReport(const char *what)
{
    QMessageBox::critical(reportParent(), QStringLiteral("Pindrel"),
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
