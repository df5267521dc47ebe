// SPDX-License-Identifier: GPL-3.0-or-later
// What a repaint of the picture control costs: a 6000 x 4000 picture shown in an 800 x 600
// control, smoothly scaled from the cached copy, smoothly scaled after the picture was rebuilt
// (the cache remade), and scaled by nearest neighbour (the baseline, as before smoothing).
#include "app/widgets/picture_view.h"
#include "bench_ratios.h"
#include "large_picture.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

QImage picture;

void paint(benchmark::State &state, bool smooth, bool rebuilt)
{
    PictureView view;
    view.resize(800, 600);
    view.setSmoothScaling(smooth);
    view.setPicture(&picture);
    QImage screen(view.size(), QImage::Format_RGB32);
    view.render(&screen); // the first paint makes the cache
    for (auto _ : state) {
        if (rebuilt) {
            state.PauseTiming();
            picture.bits()[0] ^= 1; // a write in place, as a board rebuild does
            state.ResumeTiming();
        }
        view.render(&screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void BM_Paint_Nearest_24MP(benchmark::State &state)
{
    paint(state, false, false);
}

void BM_Paint_SmoothCached_24MP(benchmark::State &state)
{
    paint(state, true, false);
}

void BM_Paint_SmoothRebuilt_24MP(benchmark::State &state)
{
    paint(state, true, true);
}

void BM_FullFrameCopy_24MP(benchmark::State &state)
{
    QImage target(picture.size(), picture.format());
    for (auto _ : state) {
        std::memcpy(target.bits(), picture.constBits(), std::size_t(picture.sizeInBytes()));
        benchmark::DoNotOptimize(target.bits());
    }
}

} // namespace

BENCHMARK(BM_Paint_Nearest_24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint_SmoothCached_24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint_SmoothRebuilt_24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullFrameCopy_24MP)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    picture = QImage(writeLargeJpeg()).convertToFormat(QImage::Format_RGB32);
    return runWithRatios(argc, argv,
                         {{"BM_Paint_SmoothCached_24MP", "BM_Paint_Nearest_24MP", 1.0},
                          {"BM_Paint_SmoothRebuilt_24MP", "BM_FullFrameCopy_24MP", 3.0}});
}
