// SPDX-License-Identifier: GPL-3.0-or-later
// Modules stay loaded once in: their objects and threads may outlive any one user.
#include "modules/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <stdexcept>

namespace modules {

QString firstExisting(const char *fromExecutable, const char *inBuild)
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QLatin1Char('/') + QLatin1String(fromExecutable));
    return QFileInfo::exists(installed) ? installed : QString::fromUtf8(inBuild);
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
