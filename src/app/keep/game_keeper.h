// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the game in progress in the user's data folder and puts it back on request: "Resume
// Last Game" in the game menu and the command line's --resume.
#pragma once

#include "app/keep/keep_host.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace commands {
class CommandSet;
}
class QAction;
class QTimer;
class QWidget;

class GameKeeper : public QObject
{
    Q_OBJECT

  public:
    // Runs the command "Resume Last Game"; keeps the game every few seconds while it changes,
    // and when the program quits.
    GameKeeper(QWidget *window, KeepHost &host, const commands::CommandSet &commands);

    // Where the picture now played came from.
    void startUpPictureOpened();
    void fileOpened(const QString &path);
    void videoOpened(const QString &path);
    void downloadOpened(const QString &address, const QByteArray &bytes);

    // The game on the board is about to be left: it is kept, if it is worth keeping.
    void keepNow();
    // A completed game is not kept: when it was, it is forgotten.
    void completed();
    // The "Resume Last Game" command.
    void resume();

  private:
    void sourceChanged(game::KeptGame::Source source, const QString &path);
    // The content hash of the picture now played, worked out once per picture.
    QString pictureHash();
    void refreshCommand();
    void tell(const QString &text);

    QWidget *m_window;
    KeepHost &m_host;
    QAction *m_resume;
    QTimer *m_timer;
    QString m_path; // the kept game's file
    game::KeptGame::Source m_source = game::KeptGame::Source::StartUp;
    QString m_picturePath;
    QByteArray m_downloaded;
    QString m_hash;
    QByteArray m_lastWritten; // the kept game's text as last written by this game
    bool m_resuming = false;
};
