// The video refresh interval setting and its fallbacks.
#include "app/settings.h"
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

TEST_F(StoredSettingTest, TheWindowReadsTheSystemStore)
{
    openWithStore("[General]\navi_timer=100\n");
    EXPECT_EQ(window->videoRefreshInterval(), 100);
}

TEST_F(StoredSettingTest, AMalformedValueGivesTheDefault)
{
    openWithStore("[General]\navi_timer=fast\n");
    EXPECT_EQ(window->videoRefreshInterval(), 40);
}

TEST_F(StoredSettingTest, NoStoreGivesTheDefault)
{
    WindowTest::SetUp();
    EXPECT_EQ(window->videoRefreshInterval(), 40);
}
