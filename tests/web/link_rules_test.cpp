// The link rules as a table of addresses.
#include "support/qt_printers.h"
#include "web/link_rules.h"

#include <gtest/gtest.h>

namespace {

const QString prefix = QStringLiteral("http://images.example/imgres?imgurl=");

// What the web pane does with a followed address: the picture address it downloads, or empty
// when the navigation goes on.
QString downloadedFor(const QString &address)
{
    const QString target = web::unwrapImageSearchLink(address, prefix);
    return web::isPictureLink(target) ? target : QString();
}

} // namespace

TEST(LinkRules, PictureLinksAndImageSearchUnwrapping)
{
    struct Case
    {
        const char *address;
        const char *downloaded; // empty: shown as a page
    };
    const Case cases[] = {
        {"http://site/a/photo.jpg", "http://site/a/photo.jpg"},
        {"http://site/a/PHOTO.JPEG", "http://site/a/PHOTO.JPEG"},
        {"http://site/a/photo.JpG", "http://site/a/photo.JpG"},
        {"http://site/photo.jpg?size=2", ""},
        {"http://site/notajpg", "http://site/notajpg"}, // no dot needed
        {"http://site/xjpeg", "http://site/xjpeg"},
        {"http://site/photo.jpe", ""},
        {"http://site/page.htm", ""},
        {"jpg", "jpg"},
        {"", ""},
        // Image search results: the target up to the first "&" or "=".
        {"http://images.example/imgres?imgurl=http://x/pic.jpg&w=300", "http://x/pic.jpg"},
        {"http://images.example/imgres?imgurl=http://x/pic.jpg", "http://x/pic.jpg"},
        {"http://images.example/imgres?imgurl=http://x/x.cgi?id=7.jpg", ""},
        {"http://images.example/imgres?imgurl=http://x/a%20b.JPEG&h=1", "http://x/a%20b.JPEG"},
        {"http://images.example/imgres?imgurl=", ""},
        {"http://images.example/imgres?imgurl=&x=a.jpg", ""},
        // The prefix is compared exactly: another case or scheme is an ordinary address.
        {"HTTP://images.example/imgres?imgurl=http://x/pic.jpg&w=300", ""},
        {"https://images.example/imgres?imgurl=http://x/pic.jpg&w=3.jpg",
         "https://images.example/imgres?imgurl=http://x/pic.jpg&w=3.jpg"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(downloadedFor(QString::fromUtf8(c.address)), QString::fromUtf8(c.downloaded))
            << c.address;
    EXPECT_EQ(web::imageSearchPrefix(QStringLiteral("images.example")), prefix);
}

TEST(LinkRules, HomeSitePagesAreMatchedExactly)
{
    const QString base = QStringLiteral("http://home.example/puzzles");
    EXPECT_EQ(web::homeSitePages(base),
              (QStringList{base + "/pindrel_v2.htm", base + "/pindrel.htm",
                           base + "/pd_contact.htm", base + "/pd_search.htm"}));
    struct Case
    {
        const char *address;
        bool home;
    };
    const Case cases[] = {
        {"http://home.example/puzzles/pindrel_v2.htm", true},
        {"http://home.example/puzzles/pd_search.htm", true},
        {"http://home.example/puzzles/PINDREL.htm", false},
        {"http://home.example/puzzles/pindrel_v2.htm?x=1", false},
        {"http://home.example/puzzles/other.htm", false},
        {"http://home.example/pindrel.htm", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(web::isHomeSitePage(QString::fromUtf8(c.address), base), c.home) << c.address;
}
