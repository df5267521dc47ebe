// SPDX-License-Identifier: GPL-3.0-or-later
// The board as the window shows it: drawing, the selection frame, the captions and the menu's
// switches.
#include "app/window/board_view.h"

#include "app/commands/command_set.h"
#include "app/widgets/picture_view.h"
#include "app/window/startup_picture.h"
#include "game/geometry.h"
#include "sources/picture_cover.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

using commands::Command;

BoardView::BoardView(QObject *parent, GameSession &session, const WindowParts &parts,
                     commands::CommandSet &commands)
    : QObject(parent), m_session(session), ui(parts), m_commands(commands)
{
    m_board.showPicture(startupPicture());
    ui.ProEffectImage1->setPicture(&m_dimPicture);
    ui.imgSolution->setPicture(&m_solutionPicture);
    ui.Image2->setPicture(&m_board);
    ui.fraSolution->installEventFilter(this);

    connect(&m_session, &GameSession::boardChanged, this, &BoardView::draw);
    connect(&m_session, &GameSession::frameShown, this, &BoardView::showFrame);
    connect(&m_session, &GameSession::switchesChanged, this, &BoardView::showSwitches);
    for (Command item : {Command::FadeBlocks, Command::DimTiles, Command::ShowGrid})
        connect(m_commands.action(item), &QAction::toggled, this, &BoardView::switchesToggled);
    switchesToggled();
}

VideoBoard::Views BoardView::videoViews()
{
    return {m_solutionPicture, m_dimPicture,       m_board,       ui.Image2,
            ui.imgSolution,    ui.ProEffectImage1, ui.fraSolution};
}

void BoardView::setSolution(const QImage &picture)
{
    m_solutionPicture = picture;
    // The dim source is rebuilt from the solution picture in full, in the memory of the
    // previous one where it fits.
    rebuildDimSource();
}

void BoardView::endVideo()
{
    m_video = nullptr;
    m_commands.action(Command::FadeBlocks)->setEnabled(true);
    // The last frame stays as an ordinary still picture, which Restart deals with dimmed
    // tiles.
    rebuildDimSource();
}

void BoardView::rebuildDimSource()
{
    if (m_commands.action(Command::FadeBlocks)->isChecked())
        m_dimPicture.showDarkened(m_solutionPicture, 100);
    else
        m_dimPicture.showAsIs(m_solutionPicture.convertToFormat(QImage::Format_RGB32));
}

void BoardView::followFadeBlocks()
{
    if (m_commands.action(Command::FadeBlocks)->isChecked())
        rebuildDimSource();
}

int BoardView::lineWidth(int fullWidth) const
{
    // Over a picture kept reduced or a video built at its shown size, bevels and frames are
    // narrowed alike, so that they look as wide on the screen as over the full picture. Over
    // frames grown for a fine grid they stay as wide as over a still picture grown alike.
    const double reduction =
        m_video ? std::min(1.0, double(m_solutionPicture.width()) / m_video->frameWidth())
                : sources::decodedEighths(m_solutionPicture) / 8.0;
    return std::max(1, game::roundHalfEven(fullWidth * reduction));
}

void BoardView::draw()
{
    placeInfoLabels();
    if (m_session.solutionShown())
        return;
    ui.imgSolution->hide();
    ui.ProEffectImage1->hide();
    const GameSession::Switches &switches = m_session.switches();
    m_board.showGame(m_session.state(), m_solutionPicture, m_dimPicture,
                     {switches.grid, switches.dimIncorrect, lineWidth(3)});
    ui.Image2->updatePicture();
}

void BoardView::drawDimmedOnce()
{
    m_board.dimAllOnce();
    draw();
    ui.Image2->repaint();
}

void BoardView::showFrame(GameSession::Frame frame)
{
    m_board.showSelectionFrame(frame == GameSession::Frame::Swapped ? game::red : game::yellow,
                               lineWidth(5));
    ui.Image2->repaintPicture();
}

void BoardView::showSolution()
{
    ui.imgSolution->show();
    ui.imgSolution->update();
    ui.Image2->hide();
    placeInfoLabels();
    ui.txtInfoShadow->adjustSize();
    ui.txtInfo->adjustSize();
    ui.txtInfoShadow->show();
    ui.txtInfo->show();
}

void BoardView::showCompletion(int moves)
{
    const QString message =
        QCoreApplication::translate("TfrmMain", "Puzzle Completed! (%n moves)", nullptr, moves);
    ui.txtInfo->setText(message);
    ui.txtInfoShadow->setText(message);
    ui.txtInfo->show();
    ui.txtInfoShadow->show();
}

void BoardView::hideCaptions()
{
    ui.txtInfo->hide();
    ui.txtInfoShadow->hide();
}

void BoardView::placeInfoLabels()
{
    const int paneHeight = ui.fraSolution->height();
    ui.txtInfo->move(ui.txtInfo->x() > 0 ? ui.txtInfo->x() : 9, paneHeight - 27);
    ui.txtInfoShadow->move(ui.txtInfo->x() - 1, paneHeight - 26);
}

bool BoardView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.fraSolution && event->type() == QEvent::Resize)
        placeInfoLabels();
    return QObject::eventFilter(watched, event);
}

void BoardView::switchesToggled()
{
    m_session.setSwitches({m_commands.action(Command::FadeBlocks)->isChecked(),
                           m_commands.action(Command::DimTiles)->isChecked(),
                           m_commands.action(Command::ShowGrid)->isChecked()});
}

void BoardView::showSwitches()
{
    const GameSession::Switches switches = m_session.switches();
    QAction *fadeBlocks = m_commands.action(Command::FadeBlocks);
    const bool dimChanged = fadeBlocks->isChecked() != switches.dimSelected;
    fadeBlocks->setChecked(switches.dimSelected);
    if (dimChanged)
        followFadeBlocks();
    m_commands.action(Command::DimTiles)->setChecked(switches.dimIncorrect);
    m_commands.action(Command::ShowGrid)->setChecked(switches.grid);
}
