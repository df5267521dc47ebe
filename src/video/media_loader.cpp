// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the media module once, on first use; a module that will not load is told once on the
// log and then every video fails to open and plays silently.
#include "video/media_loader.h"

#include "modules/module_loader.h"

#include <QDebug>

#include <stdexcept>
#include <utility>

namespace video {

namespace {

struct MediaFactories
{
    OpenVideoFactory openVideo = nullptr;
    WaveOutputFactory createWaveOutput = nullptr;
};

const MediaFactories &mediaFactories()
{
    static const MediaFactories factories = [] {
        const QString path = modules::firstExisting(PINDREL_MEDIA_FROM_BIN, PINDREL_MEDIA_IN_BUILD);
        try {
            return MediaFactories{
                reinterpret_cast<OpenVideoFactory>(modules::resolveInModule(path, openVideoName)),
                reinterpret_cast<WaveOutputFactory>(
                    modules::resolveInModule(path, createWaveOutputName))};
        } catch (const std::runtime_error &error) {
            qWarning("No video playback: %s", error.what());
            return MediaFactories{};
        }
    }();
    return factories;
}

// Stands in for the module's output until the first open loads it.
class LazyWaveOutput : public WaveOutput
{
  public:
    bool open(const AudioFormat &format, QObject *window) override
    {
        if (!m_loaded) {
            m_loaded = true;
            if (const auto create = mediaFactories().createWaveOutput)
                m_output.reset(create());
        }
        return m_output && m_output->open(format, window);
    }
    void pause() override { forward(&WaveOutput::pause); }
    void restart() override { forward(&WaveOutput::restart); }
    void write(std::unique_ptr<WaveBuffer> buffer) override
    {
        forward(&WaveOutput::write, std::move(buffer));
    }
    void reset() override { forward(&WaveOutput::reset); }
    void close() override { forward(&WaveOutput::close); }

  private:
    // Before a successful open there is no output, and every call does nothing.
    template <typename... Arguments, typename... Given>
    void forward(void (WaveOutput::*call)(Arguments...), Given &&...given)
    {
        if (m_output)
            (m_output.get()->*call)(std::forward<Given>(given)...);
    }

    std::unique_ptr<WaveOutput> m_output;
    bool m_loaded = false;
};

} // namespace

std::unique_ptr<VideoSource> openMediaFile(const QString &path, const ScanProgressHandler &progress)
{
    const auto open = mediaFactories().openVideo;
    return std::unique_ptr<VideoSource>(open ? open(path, progress) : nullptr);
}

std::unique_ptr<WaveOutput> createMediaWaveOutput()
{
    return std::make_unique<LazyWaveOutput>();
}

} // namespace video
