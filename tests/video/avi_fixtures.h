// SPDX-License-Identifier: GPL-3.0-or-later
// Video files made for the video tests with the ffmpeg command-line tool, and byte patches to them.
#pragma once

#include "video/video_source.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace videotest {

// Frames whose number is drawn as black and white blocks, bit i of the number in block i
// (row by row), so any codec keeps it readable.
struct Pattern
{
    QSize size{64, 48};
    int block = 16;
    int frames = 60;
};

bool ffmpegAvailable();
bool hasEncoder(const QString &name);
// True, with a note that what needs it is not tested, when ffmpeg lacks the encoder.
bool encoderMissing(const char *name);

// Encodes the pattern's frames at 25 fps with the given ffmpeg output options (codec and
// its settings) into `path`. False when ffmpeg fails.
bool makePatternVideo(const QString &path, const Pattern &pattern, const QStringList &options);

// Encodes `frames` frames of one solid colour each, a different colour for each frame.
bool makeColourVideo(const QString &path, QSize size, int frames, const QStringList &options);

// Encodes `frames` frames of an ffmpeg filter source (such as "color=c=blue:s=64x48:r=25").
bool makeSourceVideo(const QString &path, const QString &source, int frames,
                     const QStringList &options);

// Copies `from` into `to` with the ffmpeg tool's stream copy and the output options given (such
// as stream metadata); false when ffmpeg fails.
bool remuxVideo(const QString &from, const QString &to, const QStringList &options);

// Encodes `seconds` of a grey 32 x 24 picture at 25 fps with a 1 kHz tone at 44.1 kHz
// stereo, its sound encoded with the given ffmpeg audio options. False when ffmpeg fails.
bool makeToneVideo(const QString &path, int seconds, const QStringList &audioOptions);

// Sound tracks as older capture and editing tools wrote them: 8-bit mono PCM at 11025 Hz in
// half-second chunks, MP3 and MP2; `encoder` names the ffmpeg encoder each needs.
struct ToneTrack
{
    const char *name, *encoder;
    QStringList options;
};
extern const ToneTrack oldToolTracks[3];

// makeToneVideo, then the key-frame flag cleared on every sound entry of the index, as those
// tools leave it.
bool makeToneVideoWithoutSoundKeys(const QString &path, int seconds,
                                   const QStringList &audioOptions);

// A pattern video in one of the containers the game plays besides AVI, and how to make it.
struct ContainerSample
{
    const char *file; // its extension names the container
    const char *encoder;
    QStringList options;
    // Frames reached by a seek are the right ones; MPEG-PS stores most frames' times only by
    // implication, and after a seek into the last group of pictures of a file with open
    // groups the demuxer's guesses can be frames off: there a seek only has to give a frame.
    bool exactAfterSeek = true;
};
// One for each container and extension, with key frames every 12 frames where the codec has
// inter frames, so random access seeks.
extern const ContainerSample containerSamples[15];
// Makes the sample's pattern video in `folder` and returns its path; empty, with a note, when
// ffmpeg lacks its encoder, and with a test failure when ffmpeg fails.
QString makeContainerSample(const QString &folder, const ContainerSample &sample,
                            const Pattern &pattern);

// The number a pattern frame shows, or -1 for a null image or one of another size.
int patternNumber(const QImage &image, const Pattern &pattern);

// A pattern video read through the media layer: no sound, the pattern's length, size and 25
// frames a second, every frame in order, then looping and out of order (with exactAfterSeek
// off, a frame out of order need only decode to some pattern frame).
void expectPatternVideo(video::VideoSource &media, const Pattern &pattern,
                        bool exactAfterSeek = true);

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

// Patches of an AVI file's bytes; each returns false when the file lacks the chunk.
bool setVideoStart(QByteArray &avi, quint32 start); // the video stream header's start
bool setVideoFrameSize(QByteArray &avi, qint32 width, qint32 height); // the format's size
bool removeIndex(QByteArray &avi); // drops idx1, fixing the RIFF size
// Clears the key-frame flag of the idx1 entries of chunk id `chunk` ("01wb": the second
// stream's sound), all of them or all but the first. Returns false when none was found.
bool clearKeyFlags(QByteArray &avi, const char *chunk, bool keepFirst = false);

} // namespace videotest

// Skips the calling test with a message when the ffmpeg tool is missing.
#define PINDREL_REQUIRE_FFMPEG()                                                                   \
    if (!videotest::ffmpegAvailable())                                                             \
    GTEST_SKIP() << "the ffmpeg command-line tool is missing"
