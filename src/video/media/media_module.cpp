// SPDX-License-Identifier: GPL-3.0-or-later
// The media module's entry: the two factories the player resolves when it loads the module.
#include "video/media/media_file.h"
#include "video/media/qt_wave_output.h"
#include "video/media_loader.h"

extern "C" Q_DECL_EXPORT video::VideoSource *
pindrelOpenVideo(const QString &path, const video::ScanProgressHandler &progress)
{
    return video::openVideoFile(path, progress).release();
}

extern "C" Q_DECL_EXPORT video::WaveOutput *pindrelCreateWaveOutput()
{
    return new video::QtWaveOutput;
}

static_assert(std::is_same_v<decltype(&pindrelOpenVideo), video::OpenVideoFactory>);
static_assert(std::is_same_v<decltype(&pindrelCreateWaveOutput), video::WaveOutputFactory>);
