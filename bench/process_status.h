// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of this process from /proc/self/status.
#pragma once

#include <QtGlobal>

// A field such as "VmRSS:" or "VmHWM:" in bytes; -1 when it cannot be read.
qint64 statusBytes(const char *field);
