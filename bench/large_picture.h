// SPDX-License-Identifier: GPL-3.0-or-later
// A large photo-like JPEG written once for the open benchmarks.
#pragma once

#include <QString>

// Writes a 6000 x 4000 JPEG (smooth shading with fine grain, so it compresses like a photo)
// into the temporary folder and returns its path.
QString writeLargeJpeg();
