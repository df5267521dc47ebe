// SPDX-License-Identifier: GPL-3.0-or-later
// Which chosen files start a video puzzle rather than a picture puzzle.
#pragma once

#include <QString>

// A file named .avi always; any other by its content: a video container's signature or a GIF
// of more than one frame, while a picture any reader takes stays a picture whatever its name.
// Content that is neither goes by the name: the other video kinds' extensions. Never blocks
// on a FIFO or device.
bool opensAsVideo(const QString &path);
