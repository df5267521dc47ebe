// SPDX-License-Identifier: GPL-3.0-or-later
// The Open dialog's file type entries.
#pragma once

#include <QStringList>

// The three entries the game has always had, the first of them selected, then "All pictures
// and videos", "Other pictures" and "Other videos". Each shows its text only; the patterns
// matched follow in the last parentheses, which the dialog hides.
QStringList openDialogFilters();

// Video kinds besides AVI (lower case, no dot).
QStringList otherVideoExtensions();
