// SPDX-License-Identifier: GPL-3.0-or-later
// The player control: opening, the frame clock with its loop, layout and drawing.
#include "video/AVIPlay.h"

#include "video/media_loader.h"
#include "video/transparent_drawing.h"

#include <QPainter>
#include <QResizeEvent>

#include <cmath>
#include <limits>

namespace {

// a x b / c rounded half away from zero, as the stream's frame period has always been
// computed; -1 when c is 0 or the result does not fit.
qint32 mulDiv(qint32 a, qint32 b, qint32 c)
{
    if (c == 0)
        return -1;
    const double exact = double(qint64(a) * b) / c;
    const double rounded = std::round(exact);
    if (rounded > std::numeric_limits<qint32>::max() ||
        rounded < std::numeric_limits<qint32>::min())
        return -1;
    return qint32(rounded);
}

// Holds a flag up for the length of a scope, also when the scope is left by an exception.
class FlagScope
{
  public:
    explicit FlagScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

  private:
    bool &m_flag;
};

} // namespace

TDCAviPlayer::TDCAviPlayer(QWidget *parent)
    : video::PlayerWidget(parent), m_opener([this](const QString &path) {
          return video::openMediaFile(path, [this](int percent) { emit Scanning(percent); });
      }),
      m_audio(std::make_unique<TAudioPlay>(video::createMediaWaveOutput()))
{
    m_color = palette().color(QPalette::Window);
    // A transparent player paints every pixel itself, so Qt need not paint what is behind.
    setAttribute(Qt::WA_OpaquePaintEvent, m_transparent);
    resize(100, 50);
    video::PlayerList::add(this);
}

TDCAviPlayer::~TDCAviPlayer()
{
    Stop();
    video::PlayerList::remove(this);
    FreeBackground();
    Close();
    m_audio.reset();
}

QColor TDCAviPlayer::Color() const
{
    if (m_parentColor && parentWidget())
        return parentWidget()->palette().color(QPalette::Window);
    return m_color;
}

void TDCAviPlayer::setWaveOutput(std::unique_ptr<video::WaveOutput> device)
{
    m_audio = std::make_unique<TAudioPlay>(std::move(device));
}

void TDCAviPlayer::Open()
{
    if (m_fileName.isEmpty() || !m_opener)
        return;
    std::unique_ptr<video::VideoSource> source = m_opener(m_fileName);
    if (!source)
        return;
    const video::VideoStreamInfo &info = source->videoInfo();
    m_frameCount = info.length;
    m_frameWidth = info.width;
    m_frameHeight = info.height;
    m_startFrame = info.start;
    m_stopFrame = info.length - 1;
    m_position = info.start;
    m_source = std::move(source);
    AdjustSize();
    m_backgroundStale = true;
    update();
    DoOpen();
}

void TDCAviPlayer::Close()
{
    if (!Opened())
        return;
    if (m_active)
        Stop();
    // The sound reads from the file's track, which goes with it.
    m_audio->Stop();
    m_source.reset();
    m_frameCount = 0;
    DoClose();
}

void TDCAviPlayer::Play(qint32 fromFrame, qint32 toFrame, int count, qint32 atFrame)
{
    Stop();
    if (!Opened())
        return;
    m_position = atFrame >= fromFrame && atFrame <= toFrame ? atFrame : fromFrame;
    m_startFrame = fromFrame;
    m_stopFrame = toFrame;
    m_repeatsLeft = count;
    const video::VideoStreamInfo &info = m_source->videoInfo();
    m_framePeriod = quint32(mulDiv(qint32(info.scale), 1000, qint32(info.rate)));
    DoStart();
    m_active = true;
    StartSound(m_position, m_stopFrame);
    // A refused period leaves the control playing with a frame that never advances.
    m_ticker.start(this, m_framePeriod);
}

void TDCAviPlayer::Stop()
{
    m_ticker.stop();
    if (!m_active)
        return;
    m_audio->Stop();
    m_active = false;
    DoStop();
    Display();
}

bool TDCAviPlayer::event(QEvent *event)
{
    if (event->type() == video::FrameTickEvent::tickType) {
        FrameTick();
        return true;
    }
    if (event->type() == video::WaveDoneEvent::doneType) {
        m_audio->BufferDone(std::move(static_cast<video::WaveDoneEvent *>(event)->buffer));
        return true;
    }
    return QWidget::event(event);
}

void TDCAviPlayer::FrameTick()
{
    // Every tick advances exactly one frame; a tick still queued after a stop advances too.
    CheckLoop();
    ++m_position;
    if (m_active && !m_busy) {
        Display();
        InvalidatePlayersAbove();
    }
}

void TDCAviPlayer::CheckLoop()
{
    FollowLength();
    if (m_position < m_stopFrame)
        return;
    if (Opened() && m_stopFrame == m_frameCount - 1) {
        // The end of a stated length may not be the video's end.
        m_source->settleLength();
        FollowLength();
        if (m_position < m_stopFrame)
            return;
    }
    if (m_repeatsLeft > 0 && --m_repeatsLeft == 0) {
        Stop();
        return;
    }
    m_position = m_startFrame - 1;
    StartSound(m_startFrame, m_stopFrame);
}

// A long video's length is first what its container states, then what its frame table says:
// a range that ran to the last frame runs to the last frame still.
void TDCAviPlayer::FollowLength()
{
    const qint32 length = Opened() ? m_source->videoInfo().length : m_frameCount;
    if (length == m_frameCount || length <= 0)
        return;
    if (m_stopFrame == m_frameCount - 1 || m_stopFrame > length - 1)
        m_stopFrame = length - 1;
    m_startFrame = std::min(m_startFrame, m_stopFrame);
    m_frameCount = length;
}

void TDCAviPlayer::StartSound(qint32 fromFrame, qint32 toFrame)
{
    // A tick queued before a stop still loops the position, but a stopped player is silent.
    video::AudioTrack *track = Opened() ? m_source->audioTrack() : nullptr;
    if (!track || !m_playSound || !m_active)
        return;
    // The sound of a range runs from where its first frame starts to where its last starts.
    m_audio->Play(this, track, track->timeToSample(m_source->frameTimeMs(fromFrame)),
                  track->timeToSample(m_source->frameTimeMs(toFrame)));
}

bool TDCAviPlayer::CannotPaint() const
{
    return m_busy || !parentWidget() || isHidden();
}

TDCAviPlayer::Layout TDCAviPlayer::CalcLayout() const
{
    Layout layout;
    layout.sourceWidth = Opened() ? m_frameWidth : width();
    layout.sourceHeight = Opened() ? m_frameHeight : height();
    if (!m_stretch && m_center) {
        // Truncating division: a frame larger than the control shows its middle.
        layout.offsetX = (width() - layout.sourceWidth) / 2;
        layout.offsetY = (height() - layout.sourceHeight) / 2;
    }
    layout.destination = m_stretch ? size() : QSize(layout.sourceWidth, layout.sourceHeight);
    return layout;
}

void TDCAviPlayer::Display(QPainter *paintSurface)
{
    if (CannotPaint())
        return;
    if (!paintSurface) {
        // Widgets paint only inside a paint event, so a control on screen repaints now. One
        // that is not on screen has nowhere to draw: its frame is decoded when PaintTo asks
        // for it, just before it is used, while the picture is still warm in the cache.
        if (isVisible())
            repaint();
        return;
    }
    if (m_transparent || Opened())
        DrawFrame(*paintSurface);
    else
        paintSurface->fillRect(rect(), Color());
}

void TDCAviPlayer::DrawFrame(QPainter &target)
{
    if (CannotPaint())
        return;
    if (m_transparent && (m_backgroundStale || !m_active)) {
        CaptureBackground();
        m_backgroundStale = false;
    }
    FlagScope busy(m_busy);
    const Layout layout = CalcLayout();
    if (m_transparent) {
        // Keyed on its exact colour, so scaled later by nearest neighbour, never blended.
        const QImage frame = Opened() ? m_source->frame(m_position) : QImage();
        target.drawImage(QPoint(0, 0), video::compositeOverBackground(
                                           m_background, frame, {layout.offsetX, layout.offsetY},
                                           layout.destination));
        return;
    }
    const QImage frame = OpaqueFrame(layout);
    if (!frame.isNull())
        target.drawImage(QPoint(layout.offsetX, layout.offsetY), frame);
}

QImage TDCAviPlayer::OpaqueFrame(const Layout &layout)
{
    // Scaled once, while it is converted from the decoder's format, instead of once more here.
    return Opened() ? m_source->scaledFrame(m_position, layout.destination) : QImage();
}

void TDCAviPlayer::EraseBackground(QPainter &painter)
{
    const Layout l = CalcLayout();
    const int w = width(), h = height();
    // Each band from its left, top to its right, bottom, the right and bottom edges excluded.
    const auto fillBand = [&](int left, int top, int right, int bottom) {
        if (right > left && bottom > top)
            painter.fillRect(QRect(left, top, right - left, bottom - top), Color());
    };
    fillBand(0, 0, w, l.offsetY);
    fillBand(0, l.offsetY, l.offsetX, h);
    fillBand(l.offsetX, l.offsetY + l.sourceHeight, w, h);
    fillBand(l.offsetX + l.sourceWidth, l.offsetY, w, l.offsetY + l.sourceHeight);
}

void TDCAviPlayer::paintEvent(QPaintEvent *)
{
    // Refused paints (the player's own background capture among them) draw nothing at all.
    if (CannotPaint())
        return;
    QPainter painter(this);
    if (!m_transparent && !m_stretch)
        EraseBackground(painter);
    Display(&painter);
}

void TDCAviPlayer::PaintTo(QImage &picture, int x, int y)
{
    if (CannotPaint())
        return;
    const Layout layout = CalcLayout();
    const bool identity = Opened() && !m_transparent && x == 0 && y == 0 && layout.offsetX == 0 &&
                          layout.offsetY == 0 && size() == layout.destination &&
                          picture.size() == layout.destination;
    if (identity) {
        // The frame covers the picture exactly: share its pixels instead of copying them.
        QImage frame;
        {
            FlagScope busy(m_busy);
            frame = OpaqueFrame(layout);
        }
        if (frame.isNull())
            return;
        if (frame.format() == picture.format()) {
            picture = frame;
            return;
        }
    }
    QPainter painter(&picture);
    painter.translate(x, y);
    painter.setClipRect(rect());
    Display(&painter);
}

void TDCAviPlayer::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    m_backgroundStale = true;
    Display();
    InvalidatePlayersAbove();
}

void TDCAviPlayer::resizeEvent(QResizeEvent *event)
{
    FreeBackground();
    QWidget::resizeEvent(event);
    m_backgroundStale = true;
    AdjustSize();
    if (!m_active)
        Display();
    InvalidatePlayersAbove();
}

void TDCAviPlayer::CaptureBackground()
{
    if (!parentWidget())
        return;
    FlagScope busy(m_busy);
    video::PlayerList::CaptureScope capturing;
    // Rendering delivers pending resize events, whose FreeBackground must not free the
    // picture being rendered into.
    QImage background = std::move(m_background);
    video::captureBackground(*this, background);
    m_background = std::move(background);
}

void TDCAviPlayer::InvalidateBackground()
{
    m_backgroundStale = true;
    update();
}

// Players stacked above this one show it through their own backgrounds.
void TDCAviPlayer::InvalidatePlayersAbove()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    const QObjectList &stack = parent->children();
    for (auto it = stack.crbegin(); it != stack.crend() && *it != this; ++it) {
        auto *player = qobject_cast<TDCAviPlayer *>(*it);
        if (player && !player->isHidden() && video::PlayerList::contains(player))
            player->InvalidateBackground();
    }
}

void TDCAviPlayer::AdjustSize()
{
    // The parent repaints what the control no longer covers by itself.
    if (m_autoSize && Opened())
        resize(m_frameWidth, m_frameHeight);
}

qint32 TDCAviPlayer::Clamp(qint32 value) const
{
    if (!Opened())
        return value;
    if (value > m_frameCount - 1)
        value = m_frameCount - 1;
    return value < 0 ? 0 : value;
}

void TDCAviPlayer::SetActive(bool value)
{
    if (value == m_active)
        return;
    if (value)
        Play(m_startFrame, m_stopFrame, m_repetitions);
    else
        Stop();
}

void TDCAviPlayer::SetAutoSize(bool value)
{
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    AdjustSize();
}

void TDCAviPlayer::SetCenter(bool value)
{
    if (value == m_center)
        return;
    m_center = value;
    if (!m_transparent)
        update();
    Display();
}

void TDCAviPlayer::SetFileName(const QString &value)
{
    if (value == m_fileName)
        return;
    m_fileName = value;
    const bool wasPlaying = m_active;
    Close();
    Open();
    update();
    Display();
    if (value.isEmpty())
        m_backgroundStale = true;
    if (value.isEmpty() && parentWidget())
        parentWidget()->repaint();
    if (wasPlaying)
        SetActive(true);
}

void TDCAviPlayer::SetRepetitions(int value)
{
    m_repetitions = value;
}

void TDCAviPlayer::SetStartFrame(int value)
{
    m_startFrame = Clamp(value);
}

void TDCAviPlayer::SetStopFrame(int value)
{
    m_stopFrame = Clamp(value);
}

void TDCAviPlayer::SetTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    setAttribute(Qt::WA_OpaquePaintEvent, value);
    update();
    Display();
}

void TDCAviPlayer::SetStretch(bool value)
{
    if (value == m_stretch)
        return;
    m_stretch = value;
    if (!value)
        update();
    if (!m_active)
        Display();
}

void TDCAviPlayer::SetPlaySound(bool value)
{
    if (value == m_playSound)
        return;
    m_playSound = value;
    if (!m_active)
        return;
    if (value)
        StartSound(m_position, m_stopFrame);
    else
        m_audio->Stop();
}

void TDCAviPlayer::SetPosition(int value)
{
    if (value == m_position)
        return;
    Stop();
    m_position = Clamp(value);
    update();
}

void TDCAviPlayer::SetColor(const QColor &value)
{
    m_color = value;
    m_parentColor = false;
    update();
}

void TDCAviPlayer::SetParentColor(bool value)
{
    m_parentColor = value;
    update();
}
