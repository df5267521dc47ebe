// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the browser module on first use.
#pragma once

#include "web/browser.h"

#include <memory>

namespace web {

// Loads the engine module and makes its browser inside parent. Throws std::runtime_error
// when the module cannot be loaded.
std::unique_ptr<Browser> loadBrowser(QWidget *parent, const BrowserEvents &events);

// Where the home site's bundled pages are: the installed data folder, else the source tree's.
QString bundledSiteDir();

// The name of the module's factory function.
inline constexpr char browserFactoryName[] = "pindrelCreateBrowser";
using BrowserFactory = Browser *(*)(QWidget *parent, const BrowserEvents &events);

} // namespace web
