// SPDX-License-Identifier: GPL-3.0-or-later
// Generating pattern videos with ffmpeg and patching AVI headers for the video tests.
#include "avi_fixtures.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace videotest {

namespace {

QByteArray runFfmpeg(const QStringList &arguments, bool *ok = nullptr)
{
    QProcess process;
    process.start("ffmpeg", QStringList{"-hide_banner", "-nostdin", "-v", "error"} + arguments);
    const bool finished = process.waitForFinished(300000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

QByteArray patternFrames(const Pattern &pattern)
{
    const int width = pattern.size.width();
    const int height = pattern.size.height();
    const int blocksPerRow = width / pattern.block;
    QByteArray frames(qsizetype(width) * height * pattern.frames, '\0');
    char *pixel = frames.data();
    for (int number = 0; number < pattern.frames; ++number) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int bit = (y / pattern.block) * blocksPerRow + x / pattern.block;
                *pixel++ = char((number >> bit) & 1 ? 255 : 0);
            }
        }
    }
    return frames;
}

// The offset of the first chunk with this id at or after `from`, or -1.
qsizetype findChunk(const QByteArray &avi, const char *id, qsizetype from = 0)
{
    return avi.indexOf(QByteArray(id, 4), from);
}

void putLe32(QByteArray &avi, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, avi.data() + offset);
}

} // namespace

bool ffmpegAvailable()
{
    return !QStandardPaths::findExecutable("ffmpeg").isEmpty();
}

bool hasEncoder(const QString &name)
{
    const QByteArray encoders = runFfmpeg({"-encoders"});
    return encoders.contains(" " + name.toLatin1() + " ");
}

bool encoderMissing(const char *name)
{
    if (hasEncoder(name))
        return false;
    std::printf("ffmpeg has no %s encoder; not tested\n", name);
    return true;
}

bool makePatternVideo(const QString &path, const Pattern &pattern, const QStringList &options)
{
    const QString raw = path + ".gray";
    if (!writeFile(raw, patternFrames(pattern)))
        return false;
    const QString size = QString("%1x%2").arg(pattern.size.width()).arg(pattern.size.height());
    bool ok = false;
    runFfmpeg(
        QStringList{"-y", "-f", "rawvideo", "-pix_fmt", "gray", "-s", size, "-r", "25", "-i", raw} +
            options + QStringList{path},
        &ok);
    QFile::remove(raw);
    return ok;
}

bool makeColourVideo(const QString &path, QSize size, int frames, const QStringList &options)
{
    const QString source =
        QString(
            "color=size=%1x%2:rate=25,geq=r='mod(N*40,256)':g='mod(N*80,256)':b='mod(N*120,256)'")
            .arg(size.width())
            .arg(size.height());
    return makeSourceVideo(path, source, frames, options);
}

bool makeSourceVideo(const QString &path, const QString &source, int frames,
                     const QStringList &options)
{
    bool ok = false;
    runFfmpeg(QStringList{"-y", "-f", "lavfi", "-i", source, "-frames:v", QString::number(frames)} +
                  options + QStringList{path},
              &ok);
    return ok;
}

bool remuxVideo(const QString &from, const QString &to, const QStringList &options)
{
    bool ok = false;
    runFfmpeg(QStringList{"-y", "-i", from, "-c", "copy"} + options + QStringList{to}, &ok);
    return ok;
}

bool makeToneVideo(const QString &path, int seconds, const QStringList &audioOptions)
{
    const QString length = QString::number(seconds);
    bool ok = false;
    runFfmpeg(QStringList{"-y", "-f", "lavfi", "-i", "color=c=gray:s=32x24:r=25:d=" + length, "-f",
                          "lavfi", "-i", "sine=frequency=1000:sample_rate=44100:duration=" + length,
                          "-c:v", "mjpeg", "-ac", "2"} +
                  audioOptions + QStringList{path},
              &ok);
    return ok;
}

const ToneTrack oldToolTracks[3] = {
    {"8-bit mono PCM",
     "pcm_u8",
     {"-c:a", "pcm_u8", "-ac", "1", "-af", "aresample=11025,asetnsamples=n=5512"}},
    {"MP3", "libmp3lame", {"-c:a", "libmp3lame", "-b:a", "128k"}},
    {"MP2", "mp2", {"-c:a", "mp2", "-b:a", "192k"}},
};

bool makeToneVideoWithoutSoundKeys(const QString &path, int seconds,
                                   const QStringList &audioOptions)
{
    if (!makeToneVideo(path, seconds, audioOptions))
        return false;
    QByteArray avi = readFile(path);
    return clearKeyFlags(avi, "01wb") && writeFile(path, avi);
}

static const QStringList h264 = {"-c:v", "libx264", "-bf", "2",        "-g",
                                 "12",   "-crf",    "18",  "-pix_fmt", "yuv420p"};
static const QStringList mpeg2 = {"-c:v", "mpeg2video", "-bf", "2", "-g", "12", "-q:v", "2"};
const ContainerSample containerSamples[15] = {
    {"h264.mp4", "libx264", h264},
    {"mpeg4.m4v", "mpeg4", {"-c:v", "mpeg4", "-bf", "2", "-g", "12", "-q:v", "3", "-f", "mp4"}},
    {"h264.mov", "libx264", h264},
    {"h264.mkv", "libx264", h264},
    {"vp8.webm", "libvpx", {"-c:v", "libvpx", "-g", "12", "-b:v", "2M"}},
    {"vp9.webm", "libvpx-vp9", {"-c:v", "libvpx-vp9", "-g", "12", "-crf", "20", "-b:v", "0"}},
    {"theora.ogv", "libtheora", {"-c:v", "libtheora", "-g", "12", "-q:v", "8"}},
    {"h264.ts", "libx264", h264},
    {"mpeg2.m2ts", "mpeg2video", mpeg2 + QStringList{"-f", "mpegts"}},
    {"mpeg2.mpg", "mpeg2video", mpeg2 + QStringList{"-f", "vob"}, false},
    {"mpeg1.mpeg", "mpeg1video", {"-c:v", "mpeg1video", "-g", "12", "-q:v", "2"}},
    {"flv1.flv", "flv", {"-c:v", "flv", "-g", "12", "-q:v", "2"}},
    {"wmv2.wmv", "wmv2", {"-c:v", "wmv2", "-g", "12", "-q:v", "2"}},
    {"msmpeg4.asf", "msmpeg4", {"-c:v", "msmpeg4", "-g", "12", "-q:v", "2"}},
    {"animated.gif", "gif", {"-c:v", "gif"}},
};

QString makeContainerSample(const QString &folder, const ContainerSample &sample,
                            const Pattern &pattern)
{
    if (encoderMissing(sample.encoder))
        return {};
    const QString path = folder + QLatin1Char('/') + QLatin1String(sample.file);
    if (!makePatternVideo(path, pattern, sample.options)) {
        ADD_FAILURE() << "ffmpeg could not make " << sample.file;
        return {};
    }
    return path;
}

void expectPatternVideo(video::VideoSource &media, const Pattern &pattern, bool exactAfterSeek)
{
    const video::VideoStreamInfo &info = media.videoInfo();
    EXPECT_EQ(info.start, 0);
    EXPECT_EQ(info.length, pattern.frames);
    EXPECT_EQ(QSize(info.width, info.height), pattern.size);
    EXPECT_EQ(info.scale * 25, info.rate);
    EXPECT_EQ(media.frameTimeMs(25) - media.frameTimeMs(0), 1000);
    EXPECT_EQ(media.audioTrack(), nullptr);

    for (int number = 0; number < pattern.frames; ++number)
        EXPECT_EQ(patternNumber(media.frame(number), pattern), number) << "in order";
    EXPECT_EQ(patternNumber(media.frame(0), pattern), 0) << "looping";
    EXPECT_EQ(patternNumber(media.frame(1), pattern), 1) << "looping";
    // Backwards, forwards skipping, across key frames, the ends, and repeats.
    for (int number : {59, 0, 30, 31, 29, 45, 12, 13, 11, 58, 1, 59, 35, 23, 24, 47, 2}) {
        const QImage image = media.frame(number);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        if (exactAfterSeek)
            EXPECT_EQ(patternNumber(image, pattern), number) << "out of order";
        else
            EXPECT_GE(patternNumber(image, pattern), 0) << "out of order";
    }
}

int patternNumber(const QImage &image, const Pattern &pattern)
{
    if (image.isNull() || image.size() != pattern.size)
        return -1;
    const int blocksPerRow = pattern.size.width() / pattern.block;
    const int blocks = blocksPerRow * (pattern.size.height() / pattern.block);
    int number = 0;
    for (int bit = 0; bit < blocks; ++bit) {
        const int x = (bit % blocksPerRow) * pattern.block + pattern.block / 2;
        const int y = (bit / blocksPerRow) * pattern.block + pattern.block / 2;
        if (qGreen(image.pixel(x, y)) > 128)
            number |= 1 << bit;
    }
    return number;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool setVideoStart(QByteArray &avi, quint32 start)
{
    // strh: id, size, fccType, fccHandler, flags, priority + language, initial frames, scale,
    // rate, then start.
    const qsizetype header = findChunk(avi, "strh");
    if (header < 0 || avi.mid(header + 8, 4) != "vids")
        return false;
    putLe32(avi, header + 36, start);
    return true;
}

bool setVideoFrameSize(QByteArray &avi, qint32 width, qint32 height)
{
    // strf of a video stream: id, size, then a BITMAPINFOHEADER (size, width, height, ...).
    const qsizetype format = findChunk(avi, "strf", findChunk(avi, "strh"));
    if (format < 0)
        return false;
    putLe32(avi, format + 12, quint32(width));
    putLe32(avi, format + 16, quint32(height));
    return true;
}

bool removeIndex(QByteArray &avi)
{
    const qsizetype index = avi.lastIndexOf("idx1"); // it follows the frames
    if (index < 0)
        return false;
    const quint32 size = qFromLittleEndian<quint32>(avi.constData() + index + 4);
    avi.remove(index, 8 + size + (size & 1));
    putLe32(avi, 4, quint32(avi.size() - 8));
    return true;
}

bool clearKeyFlags(QByteArray &avi, const char *chunk, bool keepFirst)
{
    // idx1 holds 16-byte entries: chunk id, flags (0x10: key frame), offset, size.
    const qsizetype index = avi.lastIndexOf("idx1");
    if (index < 0)
        return false;
    const qsizetype end = std::min<qsizetype>(
        avi.size(), index + 8 + qFromLittleEndian<quint32>(avi.constData() + index + 4));
    bool first = true;
    int cleared = 0;
    for (qsizetype entry = index + 8; entry + 16 <= end; entry += 16) {
        if (avi.mid(entry, 4) != chunk)
            continue;
        const bool kept = keepFirst && first;
        first = false;
        if (kept)
            continue;
        const quint32 flags = qFromLittleEndian<quint32>(avi.constData() + entry + 4);
        putLe32(avi, entry + 4, flags & ~0x10u);
        ++cleared;
    }
    return cleared > 0;
}

} // namespace videotest
