// Which addresses in the web pane are pictures to play, and which pages are the home site's.
#pragma once

#include <QString>
#include <QStringList>

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

} // namespace web
