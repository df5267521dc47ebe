// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of PCM samples on their way from a sound track to the device, in our own terms so
// the player needs no sound library.
#pragma once

namespace video {

enum class SampleType
{
    Unknown,
    UInt8,
    Int16,
    Int32,
    Float
};

struct AudioFormat
{
    int sampleRate = 0;
    int channelCount = 0;
    SampleType sampleType = SampleType::Unknown;

    // The size of one channel's sample, and of one sample of every channel; 0 when unknown.
    int bytesPerSample() const
    {
        switch (sampleType) {
        case SampleType::UInt8:
            return 1;
        case SampleType::Int16:
            return 2;
        case SampleType::Int32:
        case SampleType::Float:
            return 4;
        case SampleType::Unknown:
            break;
        }
        return 0;
    }
    int bytesPerFrame() const { return bytesPerSample() * channelCount; }
};

} // namespace video
