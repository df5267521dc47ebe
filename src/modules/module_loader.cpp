// SPDX-License-Identifier: GPL-3.0-or-later
// Modules stay loaded once in: their objects and threads may outlive any one user.
#include "modules/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <stdexcept>

namespace modules {

namespace {

// Only programs run from the build tree may fall back to it: an installed copy (a package
// built elsewhere) must never load whatever now sits at its build machine's paths.
bool runsFromBuildTree()
{
    const QString buildDir = QDir(QString::fromUtf8(PINDREL_BUILD_DIR)).canonicalPath();
    const QString executableDir = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    return !buildDir.isEmpty() &&
           (executableDir == buildDir || executableDir.startsWith(buildDir + QLatin1Char('/')));
}

} // namespace

QString firstExisting(const char *fromExecutable, const char *inBuild)
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QLatin1Char('/') + QLatin1String(fromExecutable));
    return QFileInfo::exists(installed) || !runsFromBuildTree() ? installed
                                                                : QString::fromUtf8(inBuild);
}

QFunctionPointer resolveInModule(const QString &path, const char *symbol)
{
    QLibrary module(path);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    const QFunctionPointer function = module.resolve(symbol);
    if (!function)
        throw std::runtime_error(module.errorString().toStdString());
    return function;
}

} // namespace modules
