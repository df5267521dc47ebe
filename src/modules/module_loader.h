// SPDX-License-Identifier: GPL-3.0-or-later
// Finding installed or built files of the game and loading its modules for the process.
#pragma once

#include <QString>

namespace modules {

// The installed place, relative to the executable so the install can move, when it exists or
// when the program is not run from the build tree; else the build tree's.
QString firstExisting(const char *fromExecutable, const char *inBuild);

// Loads the module at path for the rest of the process and returns its function `symbol`.
// Throws std::runtime_error with the loader's message when either fails.
QFunctionPointer resolveInModule(const QString &path, const char *symbol);

} // namespace modules
