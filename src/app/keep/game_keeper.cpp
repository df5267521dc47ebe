// SPDX-License-Identifier: GPL-3.0-or-later
// The command is enabled while a kept game's file is there, checked whenever the menu opens
// and whenever the session keeps or forgets a game.
#include "app/keep/game_keeper.h"

#include "app/commands/command_set.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

GameKeeper::GameKeeper(QWidget *window, GameSession &session, const commands::CommandSet &commands,
                       GameSession::PictureOpener openPicture)
    : QObject(window), m_window(window), m_session(session), m_openPicture(std::move(openPicture)),
      m_resume(commands.action(commands::Command::Resume))
{
    connect(m_resume, &QAction::triggered, this, &GameKeeper::resume);
    connect(commands.menu(commands::Menu::Game), &QMenu::aboutToShow, this,
            &GameKeeper::refreshCommand);
    connect(&m_session, &GameSession::commandsChanged, this, &GameKeeper::refreshCommand);
    refreshCommand();
}

void GameKeeper::resume()
{
    const GameSession::ResumeOutcome outcome = m_session.resume(m_openPicture);
    refreshCommand();
    if (!outcome.resumed)
        //: Title of a message box; the same command as the Game menu's Resume Last Game
        QMessageBox::information(m_window, tr("Resume Last Game"), outcome.message,
                                 QMessageBox::Ok);
}

void GameKeeper::refreshCommand()
{
    m_resume->setEnabled(m_session.anyKept());
}
