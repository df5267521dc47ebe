// SPDX-License-Identifier: GPL-3.0-or-later
// What a command-line word or a dropped URL asks to open.
#include "app/open/open_request.h"

#include <QFileInfo>

std::optional<OpenRequest> requestForUrl(const QUrl &url)
{
    if (url.isLocalFile())
        return OpenRequest{OpenRequest::Kind::File,
                           QFileInfo(url.toLocalFile()).absoluteFilePath()};
    const QString scheme = url.scheme().toLower();
    if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) && url.isValid() &&
        !url.host().isEmpty())
        return OpenRequest{OpenRequest::Kind::Address, url.toString(QUrl::FullyEncoded)};
    return std::nullopt;
}

OpenRequest requestForArgument(const QString &argument)
{
    // A path may hold a colon; only a word that reads as a URL of ours is one.
    if (argument.contains(QLatin1String("://")) || argument.startsWith(QLatin1String("file:"))) {
        if (const std::optional<OpenRequest> request = requestForUrl(QUrl(argument)))
            return *request;
    }
    return OpenRequest{OpenRequest::Kind::File, QFileInfo(argument).absoluteFilePath()};
}
