// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the engine module and the bundled pages, installed or in the build tree.
#include "web/browser_loader.h"

#include "modules/module_loader.h"

#include <unistd.h>

namespace web {

std::unique_ptr<Browser> loadBrowser(QWidget *parent, const BrowserEvents &events)
{
    // Chromium refuses to run as root with its sandbox on; only then is it turned off.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const auto create = reinterpret_cast<BrowserFactory>(modules::resolveInModule(
        modules::firstExisting(PINDREL_MODULE_FROM_BIN, PINDREL_MODULE_IN_BUILD),
        browserFactoryName));
    return std::unique_ptr<Browser>(create(parent, events));
}

QString bundledSiteDir()
{
    return modules::firstExisting(PINDREL_SITE_FROM_BIN, PINDREL_SITE_IN_SOURCE);
}

} // namespace web
