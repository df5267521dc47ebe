// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a 6000 x 4000 JPEG to a shuffled, drawn board, against decoding it alone and
// against the djpeg command decoding it in a process of its own.
#include "app/pindrel_application.h"
#include "app/window/mainform.h"
#include "bench_ratios.h"
#include "large_picture.h"
#include "paired_ratio.h"
#include "sources/jpeg_decoder.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

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

// CPU time of `djpeg -outfile /dev/null FILE`, the whole process; negative when it failed.
double djpegMicroseconds(const QByteArray &file)
{
    char program[] = "djpeg", outfile[] = "-outfile", null[] = "/dev/null";
    char *arguments[] = {program, outfile, null, const_cast<char *>(file.constData()), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, arguments, environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    const auto micro = [](timeval t) { return double(t.tv_sec) * 1e6 + double(t.tv_usec); };
    return micro(usage.ru_utime) + micro(usage.ru_stime);
}

// The open until the board has been painted in the shown window, all threads' CPU time.
bool openAgainstDjpeg()
{
    const QByteArray file = picturePath.toLocal8Bit();
    if (djpegMicroseconds(file) < 0) {
        std::printf("djpeg is missing or failed: no baseline for the open\n");
        return false;
    }
    const PairedTiming timing = timePairedCosts(
        [] {
            const double start = processMicroseconds();
            window->openPuzzle(picturePath);
            window->repaint();
            const double cost = processMicroseconds() - start;
            QCoreApplication::processEvents(); // let replaced menu items go
            return cost;
        },
        [&file] { return djpegMicroseconds(file); }, 15);
    return reportPaired("open 24 MP to the shown board", "djpeg process", timing, 1.0);
}

} // namespace

BENCHMARK(BM_DecodeJpeg_24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPuzzle_24MP)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Offscreen unless asked otherwise: the screen's size decides how large a picture is decoded.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PindrelApplication app(argc, argv);
    picturePath = writeLargeJpeg();
    TfrmMain main;
    window = &main;
    main.show();
    QCoreApplication::processEvents();
    const bool openMet = openAgainstDjpeg();
    const int missed =
        runWithRatios(argc, argv, {{"BM_OpenPuzzle_24MP", "BM_DecodeJpeg_24MP", 1.3}});
    return openMet && missed == 0 ? 0 : 1;
}
