// SPDX-License-Identifier: GPL-3.0-or-later
// The video refresh interval setting and its fallbacks.
#include "app/settings/settings.h"
#include "support/fifo_watch.h"
#include "window_fixture.h"

#include <QFile>

TEST(AviTimerSetting, FallsBackToFortyMilliseconds)
{
    EXPECT_EQ(settings::aviTimerFrom(QVariant()), 40);
    EXPECT_EQ(settings::aviTimerFrom(QString()), 40);
    EXPECT_EQ(settings::aviTimerFrom(QStringLiteral("fast")), 40);
    EXPECT_EQ(settings::aviTimerFrom(QStringLiteral("0")), 0); // no clamping
    EXPECT_EQ(settings::aviTimerFrom(QStringLiteral("250")), 250);
    EXPECT_EQ(settings::aviTimerFrom(100), 100);
}

class StoredSettingTest : public WindowTest
{
  protected:
    void SetUp() override {}

    void openWithStore(const QByteArray &ini)
    {
        QDir(settingsDir.path()).mkpath(QStringLiteral("Pindrel"));
        QFile file(settingsDir.filePath(QStringLiteral("Pindrel/Pindrel.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ini);
        file.close();
        WindowTest::SetUp();
    }
};

// What a stored value gives is aviTimerFrom's; the window only has to read it (and without a
// store it starts at 40 ms, as WindowTest.StartsInTheSolutionViewOfTheBuiltInPicture checks).
TEST_F(StoredSettingTest, TheWindowReadsTheSystemStore)
{
    openWithStore("[General]\navi_timer=100\n");
    EXPECT_EQ(window->videoBoard().refreshInterval(), 100);
}

TEST_F(StoredSettingTest, TheHomeSiteAndTheImageSearchHostComeFromTheStore)
{
    openWithStore("[General]\nhome_site=http://home.example/puzzles/\n"
                  "image_search_host=search.example\n");
    EXPECT_EQ(settings::homeSiteBase(), "http://home.example/puzzles");
    EXPECT_EQ(settings::imageSearchHost(), "search.example");
    EXPECT_EQ(settings::onlineSite(), QUrl("http://home.example/puzzles/"));
}

TEST_F(StoredSettingTest, WithoutAStoreThePaneOpensTheBundledPages)
{
    WindowTest::SetUp();
    const QUrl base(settings::homeSiteBase());
    ASSERT_TRUE(base.isLocalFile());
    for (const char *page : {"pindrel_v2.htm", "pindrel.htm", "pd_contact.htm", "pd_search.htm"})
        EXPECT_TRUE(QFile::exists(base.toLocalFile() + "/" + page)) << page;
    EXPECT_EQ(settings::imageSearchHost(), "images.google.com");
    EXPECT_EQ(settings::onlineSite(), QUrl("https://pindrel.github.io/"));
}

// A store that is a FIFO would hold the window until somebody wrote to it: it is not opened,
// and the window starts with the defaults.
TEST_F(StoredSettingTest, AStoreThatIsNoRegularFileIsNotRead)
{
    QDir(settingsDir.path()).mkpath(QStringLiteral("Pindrel"));
    const QByteArray folders = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", settingsDir.path().toUtf8());
    FifoWatch fifo(settingsDir.filePath(QStringLiteral("Pindrel/Pindrel.ini")));
    ASSERT_TRUE(fifo.created());
    WindowTest::SetUp();
    EXPECT_EQ(window->videoBoard().refreshInterval(), 40);
    EXPECT_EQ(settings::imageSearchHost(), "images.google.com");
    EXPECT_FALSE(fifo.openedForReading());
    qputenv("XDG_CONFIG_DIRS", folders);
}
