// SPDX-License-Identifier: GPL-3.0-or-later
// TDCAviPlayer: a control that plays the video stream of an AVI file frame by frame, looping
// over a range of frames, and paints its current frame into pictures on request.
#pragma once

#include "video/audio_play.h"
#include "video/frame_ticker.h"
#include "video/player_list.h"
#include "video/video_source.h"
#include "video/wave_output.h"

#include <QColor>
#include <QImage>

#include <memory>

class TDCAviPlayer : public video::PlayerWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(bool PlaySound READ PlaySound WRITE SetPlaySound)
    Q_PROPERTY(int Repetitions READ Repetitions WRITE SetRepetitions)
    Q_PROPERTY(int StartFrame READ StartFrame WRITE SetStartFrame)
    Q_PROPERTY(int StopFrame READ StopFrame WRITE SetStopFrame)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(int FrameCount READ FrameCount)
    Q_PROPERTY(int FrameWidth READ FrameWidth)
    Q_PROPERTY(int FrameHeight READ FrameHeight)

  public:
    explicit TDCAviPlayer(QWidget *parent = nullptr);
    ~TDCAviPlayer() override;

    bool Active() const { return m_active; }
    bool AutoSize() const { return m_autoSize; }
    bool Center() const { return m_center; }
    QString FileName() const { return m_fileName; }
    bool PlaySound() const { return m_playSound; }
    int Repetitions() const { return m_repetitions; }
    int StartFrame() const { return m_startFrame; }
    int StopFrame() const { return m_stopFrame; }
    bool Stretch() const { return m_stretch; }
    bool Transparent() const override { return m_transparent; }
    int Position() const { return m_position; }
    QColor Color() const;
    bool ParentColor() const { return m_parentColor; }
    int FrameCount() const { return m_frameCount; }
    int FrameWidth() const { return m_frameWidth; }
    int FrameHeight() const { return m_frameHeight; }
    // Milliseconds between two frames of the playing stream.
    quint32 FramePeriod() const { return m_framePeriod; }
    bool Busy() const { return m_busy; }

    virtual void SetActive(bool value);
    virtual void SetAutoSize(bool value);
    virtual void SetCenter(bool value);
    virtual void SetFileName(const QString &value);
    virtual void SetRepetitions(int value);
    virtual void SetStartFrame(int value);
    virtual void SetStopFrame(int value);
    virtual void SetTransparent(bool value);
    virtual void SetStretch(bool value);
    virtual void SetPlaySound(bool value);
    void SetPosition(int value);
    void SetColor(const QColor &value);
    void SetParentColor(bool value);

    // Plays frames fromFrame to toFrame, count passes (0 or less: without end). The first pass
    // starts at atFrame when it lies in the range: a paused or resumed puzzle goes on from
    // where it stood, its sound with it.
    void Play(qint32 fromFrame, qint32 toFrame, int count, qint32 atFrame = -1);
    void Stop();
    virtual void Open();
    virtual void Close();

    // Paints the control, that is the frame at Position laid out as on screen, into picture
    // with the control's top-left corner at (x, y).
    void PaintTo(QImage &picture, int x, int y);

    // How files are opened; tests hand in their own sources.
    void setVideoOpener(video::VideoOpener opener) { m_opener = std::move(opener); }
    // Where the sound goes; tests hand in their own device.
    void setWaveOutput(std::unique_ptr<video::WaveOutput> device);

    // The background of a transparent player must be captured again before its next draw.
    bool BackgroundStale() const { return m_backgroundStale; }
    void InvalidateBackground() override;
    void FreeBackground() { m_background = QImage(); }

  signals:
    void OnOpen();
    void OnClose();
    void OnStart();
    void OnStop();
    // While Open reads a file without an index once, after the first half second: the
    // percentage read so far.
    void Scanning(int percent);

  protected:
    virtual void DoOpen() { emit OnOpen(); }
    virtual void DoClose() { emit OnClose(); }
    virtual void DoStart() { emit OnStart(); }
    virtual void DoStop() { emit OnStop(); }

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    struct Layout
    {
        int offsetX = 0;
        int offsetY = 0;
        int sourceWidth = 0;
        int sourceHeight = 0;
        QSize destination;
    };

    void FrameTick();
    void CheckLoop();
    void FollowLength();
    void StartSound(qint32 fromFrame, qint32 toFrame);
    void CaptureBackground();
    void InvalidatePlayersAbove();
    bool CannotPaint() const;
    Layout CalcLayout() const;
    void Display(QPainter *paintSurface = nullptr);
    void DrawFrame(QPainter &target);
    QImage OpaqueFrame(const Layout &layout);
    void EraseBackground(QPainter &painter);
    void AdjustSize();
    qint32 Clamp(qint32 value) const;
    bool Opened() const { return m_source != nullptr; }

    bool m_active = false;
    bool m_autoSize = true;
    bool m_center = true;
    QString m_fileName;
    bool m_playSound = true;
    int m_repetitions = 0;
    qint32 m_startFrame = 1;
    qint32 m_stopFrame = 0;
    bool m_stretch = false;
    bool m_transparent = true;
    qint32 m_position = 0;
    QColor m_color;
    bool m_parentColor = true;

    qint32 m_frameCount = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    int m_repeatsLeft = 0;
    quint32 m_framePeriod = 0;
    bool m_busy = false;

    video::VideoOpener m_opener;
    std::unique_ptr<video::VideoSource> m_source;
    std::unique_ptr<TAudioPlay> m_audio;
    QImage m_background; // what lies behind a transparent player, captured
    bool m_backgroundStale = true;
    video::FrameTicker m_ticker;
};
