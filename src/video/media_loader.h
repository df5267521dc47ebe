// SPDX-License-Identifier: GPL-3.0-or-later
// The player's way to the media module (FFmpeg and Qt Multimedia), loaded on the first video.
#pragma once

#include "video/video_source.h"
#include "video/wave_output.h"

#include <memory>

namespace video {

// Opens a video file through the module; nullptr when the file cannot be played or the module
// cannot be loaded. `progress` hears of a long first read of a file without an index.
std::unique_ptr<VideoSource> openMediaFile(const QString &path,
                                           const ScanProgressHandler &progress = {});

// The sound device on the module. The module is loaded at the first open, not here, so a
// player costs nothing at start-up; without the module it stays silent.
std::unique_ptr<WaveOutput> createMediaWaveOutput();

// The module's factories.
inline constexpr char openVideoName[] = "pindrelOpenVideo";
using OpenVideoFactory = VideoSource *(*)(const QString &path, const ScanProgressHandler &progress);
inline constexpr char createWaveOutputName[] = "pindrelCreateWaveOutput";
using WaveOutputFactory = WaveOutput *(*)();

} // namespace video
