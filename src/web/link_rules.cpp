// SPDX-License-Identifier: GPL-3.0-or-later
// The link rules as plain functions over address text.
#include "web/link_rules.h"

#include <QDir>
#include <QFileInfo>

namespace web {

QString imageSearchPrefix(const QString &host)
{
    return QStringLiteral("http://") + host + QStringLiteral("/imgres?imgurl=");
}

QString unwrapImageSearchLink(const QString &address, const QString &prefix)
{
    if (!address.startsWith(prefix, Qt::CaseSensitive))
        return address;
    const QString target = address.mid(prefix.size());
    const qsizetype amp = target.indexOf(QLatin1Char('&'));
    const qsizetype equals = target.indexOf(QLatin1Char('='));
    qsizetype end = target.size();
    for (qsizetype stop : {amp, equals})
        if (stop >= 0 && stop < end)
            end = stop;
    return target.left(end);
}

bool isPictureLink(const QString &address)
{
    const QString lower = address.toLower();
    return lower.endsWith(QLatin1String("jpg")) || lower.endsWith(QLatin1String("jpeg"));
}

QStringList homeSitePages(const QString &base)
{
    QStringList pages;
    for (const char *name : {"pindrel_v2.htm", "pindrel.htm", "pd_contact.htm", "pd_search.htm"})
        pages << base + QLatin1Char('/') + QLatin1String(name);
    return pages;
}

bool isHomeSitePage(const QString &address, const QString &base)
{
    return homeSitePages(base).contains(address, Qt::CaseSensitive);
}

QUrl typedAddress(const QString &typed)
{
    return QUrl::fromUserInput(typed);
}

QString addressShown(const QString &address)
{
    const QUrl url(address);
    if (url.userInfo().isEmpty())
        return address;
    return url.adjusted(QUrl::RemoveUserInfo).toString(QUrl::FullyEncoded);
}

bool isAllowedAddress(const QUrl &url, LinkOrigin origin, const QString &siteFolder)
{
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    if (scheme != QLatin1String("file"))
        return false;
    const QFileInfo file(url.toLocalFile());
    if (!file.isFile())
        return false;
    if (origin == LinkOrigin::Typed)
        return true;
    const QString site = QFileInfo(siteFolder).canonicalFilePath();
    return !site.isEmpty() && file.canonicalFilePath().startsWith(site + QLatin1Char('/'));
}

} // namespace web
