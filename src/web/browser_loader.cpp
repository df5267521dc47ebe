// Finding and loading the engine module and the bundled pages, installed or in the build tree.
#include "web/browser_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <stdexcept>
#include <unistd.h>

namespace web {

namespace {

// The installed place (relative to the executable, so the install can move), then the
// build tree's.
QString firstExisting(const char *fromExecutable, const char *inBuild)
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QLatin1Char('/') + QLatin1String(fromExecutable));
    return QFileInfo::exists(installed) ? installed : QString::fromUtf8(inBuild);
}

} // namespace

std::unique_ptr<Browser> loadBrowser(QWidget *parent, const BrowserEvents &events)
{
    // Chromium refuses to run as root with its sandbox on; only then is it turned off.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QLibrary module(firstExisting(PINDREL_MODULE_FROM_BIN, PINDREL_MODULE_IN_BUILD));
    // The engine's threads outlive any one view; the module stays for the process.
    module.setLoadHints(QLibrary::PreventUnloadHint);
    auto create = reinterpret_cast<BrowserFactory>(module.resolve(browserFactoryName));
    if (!create)
        throw std::runtime_error(module.errorString().toStdString());
    return std::unique_ptr<Browser>(create(parent, events));
}

QString bundledSiteDir()
{
    return firstExisting(PINDREL_SITE_FROM_BIN, PINDREL_SITE_IN_SOURCE);
}

} // namespace web
