// SPDX-License-Identifier: GPL-3.0-or-later
// The system-wide settings store: an INI file "Pindrel/Pindrel.ini" in the XDG system
// configuration folders (/etc/xdg by default), which an installer or the administrator writes.
#include "app/settings/settings.h"

#include "sources/picture_file.h"
#include "web/browser_loader.h"

#include <QSettings>

namespace settings {

namespace {

// QSettings reads its files as it is made, and waits on a FIFO or a device put where one of them
// belongs until somebody writes to it. Such a store is not read at all: every value is then the
// default. (A file swapped for a FIFO between this look and the read is not guarded against.)
bool storeIsRegular()
{
    const QString folders = qEnvironmentVariable("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    for (const QString &folder : folders.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        for (const char *name : {"/Pindrel/Pindrel.ini", "/Pindrel.ini"}) {
            if (sources::isSpecialFile(folder + QLatin1String(name)))
                return false;
        }
    }
    return true;
}

} // namespace

QVariant ReadSetting(const QString &valueName)
{
    if (!storeIsRegular())
        return {};
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
