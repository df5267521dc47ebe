// Requests from outside go through the Open command's and Open URL's own entry points, so a
// file or address opened this way behaves exactly like one chosen inside the game.
#include "app/open_request.h"

#include "app/mainform.h"

#include <QFileInfo>
#include <QMessageBox>

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

void openRequested(TfrmMain &window, const OpenRequest &request)
{
    if (request.kind == OpenRequest::Kind::File) {
        // A name that leads nowhere leaves the puzzle on screen as it is: the Open command's
        // failure path would hide it, and no dialog could have offered such a name.
        const QFileInfo file(request.target);
        if (!file.isFile() || !file.isReadable()) {
            QMessageBox::critical(&window, QStringLiteral("Error"),
                                  QStringLiteral("Unable to open file."), QMessageBox::Ok);
            return;
        }
        window.openChosenFile(request.target);
    } else {
        window.openTypedAddress(request.target);
    }
}
