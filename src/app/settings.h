// The one setting the game reads: how often a playing video refreshes the board.
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

// The home site's base address: "home_site" in the store, else the project's own site.
QUrl homeSiteBase();

} // namespace settings
