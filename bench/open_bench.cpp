// Opening a 6000 x 4000 JPEG to a shuffled, drawn board, against decoding it alone.
#include "app/mainform.h"
#include "app/pindrel_application.h"
#include "bench_ratios.h"
#include "large_picture.h"
#include "sources/jpeg_decoder.h"

#include <benchmark/benchmark.h>

namespace {

QString picturePath;
TfrmMain *window = nullptr;

void BM_DecodeJpeg_24MP(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sources::decodeJpegFile(picturePath).constBits());
}

void BM_OpenPuzzle_24MP(benchmark::State &state)
{
    for (auto _ : state) {
        window->openPuzzle(picturePath);
        state.PauseTiming();
        QCoreApplication::processEvents(); // let replaced menu items go
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_DecodeJpeg_24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPuzzle_24MP)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PindrelApplication app(argc, argv);
    picturePath = writeLargeJpeg();
    TfrmMain main;
    window = &main;
    return runWithRatios(argc, argv, {{"BM_OpenPuzzle_24MP", "BM_DecodeJpeg_24MP", 1.3}});
}
