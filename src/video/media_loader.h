// The player's way to the media module (FFmpeg and Qt Multimedia), loaded on the first video.
#pragma once

#include "video/video_source.h"
#include "video/wave_output.h"

#include <memory>

namespace video {

// Opens an AVI through the module; nullptr when the file cannot be played or the module
// cannot be loaded.
std::unique_ptr<VideoSource> openMediaFile(const QString &path);

// The sound device on the module. The module is loaded at the first open, not here, so a
// player costs nothing at start-up; without the module it stays silent.
std::unique_ptr<WaveOutput> createMediaWaveOutput();

// The module's factories.
inline constexpr char openAviName[] = "pindrelOpenAvi";
using OpenAviFactory = VideoSource *(*)(const QString &path);
inline constexpr char createWaveOutputName[] = "pindrelCreateWaveOutput";
using WaveOutputFactory = WaveOutput *(*)();

} // namespace video
