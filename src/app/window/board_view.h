// SPDX-License-Identifier: GPL-3.0-or-later
// The board as the window shows it: the three pictures, the board drawn over them from the
// session's game, the selection frame, the captions over the solution, and the menu's three
// switches kept alike with the session's.
#pragma once

#include "app/video_board/video_board.h"
#include "app/widgets/board_picture.h"
#include "app/window/window_parts.h"
#include "session/game_session.h"

#include <QImage>
#include <QObject>

namespace commands {
class CommandSet;
}

class BoardView : public QObject
{
    Q_OBJECT

  public:
    // The board starts on the start-up picture; parts stay the window's.
    BoardView(QObject *parent, GameSession &session, const WindowParts &parts,
              commands::CommandSet &commands);

    // The three pictures, all of one size: the picture's own, or a video's as the board shows
    // it.
    const QImage &solutionPicture() const { return m_solutionPicture; }
    const QImage &boardPicture() const { return m_board.picture(); }
    const QImage &dimPicture() const { return m_dimPicture.picture(); }
    // What the video board paints its frames into.
    VideoBoard::Views videoViews();

    // A new solution picture, with what dimmed tiles show rebuilt from it.
    void setSolution(const QImage &picture);
    // Nothing to solve while a picture is still on its way.
    void clearSolution() { m_solutionPicture = QImage(); }
    // The pictures hold a video's frames until endVideo(), which leaves the last frame as a
    // still picture.
    void startVideo(const VideoBoard &video) { m_video = &video; }
    void endVideo();
    bool isVideo() const { return m_video != nullptr; }

    // The board drawn from the session's game, unless the solution shows.
    void draw();
    // Drawn once with every tile dimmed, and painted at once.
    void drawDimmedOnce();
    void showSolution();
    // The Fade Blocks command chosen: the dimmed tiles follow it.
    void followFadeBlocks();
    void showCompletion(int moves);
    void hideCaptions();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void rebuildDimSource();
    void placeInfoLabels();
    void showFrame(GameSession::Frame frame);
    // A bevel or frame `fullWidth` pixels wide over the full picture, over the picture built.
    int lineWidth(int fullWidth) const;
    // The menu's switches as the session keeps them, and back after a resume.
    void switchesToggled();
    void showSwitches();

    GameSession &m_session;
    const WindowParts &ui;
    commands::CommandSet &m_commands;
    const VideoBoard *m_video = nullptr;

    QImage m_solutionPicture;
    mutable BoardPicture m_board;       // drawn when shown or looked at
    mutable DimmedPicture m_dimPicture; // what dimmed tiles show, darkened when looked at
};
