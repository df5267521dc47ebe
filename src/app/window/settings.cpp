// SPDX-License-Identifier: GPL-3.0-or-later
// The system-wide settings store: an INI file "Pindrel/Pindrel.ini" in the XDG system
// configuration folders (/etc/xdg by default), which an installer or the administrator writes.
#include "app/window/settings.h"

#include "web/browser_loader.h"

#include <QSettings>

namespace settings {

QVariant ReadSetting(const QString &valueName)
{
    QSettings store(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("Pindrel"),
                    QStringLiteral("Pindrel"));
    return store.value(valueName);
}

int aviTimerFrom(const QVariant &stored)
{
    const QString text = stored.toString();
    if (text.isEmpty())
        return defaultAviTimer;
    bool ok = false;
    const int interval = text.toInt(&ok);
    return ok ? interval : defaultAviTimer;
}

QUrl onlineSite()
{
    const QString stored = ReadSetting(QStringLiteral("home_site")).toString();
    return QUrl(stored.isEmpty() ? QStringLiteral("https://pindrel.github.io/") : stored);
}

QString homeSiteBase()
{
    const QString stored = ReadSetting(QStringLiteral("home_site")).toString();
    if (!stored.isEmpty())
        return stored.endsWith(QLatin1Char('/')) ? stored.chopped(1) : stored;
    // The pages the game ships work without a network.
    return QUrl::fromLocalFile(web::bundledSiteDir()).toString(QUrl::FullyEncoded);
}

QString imageSearchHost()
{
    const QString stored = ReadSetting(QStringLiteral("image_search_host")).toString();
    return stored.isEmpty() ? QStringLiteral("images.google.com") : stored;
}

} // namespace settings
