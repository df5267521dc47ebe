// The system-wide settings store: an INI file "Pindrel/Pindrel.ini" in the XDG system
// configuration folders (/etc/xdg by default), which an installer or the administrator writes.
#include "app/settings.h"

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

QUrl homeSiteBase()
{
    const QString stored = ReadSetting(QStringLiteral("home_site")).toString();
    return QUrl(stored.isEmpty() ? QStringLiteral("https://pindrel.github.io/") : stored);
}

} // namespace settings
