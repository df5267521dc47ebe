// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzles from the web: entering the pane, a picture link taken from a page, its download's end
// turned into a puzzle or the page back, and Back from a web puzzle to its page. What only the
// window can do it asks for through its signals and the two steps it is given.
#pragma once

#include "web/link_rules.h"

#include <QObject>
#include <QString>

#include <functional>

class GameSession;
class QByteArray;
class QImage;
class QWidget;
class SiblingNavigation;
class VideoBoard;
class WebPane;

class WebPuzzles : public QObject
{
    Q_OBJECT

  public:
    // The parts the flow goes through; board is the window's board control.
    struct Parts
    {
        WebPane &pane;
        GameSession &session;
        SiblingNavigation &siblings;
        VideoBoard &video;
        QWidget *board;
    };
    // What the window does for it.
    struct Window
    {
        // The web puzzle leaves for its page: over the board it stands dimmed a moment, then
        // the step runs.
        std::function<void(std::function<void()>)> leavePuzzle;
        // Deals the downloaded picture as a puzzle titled with its address; throws when it
        // cannot.
        std::function<void(const QString &address, const QImage &picture)> buildPuzzle;
    };

    WebPuzzles(QObject *parent, Parts parts, Window window);

    // What both ways into the pane do first: no download, no video, no clock, the pane's status.
    // From here on Back and Forward follow the browser's history, whatever a local folder left.
    void enterBrowsing();
    // A picture link to fetch instead of follow: pictureRequested comes from the event loop.
    void takePictureLink(const QString &address, web::LinkOrigin origin);
    // Back and Forward while the web is the source.
    void back();
    void forward();
    // What every command that starts another puzzle or view does first: a step still in its
    // leaving moment and a picture still downloading are dropped without a word. True when a
    // download was running.
    bool dropPendingOpens();

  signals:
    void statusText(const QString &text);
    // The game on the board is to be left before the pane comes.
    void leavingGame();
    void pictureRequested(const QString &address, web::LinkOrigin origin);
    // How a requested picture's download ended.
    void opened(const QString &address);
    void failed(const QString &address);
    void dropped(const QString &address);

  private:
    void openPicture(const QString &address, const QByteArray &bytes, const QImage &picture);
    // After the failure's message: the page that held the link comes back.
    void pictureFailed(const QString &address);

    Parts m_parts;
    Window m_window;
};
