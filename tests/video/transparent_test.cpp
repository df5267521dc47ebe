// SPDX-License-Identifier: GPL-3.0-or-later
// Transparent players: the colour-keyed composite, the background taken from the parent and
// its children, and what marks that background stale.
#include "fake_video.h"
#include "video/transparent_drawing.h"

#include <QTest>

#include <gtest/gtest.h>

using testvideo::FakeVideo;

namespace {

const QRgb grey = qRgb(128, 128, 128), red = qRgb(255, 0, 0), black = qRgb(0, 0, 0),
           white = qRgb(255, 255, 255), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0);

// Pictures as rows of letters: g grey, r red, k black, w white.
QImage picture(const QStringList &rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    const QHash<QChar, QRgb> colours{{'g', grey}, {'r', red}, {'k', black}, {'w', white}};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours.value(rows[y][x]));
    }
    return image;
}

QStringList letters(const QImage &image)
{
    const QHash<QRgb, QChar> names{{grey, 'g'}, {red, 'r'}, {black, 'k'}, {white, 'w'}};
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += names.value(image.pixel(x, y) | 0xff000000, '?');
        rows << row;
    }
    return rows;
}

TEST(TransparentDrawing, KeyColouredPixelsShowTheBackground)
{
    const QImage background = picture({"gggggg", "gggggg", "gggggg", "gggggg"});
    const struct
    {
        const char *name;
        QImage frame;
        QPoint offset;
        QSize destination;
        QStringList shown;
    } cases[] = {
        // The bottom-left pixel is black: every black pixel is see-through.
        {"black key",
         picture({"rkw", "kkr", "kwk"}),
         {1, 1},
         {3, 3},
         {"gggggg", "grgwgg", "gggrgg", "ggwggg"}},
        {"white key",
         picture({"rkw", "kkr", "wwk"}),
         {1, 0},
         {3, 3},
         {"grkggg", "gkkrgg", "gggkgg", "gggggg"}},
        {"partly outside",
         picture({"rkw", "kkr", "kwk"}),
         {-1, 2},
         {3, 3},
         {"gggggg", "gggggg", "gwgggg", "grgggg"}},
        {"scaled by two",
         picture({"rw", "kr"}),
         {0, 0},
         {4, 4},
         {"rrwwgg", "rrwwgg", "ggrrgg", "ggrrgg"}},
        {"no frame", QImage(), {0, 0}, {3, 3}, {"gggggg", "gggggg", "gggggg", "gggggg"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            letters(video::compositeOverBackground(background, c.frame, c.offset, c.destination)),
            c.shown);
    }
}

QWidget *colouredWidget(QWidget *parent, QRgb colour, QRect geometry)
{
    auto *widget = new QWidget(parent);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setGeometry(geometry);
    return widget;
}

struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

// A blue 200 x 100 window holding a green sibling below a transparent 30 x 20 player at
// (30, 0). Frame 0 is black, its key colour, with a white pixel at (5, 5).
class TransparentPlayerTest : public ::testing::Test
{
  protected:
    TransparentPlayerTest()
        : window(colouredWidget(nullptr, blue, {0, 0, 200, 100})),
          sibling(colouredWidget(window.get(), green, {40, 10, 20, 20}))
    {
        player = addPlayer({30, 0});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    TDCAviPlayer *addPlayer(QPoint at, QPoint marker = {5, 5})
    {
        auto *added = new TDCAviPlayer(window.get());
        added->move(at);
        added->setVideoOpener([marker](const QString &) {
            return std::make_unique<FakeVideo>(video::VideoStreamInfo{0, 10, 30, 20, 1, 0}, nullptr,
                                               marker);
        });
        added->SetFileName("a.avi");
        added->Play(0, 9, 0); // a rate of 0: no ticks but those sent
        return added;
    }

    QImage painted(TDCAviPlayer *of)
    {
        QImage image(of->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        of->PaintTo(image, 0, 0);
        return image;
    }

    // Lets every pending repaint run; true when the player has captured since.
    bool settled(TDCAviPlayer *of)
    {
        of->InvalidateBackground();
        return QTest::qWaitFor([of] { return !of->BackgroundStale(); });
    }

    std::unique_ptr<QWidget> window;
    QWidget *sibling;
    TDCAviPlayer *player;
};

TEST_F(TransparentPlayerTest, TheFrameIsDrawnOverWhatLiesOnePixelFurtherOn)
{
    const QImage shown = painted(player);
    EXPECT_EQ(shown.pixel(5, 5), white);
    // Background pixel (x, y) comes from (31 + x, 1 + y) of the window: the sibling's left
    // edge at x = 40 shows at x = 9.
    EXPECT_EQ(shown.pixel(8, 12), blue);
    EXPECT_EQ(shown.pixel(9, 12), green);
    EXPECT_EQ(shown.pixel(9, 8), blue);
    EXPECT_EQ(shown.pixel(9, 9), green);
    EXPECT_EQ(shown.pixel(0, 19), blue);
    // On screen too.
    const QImage onScreen = player->grab().toImage();
    EXPECT_EQ(onScreen.pixel(5, 5), white);
    EXPECT_EQ(onScreen.pixel(9, 12), green);
}

TEST_F(TransparentPlayerTest, ASiblingMovedBehindIsSeenOnceTheBackgroundIsStale)
{
    ASSERT_TRUE(settled(player));
    // The paints that a capture and the player's own repaint cause are no change behind it:
    // nothing repaints it again.
    PaintCounter paints(player);
    QTest::qWait(100); // time for a repaint, had one been queued, to arrive
    EXPECT_EQ(paints.count, 0);
    EXPECT_FALSE(player->BackgroundStale());

    QWidget *moved = colouredWidget(window.get(), red, {150, 50, 10, 10});
    moved->stackUnder(player);
    moved->show();
    ASSERT_TRUE(settled(player));
    moved->move(32, 2); // behind the player, at (1, 1) of its background
    EXPECT_FALSE(player->BackgroundStale());
    EXPECT_EQ(painted(player).pixel(1, 1), blue); // a playing player keeps its capture
    moved->resize(12, 12);
    EXPECT_TRUE(player->BackgroundStale());
    EXPECT_EQ(painted(player).pixel(1, 1), red);
}

TEST_F(TransparentPlayerTest, ChangesBehindAPlayerMarkItsBackgroundStale)
{
    QWidget elsewhere;
    elsewhere.setGeometry(window->geometry());
    elsewhere.show();
    auto *above = colouredWidget(window.get(), red, {25, 5, 10, 10}); // created last: on top
    above->show();
    TDCAviPlayer *otherPlayer = addPlayer({20, 10}); // on top
    otherPlayer->show();
    auto *far = colouredWidget(window.get(), red, {150, 50, 10, 10});
    far->stackUnder(player);
    far->show();

    const struct
    {
        const char *name;
        std::function<void()> change;
        bool stale;
    } cases[] = {
        {"a sibling below, resized", [&] { sibling->resize(21, 20); }, true},
        {"a sibling below, repainted", [&] { sibling->repaint(); }, true},
        {"a sibling elsewhere, resized", [&] { far->resize(11, 10); }, false},
        {"a sibling above, resized", [&] { above->resize(11, 10); }, true},
        // Qt repaints what lies above a player with it; that is not behind it.
        {"a sibling above, repainted", [&] { above->repaint(); }, false},
        {"the parent, repainted", [&] { window->repaint(); }, true},
        {"another window at the same place", [&] { elsewhere.resize(201, 100); }, false},
        // A player's own window concerns nobody; only one below invalidates those above it.
        {"a player above, resized",
         [&] { otherPlayer->SetAutoSize(false), otherPlayer->resize(31, 20); }, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(settled(player));
        c.change();
        EXPECT_EQ(player->BackgroundStale(), c.stale);
    }

    // An opaque player has no background to keep.
    player->SetTransparent(false);
    sibling->resize(22, 20);
    EXPECT_FALSE(player->BackgroundStale());
}

TEST_F(TransparentPlayerTest, ATickMarksThePlayersAboveStale)
{
    // Below the fixture's player, covering its (9, 9) onwards: white key at its bottom left,
    // so the rest shows the frame's colour.
    TDCAviPlayer *lower = addPlayer({40, 10}, {0, 19});
    lower->stackUnder(player);
    lower->show();
    ASSERT_TRUE(settled(lower));
    ASSERT_TRUE(settled(player));
    EXPECT_EQ(painted(player).pixel(10, 10), testvideo::colourOfFrame(0));
    video::FrameTickEvent tick;
    QCoreApplication::sendEvent(lower, &tick);
    EXPECT_TRUE(player->BackgroundStale());
    EXPECT_FALSE(lower->BackgroundStale());
    // The upper one captures again, with the lower one's new frame.
    EXPECT_EQ(painted(player).pixel(10, 10), testvideo::colourOfFrame(1));
}

} // namespace
