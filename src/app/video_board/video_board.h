// SPDX-License-Identifier: GPL-3.0-or-later
// The board of a video puzzle: the player its frames come from, the refresh that paints each
// frame into the pictures the window shows, and the size those pictures are built at.
#pragma once

#include <QObject>
#include <QSize>

class BoardPicture;
class DimmedPicture;
class GameSession;
class PictureView;
class ProgressGauge;
class QImage;
class QTimer;
class QWidget;
class TDCAviPlayer;

class VideoBoard : public QObject
{
    Q_OBJECT

  public:
    // What the window shows a puzzle with: the three pictures, their views and the area the
    // pictures are fitted to. All stay the window's.
    struct Views
    {
        QImage &solution;
        DimmedPicture &dim;
        BoardPicture &board;
        PictureView *boardView;
        PictureView *solutionView;
        PictureView *dimView;
        QWidget *area;
    };

    // The player sits in a hidden panel of window; a long scan of a file shows on gauge.
    VideoBoard(QWidget *window, GameSession &session, const Views &views, ProgressGauge *gauge);

    // Opens path in the player; a file without a frame to show throws a DecodeError.
    void load(const QString &path);
    // The session follows the loaded video's frames, and the pictures are built for it.
    void showOnBoard();
    // Plays the whole video from atFrame, or from its first frame when that is -1.
    void play(int atFrame = -1);
    void restart();
    // The player closes; nothing refreshes the board.
    void close();
    // Closes the player, and a video puzzle on the board becomes a still one: videoLeft().
    void leave();

    void startRefresh();
    void stopRefresh();
    bool refreshing() const { return m_refreshOn; }
    int refreshInterval() const;
    void setRefreshInterval(int milliseconds);
    // One refresh tick: the playing frame painted into the pictures, then frameShown().
    void refresh();

    void setPlaySound(bool on);
    int frameWidth() const;

  signals:
    // The frame is in the pictures: the board is to be drawn over it.
    void frameShown();
    void videoLeft();

  private:
    // Pause's hold: the video and the refresh stop, and go on from the same frame.
    void hold(bool held);
    void applyRefreshInterval();
    void setSmoothPictures(bool smooth);
    // The size the pictures are built at, and building them anew at a size.
    QSize shownSize() const;
    void sizePictures(QSize size);

    GameSession &m_session;
    Views m_views;
    TDCAviPlayer *m_player;
    ProgressGauge *m_gauge;
    QTimer *m_refresh;
    // The board follows the video while one is on it (when the interval allows).
    bool m_refreshOn = false;
};
