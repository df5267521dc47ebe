// SPDX-License-Identifier: GPL-3.0-or-later
// Locating the shared media corpus and fuzzing finds.
#include "support/corpus.h"

#include <QDir>

namespace testsupport {

namespace {

// The first of the variables naming a folder that exists, as an absolute path.
QString existingDir(std::initializer_list<const char *> variables)
{
    for (const char *variable : variables) {
        const QString dir = qEnvironmentVariable(variable);
        if (!dir.isEmpty() && QDir(dir).exists())
            return QDir(dir).absolutePath();
    }
    return {};
}

} // namespace

QString corpusDir()
{
    return existingDir({"PINDREL_CORPUS", "PINDREL_DEFAULT_CORPUS"});
}

QString fuzzDir()
{
    return existingDir({"PINDREL_FUZZ_FINDS", "PINDREL_DEFAULT_FUZZ_FINDS"});
}

} // namespace testsupport
