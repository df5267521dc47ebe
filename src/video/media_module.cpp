// The media module's entry: the two factories the player resolves when it loads the module.
#include "video/avi_media.h"
#include "video/media_loader.h"
#include "video/qt_wave_output.h"

extern "C" Q_DECL_EXPORT video::VideoSource *pindrelOpenAvi(const QString &path)
{
    return video::AviMedia::open(path).release();
}

extern "C" Q_DECL_EXPORT video::WaveOutput *pindrelCreateWaveOutput()
{
    return new video::QtWaveOutput;
}

static_assert(std::is_same_v<decltype(&pindrelOpenAvi), video::OpenAviFactory>);
static_assert(std::is_same_v<decltype(&pindrelCreateWaveOutput), video::WaveOutputFactory>);
