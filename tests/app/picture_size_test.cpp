// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures far larger than the screen are held at its size, and pictures and videos smaller
// than their grid are grown, so every board shows its picture.
#include "window_fixture.h"

#include "../video/avi_fixtures.h"
#include "game/game_state.h"

#include <QFile>
#include <QImageWriter>
#include <QTimer>

#include <vector>

namespace {

// A field of /proc/self/status such as "VmRSS:" in bytes, -1 when missing.
qint64 statusBytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').constFirst().toLongLong() * 1024;
    return -1;
}

// Makes VmHWM start again from the present resident size.
bool resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) <=
           24;
}

// Every colour of the picture covers its share of the board, nearly all of it picture.
void expectBoardShows(const QImage &board, const std::vector<QRgb> &colours)
{
    ASSERT_FALSE(board.isNull());
    std::vector<qint64> counts(colours.size());
    qint64 black = 0;
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x) {
            const QRgb pixel = board.pixel(x, y);
            black += qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 24;
            for (size_t i = 0; i < colours.size(); ++i)
                counts[i] += near(pixel, colours[i]);
        }
    const qint64 pixels = qint64(board.width()) * board.height();
    // A tile's cut leaves its last row and column from beyond its part (black at the edges),
    // which for the smallest tiles kept, 4 pixels, is nearly a quarter of it.
    EXPECT_LT(black, pixels / 4) << "black pixels on a " << board.width() << "x" << board.height()
                                 << " board";
    for (size_t i = 0; i < colours.size(); ++i)
        EXPECT_GT(counts[i], pixels / qint64(2 * colours.size()))
            << "colour " << std::hex << colours[i];
}

} // namespace

TEST_F(WindowTest, PicturesFarLargerThanTheScreenAreHeldAtItsSize)
{
    // A few KB that decode to 400 MB: each is held at the screen's size once open, with no
    // more than the one full-size decode alive on the way.
    const QSize size(10000, 10000);
    const qint64 fullBytes = qint64(size.width()) * size.height() * 4;
    const QRgb colour = qRgb(40, 160, 220);
    QTemporaryDir folder;
    {
        QImage full(size, QImage::Format_RGB32);
        full.fill(colour);
        ASSERT_TRUE(full.save(folder.filePath("bomb.png"), "PNG"));
        ASSERT_TRUE(full.save(folder.filePath("bomb.webp"), "WEBP", 100));
        // One bit a pixel, so the file holds all its pixels in 12.5 MB.
        QImage mono(size, QImage::Format_Mono);
        mono.setColorTable({colour, qRgb(255, 255, 0)});
        mono.fill(0);
        ASSERT_TRUE(mono.save(folder.filePath("bomb.bmp"), "BMP"));
        ASSERT_TRUE(full.scaled(64, 64).save(folder.filePath("small.png")));
    }
    ASSERT_TRUE(resetPeak()) << "cannot reset the peak resident size";
    for (const char *name : {"bomb.png", "bomb.webp", "bomb.bmp"}) {
        SCOPED_TRACE(name);
        ASSERT_LT(QFileInfo(folder.filePath(name)).size(), 13 << 20);
        // Each measured from a small puzzle, not from the pictures of the one before.
        window->openChosenFile(folder.filePath("small.png"));
        const qint64 before = statusBytes("VmRSS:");
        ASSERT_TRUE(resetPeak());
        window->openChosenFile(folder.filePath(name));
        const qint64 peak = statusBytes("VmHWM:") - before;
        const qint64 held = statusBytes("VmRSS:") - before;
        // Three full-size pictures were 1.2 GB; the decode itself is one.
        EXPECT_LT(peak, fullBytes * 3 / 2) << "peak growth " << (peak >> 20) << " MiB";
        EXPECT_LT(held, 64 << 20) << "held " << (held >> 20) << " MiB";
        EXPECT_LT(window->boardView().solutionPicture().width(), size.width() / 2);
        expectBoardShows(window->boardView().boardPicture(), {colour});
    }
}

TEST_F(WindowTest, PicturesAndVideosSmallerThanTheGridAreGrown)
{
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255),
               white = qRgb(255, 255, 255);
    const struct
    {
        const char *name;
        QSize size;
        std::vector<QRgb> colours; // quarters, left to right and top to bottom
        int grid;
        int laterGrid; // chosen in the options once the picture is open; 0 for none
    } cases[] = {
        {"one.png", {1, 1}, {red}, 4, 0},
        {"four.png", {2, 2}, {red, green, blue, white}, 4, 0},
        {"four15.png", {2, 2}, {red, green, blue, white}, 15, 0},
        {"small.bmp", {7, 7}, {red, blue}, 15, 0},
        {"strip.png", {64, 5}, {green, blue}, 15, 0},
        {"then15.png", {1, 1}, {blue}, 3, 15},
        {"strip5.avi", {64, 5}, {red}, 15, 0},
        {"strip7.avi", {64, 7}, {blue}, 15, 0},
        {"tiny.avi", {2, 2}, {green}, 4, 0},
    };
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(c.name);
        if (path.endsWith(".avi")) {
            if (!videotest::ffmpegAvailable()) {
                ADD_FAILURE() << "the ffmpeg command-line tool is missing";
                continue;
            }
            const QColor colour(c.colours.front());
            ASSERT_TRUE(videotest::makeSourceVideo(path,
                                                   QStringLiteral("color=c=%1:size=%2x%3:rate=25")
                                                       .arg(colour.name())
                                                       .arg(c.size.width())
                                                       .arg(c.size.height()),
                                                   3, {"-c:v", "rawvideo", "-pix_fmt", "bgr24"}));
        } else {
            // Colours by quarters when there are several, so each shows in its own tiles.
            QImage picture(c.size, QImage::Format_RGB32);
            for (int y = 0; y < c.size.height(); ++y)
                for (int x = 0; x < c.size.width(); ++x) {
                    const size_t quarter =
                        (2 * y >= c.size.height() ? 2 : 0) + (2 * x >= c.size.width() ? 1 : 0);
                    picture.setPixel(x, y,
                                     c.colours[quarter * c.colours.size() / 4 % c.colours.size()]);
                }
            ASSERT_TRUE(picture.save(path));
        }
        window->applyOptions(game::SwapBlocks, c.grid, c.grid, false);
        window->openChosenFile(path);
        if (c.laterGrid)
            window->applyOptions(game::SwapBlocks, c.laterGrid, c.laterGrid, false);
        if (window->boardView().isVideo()) {
            find<QTimer>("Timer1")->stop();
            window->Timer1Timer();
        }
        EXPECT_TRUE(board()->isVisible());
        expectBoardShows(window->boardView().boardPicture(), c.colours);
    }
}
