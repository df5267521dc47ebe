// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of this process from /proc/self/status.
#pragma once

#include <QtGlobal>

// A field such as "VmRSS:" or "VmHWM:" in bytes; -1 when it cannot be read.
qint64 statusBytes(const char *field);
// Starts the peak ("VmHWM:") afresh from the present resident set; false when the kernel
// does not allow it.
bool resetPeakResident();

// AddressSanitizer keeps freed memory in quarantine and shadows every allocation: the resident
// set then says nothing about what the program holds.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentSetIsMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool residentSetIsMeaningful = false;
#else
constexpr bool residentSetIsMeaningful = true;
#endif
#else
constexpr bool residentSetIsMeaningful = true;
#endif
