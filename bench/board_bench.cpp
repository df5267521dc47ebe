// SPDX-License-Identifier: GPL-3.0-or-later
// Board drawing and darkening against one full-frame copy of the same picture.
#include "bench_ratios.h"
#include "game/board_memory.h"
#include "game/board_renderer.h"
#include "game/darkness.h"
#include "game/shuffle.h"
#include "paired_ratio.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

QImage noisePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = 0xff000000u | (seed >> 8);
        }
    }
    return image;
}

void fullFrameCopy(benchmark::State &state, int width, int height)
{
    const QImage source = noisePicture(width, height);
    QImage target(source.size(), source.format());
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), std::size_t(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.bits());
    }
}

// A 1920 x 1080 board of 15 x 15 with the grid, timed against one copy of the frame,
// interleaved: a Google Benchmark of each alone swung between 4x and 8x from run to run.
bool drawBoardAgainstCopy()
{
    const QImage solution = noisePicture(1920, 1080);
    QImage dim = solution;
    game::darkenBitmap(dim, 100);
    game::GameState game;
    game.rows = game.cols = 15;
    game.gameType = game::MoveBlocks;
    game::randomBlocks(game, 4242);
    QImage board;
    // The copy goes into memory like the board's, so that neither gains from its pages.
    QImage copy = game::imageInLargePages(solution.size());
    const PairedTiming timing = timePaired(
        [&] {
            game::drawBoard(game, solution, dim, {true, false}, board);
            benchmark::DoNotOptimize(board.bits());
        },
        [&] {
            std::memcpy(copy.bits(), solution.constBits(), std::size_t(solution.sizeInBytes()));
            benchmark::DoNotOptimize(copy.bits());
        },
        301);
    return reportPaired("drawBoard 1080p 15x15 grid", "full-frame copy", timing, 1.5);
}

void BM_FullFrameCopy_24MP(benchmark::State &state)
{
    fullFrameCopy(state, 6000, 4000);
}

void BM_Darken_24MP(benchmark::State &state)
{
    const QImage source = noisePicture(6000, 4000);
    QImage work(source.size(), source.format());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.bits(), source.constBits(), std::size_t(source.sizeInBytes()));
        state.ResumeTiming();
        game::darkenBitmap(work, 100);
        benchmark::DoNotOptimize(work.bits());
    }
}

} // namespace

BENCHMARK(BM_FullFrameCopy_24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Darken_24MP)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool drawMet = drawBoardAgainstCopy();
    const int darkenMissed =
        runWithRatios(argc, argv, {{"BM_Darken_24MP", "BM_FullFrameCopy_24MP", 1.5}});
    return drawMet && darkenMissed == 0 ? 0 : 1;
}
