// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a failure that no handler deals with itself: a message box with its text.
#pragma once

#include <functional>

class QWidget;

void showErrorReport(const char *what);

// Runs work; a failure it throws is shown in the error report instead of ending the process.
void runReportingFailures(const std::function<void()> &work);
