// Locating the shared media corpus.
#include "support/corpus.h"

#include <QDir>

namespace testsupport {

QString corpusDir()
{
    for (const char *variable : {"PINDREL_CORPUS", "PINDREL_DEFAULT_CORPUS"}) {
        const QString dir = qEnvironmentVariable(variable);
        if (!dir.isEmpty() && QDir(dir).exists())
            return QDir(dir).absolutePath();
    }
    return {};
}

} // namespace testsupport
