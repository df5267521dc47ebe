// SPDX-License-Identifier: GPL-3.0-or-later
// Which addresses in the web pane are pictures to play, and which pages are the home site's.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace web {

// "http://", the image search engine's host, "/imgres?imgurl=": its result links wrap the
// picture's address behind this.
QString imageSearchPrefix(const QString &host);

// The wrapped address of an image-search result link: what follows the prefix up to the first
// "&" or "=". Any other address comes back unchanged. Nothing is decoded.
QString unwrapImageSearchLink(const QString &address, const QString &prefix);

// A picture link ends in "jpg" or "jpeg", in any case; no dot is needed before it.
bool isPictureLink(const QString &address);

// The home site's four pages, the start page first: base + "/" + page name.
QStringList homeSitePages(const QString &base);

// Whether address is exactly (case-sensitively) one of the home site's pages.
bool isHomeSitePage(const QString &address, const QString &base);

// Where an address the game is to fetch or show comes from: a page (its links, the addresses
// unwrapped from them, its new-window requests), or the player's own typing in Open URL.
enum class LinkOrigin
{
    Page,
    Typed
};

// An address typed in Open URL read the way a browser reads it: without a scheme it is http
// ("127.0.0.1:8080/a.jpg"), and an absolute local path is that file.
QUrl typedAddress(const QString &typed);

// A picture's address as the game shows and keeps it: without the user name and password it
// may carry, which only its download uses.
QString addressShown(const QString &address);

// Whether the game may fetch or open url. Any origin may reach http and https; a page may
// reach regular files inside siteFolder only (the bundled home site, compared by canonical
// path), the player any regular file. Nothing else: no other scheme, no FIFO or device, which
// would block the window in the synchronous open of a file: address.
bool isAllowedAddress(const QUrl &url, LinkOrigin origin, const QString &siteFolder);

} // namespace web
