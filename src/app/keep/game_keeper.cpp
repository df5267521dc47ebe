// SPDX-License-Identifier: GPL-3.0-or-later
// The kept game is written whenever it changed, at most every few seconds, so a crash or a
// power cut loses little; the same text is never written twice.
#include "app/keep/game_keeper.h"

#include "app/commands/command_set.h"
#include "sources/kept_game_file.h"
#include "sources/records_file.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace {

constexpr int keepIntervalMs = 5000;

} // namespace

GameKeeper::GameKeeper(QWidget *window, KeepHost &host, const commands::CommandSet &commands)
    : QObject(window), m_window(window), m_host(host), m_timer(new QTimer(this)),
      m_path(sources::keptGamePath())
{
    m_resume = commands.action(commands::Command::Resume);
    connect(m_resume, &QAction::triggered, this, &GameKeeper::resume);
    connect(commands.menu(commands::Menu::Game), &QMenu::aboutToShow, this,
            &GameKeeper::refreshCommand);
    connect(m_timer, &QTimer::timeout, this, &GameKeeper::keepNow);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GameKeeper::keepNow);
    m_timer->start(keepIntervalMs);
    refreshCommand();
}

void GameKeeper::sourceChanged(game::KeptGame::Source source, const QString &path)
{
    m_source = source;
    m_picturePath = path;
    m_downloaded.clear();
    m_hash.clear();
    m_lastWritten.clear();
}

void GameKeeper::startUpPictureOpened()
{
    sourceChanged(game::KeptGame::Source::StartUp, QString());
}

void GameKeeper::fileOpened(const QString &path)
{
    sourceChanged(game::KeptGame::Source::File, path);
}

void GameKeeper::videoOpened(const QString &path)
{
    sourceChanged(game::KeptGame::Source::Video, path);
}

void GameKeeper::downloadOpened(const QString &address, const QByteArray &bytes)
{
    sourceChanged(game::KeptGame::Source::Download, address);
    m_downloaded = bytes;
}

QString GameKeeper::pictureHash()
{
    if (!m_hash.isEmpty())
        return m_hash;
    switch (m_source) {
    case game::KeptGame::Source::StartUp:
        break;
    case game::KeptGame::Source::File:
    case game::KeptGame::Source::Video:
        m_hash = sources::pictureFileIdentity(m_picturePath);
        break;
    case game::KeptGame::Source::Download:
        m_hash = sources::bytesIdentity(m_downloaded);
        break;
    }
    return m_hash;
}

void GameKeeper::keepNow()
{
    game::KeptGame kept;
    if (m_resuming || m_path.isEmpty() || !m_host.gameToKeep(kept))
        return;
    kept.source = m_source;
    kept.path = m_picturePath;
    kept.hash = pictureHash();
    // A picture that cannot be known again could not be resumed.
    if (m_source != game::KeptGame::Source::StartUp && kept.hash.isEmpty())
        return;
    // A downloaded picture's bytes go beside the game once, with its first keeping.
    if (m_source == game::KeptGame::Source::Download && m_lastWritten.isEmpty() &&
        !sources::saveKeptPicture(sources::keptPicturePath(m_path), m_downloaded))
        return;
    const QByteArray text = kept.toJson();
    if (text == m_lastWritten)
        return;
    // An unwritable data folder only means nothing is kept.
    if (sources::saveKeptGame(m_path, kept))
        m_lastWritten = text;
    refreshCommand();
}

void GameKeeper::completed()
{
    if (m_lastWritten.isEmpty())
        return;
    sources::forgetKeptGame(m_path);
    m_lastWritten.clear();
    refreshCommand();
}

void GameKeeper::resume()
{
    const sources::KeptGameRead read = sources::loadKeptGame(m_path);
    if (read.outcome == sources::KeptGameRead::Outcome::None) {
        tell(tr("No game is kept."));
        refreshCommand();
        return;
    }
    if (read.outcome == sources::KeptGameRead::Outcome::Refused) {
        sources::setKeptGameAside(m_path);
        refreshCommand();
        //: %1 is a file name
        tell(tr("The kept game could not be read: it was damaged, or written by another "
                "version of Pindrel. It has been set aside as %1.")
                 .arg(QFileInfo(m_path).fileName() + QStringLiteral(".unreadable")));
        return;
    }
    const game::KeptGame &kept = *read.game;
    QByteArray downloaded;
    QString found;
    switch (kept.source) {
    case game::KeptGame::Source::StartUp:
        found = kept.hash;
        break;
    case game::KeptGame::Source::File:
    case game::KeptGame::Source::Video:
        found = sources::pictureFileIdentity(kept.path);
        break;
    case game::KeptGame::Source::Download:
        downloaded =
            sources::loadKeptPicture(sources::keptPicturePath(m_path)).value_or(QByteArray());
        found = downloaded.isEmpty() ? QString() : sources::bytesIdentity(downloaded);
        break;
    }
    // The game stays kept: the picture may come back.
    if (found != kept.hash) {
        tell(tr("The picture of the kept game is gone or has changed:\n%1").arg(kept.path));
        return;
    }
    m_resuming = true;
    try {
        m_host.resumeGame(kept, downloaded);
    } catch (const std::exception &) {
        m_resuming = false;
        tell(tr("The picture of the kept game could not be opened:\n%1").arg(kept.path));
        return;
    }
    m_resuming = false;
    // The resumed game is this game now: its picture is known, and it replaces what is kept.
    m_hash = kept.hash;
    keepNow();
}

void GameKeeper::refreshCommand()
{
    m_resume->setEnabled(!m_path.isEmpty() && QFileInfo::exists(m_path));
}

void GameKeeper::tell(const QString &text)
{
    //: Title of a message box; the same command as the Game menu's Resume Last Game
    QMessageBox::information(m_window, tr("Resume Last Game"), text, QMessageBox::Ok);
}
