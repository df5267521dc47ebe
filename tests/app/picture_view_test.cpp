// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control: smooth scaling from a cached copy that follows every rebuild, and a
// picture shown one to one drawn straight into the screen.
#include "window_fixture.h"

#include "app/widgets/drawn_picture.h"
#include "app/widgets/picture_view.h"

#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cstring>
#include <functional>

namespace {

double meanDifference(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

QImage shownBy(PictureView &view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What the screen holds for a window: what was painted, not a fresh rendering.
QImage onScreen(QWidget &window)
{
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QRect inDevicePixels(QRect logical, qreal ratio)
{
    return QRectF(QRectF(logical).topLeft() * ratio, QSizeF(logical.size()) * ratio).toRect();
}

QImage noisePicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    std::uint32_t seed = 7;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            picture.setPixel(x, y, 0xff000000u | (seed >> 8));
        }
    return picture;
}

// Counts how it is asked for its pixels.
class CountedPicture : public DrawnPicture
{
  public:
    explicit CountedPicture(QImage picture) : m_picture(std::move(picture)) {}
    QSize size() const override { return m_picture.size(); }
    const QImage &picture() override
    {
        ++asked;
        return m_picture;
    }
    void drawInto(QImage &target) override
    {
        ++drawnInto;
        for (int y = 0; y < m_picture.height(); ++y)
            std::memcpy(target.scanLine(y), m_picture.constScanLine(y),
                        std::size_t(m_picture.width()) * sizeof(QRgb));
    }
    int asked = 0, drawnInto = 0;

  private:
    QImage m_picture;
};

} // namespace

TEST(PictureView, ARebuildInTheSameMemoryIsShown)
{
    // What the board, the darkening and the selection frame use to write pixels.
    const std::pair<const char *, std::function<void(QImage &)>> writes[] = {
        {"bits",
         [](QImage &p) {
             std::fill_n(reinterpret_cast<QRgb *>(p.bits()), p.width() * p.height(),
                         qRgb(0, 0, 255));
         }},
        {"scanLine",
         [](QImage &p) {
             for (int y = 0; y < p.height(); ++y)
                 std::fill_n(reinterpret_cast<QRgb *>(p.scanLine(y)), p.width(), qRgb(0, 0, 255));
         }},
        {"painter", [](QImage &p) { QPainter(&p).fillRect(p.rect(), Qt::blue); }},
        {"fill", [](QImage &p) { p.fill(Qt::blue); }},
    };
    for (const auto &[how, write] : writes) {
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::red);
        PictureView view;
        view.resize(200, 150);
        view.setPicture(&picture);
        EXPECT_EQ(shownBy(view).pixel(100, 75), qRgb(255, 0, 0)) << how;
        const uchar *memory = picture.constBits();
        write(picture);
        ASSERT_EQ(picture.constBits(), memory) << how; // rebuilt in place, not replaced
        EXPECT_EQ(shownBy(view).pixel(100, 75), qRgb(0, 0, 255)) << how;
    }
}

TEST(PictureView, ShrinkingAveragesUnlessSmoothingIsOff)
{
    // One-pixel black and white columns, in a picture wider than the control's shape.
    QImage stripes(400, 100, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x)
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    PictureView view;
    view.resize(200, 200);
    view.setPicture(&stripes);
    ASSERT_TRUE(view.smoothScaling());
    const QRect shown = view.pictureRect();
    ASSERT_EQ(shown, QRect(0, 75, 200, 50));

    for (bool smooth : {true, false}) {
        view.setSmoothScaling(smooth);
        const QImage screen = shownBy(view);
        EXPECT_EQ(screen.pixel(100, 25), qRgb(0, 0, 0)) << "the band above stays black";
        const int grey = qGray(screen.pixel(101, 100));
        if (smooth) {
            EXPECT_NEAR(grey, 128, 8);
        } else {
            EXPECT_TRUE(grey == 0 || grey == 255) << grey;
        }
    }
}

TEST_F(WindowTest, TheBoardShowsEachRebuildSmoothScaled)
{
    clickButton("btnRestart");
    const QRect shown = board()->pictureRect();
    const auto expected = [&] {
        return window->boardView()
            .boardPicture()
            .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(shownBy(*board()).copy(shown), expected());
    pressCell(1);
    pressCell(6);
    ASSERT_EQ(text("txtMoveCount"), "1");
    EXPECT_EQ(shownBy(*board()).copy(shown), expected());
}

TEST(PictureView, PicturesAreScaledForTheScreensDevicePixels)
{
    // One-pixel black and white columns: scaled straight to the device pixels they stay
    // stripes; scaled to logical pixels first, on a screen of two device pixels to one, they
    // would be averaged to grey and then grown.
    QImage stripes(650, 400, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x)
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    for (bool smooth : {true, false}) {
        PictureView view;
        view.setSmoothScaling(smooth);
        view.setPicture(&stripes);
        const qreal ratio = view.devicePixelRatioF();
        view.resize(qRound(662 / ratio), qRound(420 / ratio)); // 662 device pixels wide
        const QPixmap grabbed = view.grab();
        EXPECT_EQ(grabbed.devicePixelRatio(), ratio);
        const QRectF logical = view.pictureRect();
        const QRect device(qRound(logical.x() * ratio), qRound(logical.y() * ratio),
                           qRound(logical.width() * ratio), qRound(logical.height() * ratio));
        ASSERT_EQ(device.width(), 662);
        const QImage shown = grabbed.toImage().convertToFormat(QImage::Format_RGB32).copy(device);
        const QImage reference =
            stripes.scaled(device.size(), Qt::IgnoreAspectRatio,
                           smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
        EXPECT_LT(meanDifference(shown, reference), smooth ? 8.0 : 40.0)
            << "smooth " << smooth << " at ratio " << ratio;
    }
}

TEST(PictureView, APictureShownOneToOneIsDrawnStraightIntoTheScreen)
{
    struct Case
    {
        const char *name;
        QSize viewDevicePixels;
        bool coveredCorner; // an opaque control over the picture's corner
        bool straight;
    };
    const Case cases[] = {
        {"one to one, bars above and below", {300, 260}, false, true},
        {"shrunk", {150, 130}, false, false},
        {"one to one under another control", {300, 260}, true, false},
    };
    CountedPicture picture(noisePicture({300, 200}));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        PictureView view(&window);
        view.setPicture(&picture);
        const qreal ratio = view.devicePixelRatioF();
        window.resize((QSizeF(c.viewDevicePixels) / ratio).toSize());
        view.resize(window.size());
        QWidget cover(&view);
        cover.setAutoFillBackground(true);
        cover.setPalette(QPalette(Qt::green));
        cover.setGeometry(view.pictureRect().topLeft().x(), view.pictureRect().y(), 20, 20);
        cover.setVisible(c.coveredCorner);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        picture.asked = picture.drawnInto = 0;
        view.repaint();
        EXPECT_EQ(picture.drawnInto > 0, c.straight);
        EXPECT_EQ(picture.asked > 0, !c.straight);

        const QRect shown = inDevicePixels(view.pictureRect(), ratio);
        const QImage screen = onScreen(window);
        QImage expected =
            picture.picture().scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (c.coveredCorner) {
            QPainter painter(&expected);
            painter.fillRect(QRectF(QPointF(0, 0), QSizeF(20, 20) * ratio), Qt::green);
        }
        EXPECT_EQ(screen.copy(shown), expected);
        EXPECT_EQ(screen.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(screen.pixel(screen.width() - 1, screen.height() - 1), qRgb(0, 0, 0));
    }
}

class HiDpiTest : public WindowTest
{
};

TEST_F(HiDpiTest, ToolBarIconsHaveArtworkForTheDevicePixels)
{
    const qreal ratio = window->devicePixelRatioF();
    for (QToolButton *button : find<QToolBar>("toolBar")->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("qt_")))
            continue; // the tool bar's own overflow button, hidden while everything fits
        const QSize wanted = button->iconSize() * ratio;
        // Artwork of at least the device size exists: the icon is not a small one grown.
        bool large = false;
        for (const QSize &size : button->icon().availableSizes())
            large = large || (size.width() >= wanted.width() && size.height() >= wanted.height());
        EXPECT_TRUE(large) << button->objectName().toStdString() << " at ratio " << ratio;
        const QPixmap drawn = button->icon().pixmap(button->iconSize(), ratio);
        EXPECT_EQ(drawn.size(), wanted) << button->objectName().toStdString();
    }
}
