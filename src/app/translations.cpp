// SPDX-License-Identifier: GPL-3.0-or-later
// Translations are looked for where the game is installed, else in the build tree.
#include "app/translations.h"

#include "modules/module_loader.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const char installedTranslation[] = "pindrelTranslation";

// file is a name such as "pindrel_de_DE"; Qt falls back to "pindrel_de" by itself.
bool install(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(installedTranslation));
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installTranslations()
{
    for (QTranslator *old : QCoreApplication::instance()->findChildren<QTranslator *>(
             QLatin1String(installedTranslation), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QString folder =
        modules::firstExisting(PINDREL_TRANSLATIONS_FROM_BIN, PINDREL_TRANSLATIONS_IN_BUILD);
    for (QString language : QLocale().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        // A player who lists English before another language reads the game in English.
        if (QLocale(language).language() == QLocale::English)
            return;
        if (install(QStringLiteral("pindrel_") + language, folder)) {
            install(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}
