// Board drawing and darkening against one full-frame copy of the same picture.
#include "app/event_pump.h"
#include "bench_ratios.h"
#include "game/board_renderer.h"
#include "game/darkness.h"
#include "game/shuffle.h"

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

void BM_FullFrameCopy_1080p(benchmark::State &state)
{
    fullFrameCopy(state, 1920, 1080);
}

void BM_DrawBitmap_1080p_15x15_grid(benchmark::State &state)
{
    const QImage solution = noisePicture(1920, 1080);
    QImage dim = solution;
    game::darkenBitmap(dim, 100);
    game::GameState game;
    game.rows = game.cols = 15;
    game.gameType = game::MoveBlocks;
    game::randomBlocks(game, 4242);
    QImage board;
    for (auto _ : state) {
        game::drawBitmap(game, solution, dim, {true, false}, board);
        benchmark::DoNotOptimize(board.bits());
    }
}

void BM_FullFrameCopy_24MP(benchmark::State &state)
{
    fullFrameCopy(state, 6000, 4000);
}

void BM_Darken_24MP(benchmark::State &state)
{
    const QImage source = noisePicture(6000, 4000);
    QImage work(source.size(), source.format());
    const game::RowBreak pump = eventPumpBetweenRows();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.bits(), source.constBits(), std::size_t(source.sizeInBytes()));
        state.ResumeTiming();
        game::darkenBitmap(work, 100, pump);
        benchmark::DoNotOptimize(work.bits());
    }
}

} // namespace

BENCHMARK(BM_FullFrameCopy_1080p)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBitmap_1080p_15x15_grid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullFrameCopy_24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Darken_24MP)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runWithRatios(argc, argv,
                         {{"BM_DrawBitmap_1080p_15x15_grid", "BM_FullFrameCopy_1080p", 1.5},
                          {"BM_Darken_24MP", "BM_FullFrameCopy_24MP", 1.5}});
}
