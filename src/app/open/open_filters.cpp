// SPDX-License-Identifier: GPL-3.0-or-later
// The first three entries are written as the game always showed them, semicolons included;
// Qt would take "*.jpg;" as a pattern of its own, hence the hidden pattern lists.
#include "app/open/open_filters.h"

#include "sources/other_picture_decoder.h"

#include <QCoreApplication>

namespace {

QString entry(const QString &text, const QStringList &extensions)
{
    QStringList patterns;
    for (const QString &extension : extensions)
        patterns << QStringLiteral("*.") + extension;
    return text + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace

QStringList otherVideoExtensions()
{
    return {"mp4",  "m4v", "mov",  "mkv", "webm", "ogv", "ts",
            "m2ts", "mpg", "mpeg", "flv", "wmv",  "asf"};
}

QStringList openDialogFilters()
{
    const QStringList jpeg{"jpg", "jpeg"};
    const QStringList pictures = sources::otherPictureExtensions();
    const QStringList videos = otherVideoExtensions();
    return {
        //: The patterns in brackets stay as they are: the second brackets are what the dialog
        //: matches
        QCoreApplication::translate(
            "OpenFilters", "Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)"),
        QCoreApplication::translate("OpenFilters", "JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)"),
        QCoreApplication::translate("OpenFilters", "AVI videos (*.avi) (*.avi)"),
        entry(QCoreApplication::translate("OpenFilters", "All pictures and videos"),
              jpeg + pictures + QStringList{"avi"} + videos),
        entry(QCoreApplication::translate("OpenFilters", "Other pictures"), pictures),
        entry(QCoreApplication::translate("OpenFilters", "Other videos"), videos),
    };
}
