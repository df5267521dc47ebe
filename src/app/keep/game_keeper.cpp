// SPDX-License-Identifier: GPL-3.0-or-later
// The command is enabled while a kept game's file is there, checked whenever the menu opens
// and whenever the session keeps or forgets a game.
#include "app/keep/game_keeper.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

GameKeeper::GameKeeper(QWidget *window, GameSession &session, QMenu *gameMenu,
                       GameSession::PictureOpener openPicture)
    : QObject(window), m_window(window), m_session(session), m_openPicture(std::move(openPicture))
{
    gameMenu->addSeparator();
    //: Brings back the game in progress when the game last ended or another picture was opened
    m_resume = gameMenu->addAction(tr("Resume &Last Game", "Game menu"));
    m_resume->setObjectName(QStringLiteral("mnuResume"));
    window->addAction(m_resume);
    connect(m_resume, &QAction::triggered, this, &GameKeeper::resume);
    connect(gameMenu, &QMenu::aboutToShow, this, &GameKeeper::refreshCommand);
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
