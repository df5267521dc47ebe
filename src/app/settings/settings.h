// SPDX-License-Identifier: GPL-3.0-or-later
// The settings the game reads: the video refresh interval and the home site.
#pragma once

#include <QUrl>
#include <QVariant>

namespace settings {

constexpr int defaultAviTimer = 40;

// A value of the system-wide settings store (read only); an empty value when it is absent.
QVariant ReadSetting(const QString &valueName);

// The refresh interval in milliseconds for a stored value: its integer value when it has
// one, the default when it is absent, empty or not a number. No range check.
int aviTimerFrom(const QVariant &stored);

// The site "Visit Pindrel Online..." opens: "home_site" in the store, else the project's own.
QUrl onlineSite();

// The web pane's home site, without a trailing "/": "home_site" in the store, else the
// pages the game installs.
QString homeSiteBase();

// The image search engine whose result links are unwrapped: "image_search_host" in the
// store, else Google's image search.
QString imageSearchHost();

} // namespace settings
