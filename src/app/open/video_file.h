// SPDX-License-Identifier: GPL-3.0-or-later
// Which chosen files start a video puzzle rather than a picture puzzle.
#pragma once

#include <QString>

// AVI and the other video kinds by their name's extension; a GIF when it holds more than one
// frame (a still GIF is a picture). Never blocks on a FIFO or device.
bool opensAsVideo(const QString &path);
