// SPDX-License-Identifier: GPL-3.0-or-later
// "Resume Last Game" in the game menu (and the command line's --resume): the session finds
// the kept game, the window opens its picture, and the player is told when there is none.
#pragma once

#include "session/game_session.h"

#include <QObject>

namespace commands {
class CommandSet;
}
class QAction;
class QWidget;

class GameKeeper : public QObject
{
    Q_OBJECT

  public:
    GameKeeper(QWidget *window, GameSession &session, const commands::CommandSet &commands,
               GameSession::PictureOpener openPicture);

    // The "Resume Last Game" command.
    void resume();

  private:
    void refreshCommand();

    QWidget *m_window;
    GameSession &m_session;
    GameSession::PictureOpener m_openPicture;
    QAction *m_resume;
};
