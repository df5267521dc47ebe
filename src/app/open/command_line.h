// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: pindrel [--resume] [FILE-OR-ADDRESS], --help, --version.
#pragma once

#include "app/open/open_request.h"

#include <QStringList>

#include <optional>

// What to open at start, if anything: the kept game with --resume, else the first file or
// address given. --help and --version
// print their text and end the process, as does an unknown option (with the reason).
std::optional<OpenRequest> parseCommandLine(const QStringList &arguments);

// True when the arguments ask for --help or --version only: the text is printed with no
// window and no display.
bool asksForTextOnly(int argc, char **argv);
