// SPDX-License-Identifier: GPL-3.0-or-later
// A resized or repainted widget marks the backgrounds of the transparent players it lies
// behind as stale: a player's parent, or a sibling that is not itself a player.
#include "video/player_list.h"

#include <QCoreApplication>
#include <QEvent>

#include <memory>

namespace video {

namespace {

QRect screenRect(const QWidget &widget)
{
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

class BackgroundWatch : public QObject
{
  public:
    bool eventFilter(QObject *watched, QEvent *event) override;

    QList<PlayerWidget *> players;
    int capturing = 0;

  private:
    void changed(QWidget &widget, bool painted);
};

BackgroundWatch &watch()
{
    static BackgroundWatch instance;
    return instance;
}

bool BackgroundWatch::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Resize || type == QEvent::Paint) && capturing == 0 &&
        watched->isWidgetType())
        changed(*static_cast<QWidget *>(watched), type == QEvent::Paint);
    return false;
}

void BackgroundWatch::changed(QWidget &widget, bool painted)
{
    // A player's own window concerns nobody.
    if (qobject_cast<PlayerWidget *>(&widget))
        return;
    for (PlayerWidget *player : players) {
        QWidget *owner = player->parentWidget();
        if (!owner || !player->Transparent() || !player->testAttribute(Qt::WA_WState_Created))
            continue;
        const bool sibling = widget.parentWidget() == owner;
        if (!sibling && &widget != owner)
            continue;
        // Qt repaints a sibling stacked above a player whenever the player repaints; what
        // is above it is not behind it, and counting it would recapture without end.
        const QObjectList &stack = owner->children();
        if (painted && sibling && stack.indexOf(&widget) > stack.indexOf(player))
            continue;
        if (screenRect(widget).intersects(screenRect(*player)))
            player->InvalidateBackground();
    }
}

} // namespace

void PlayerList::add(PlayerWidget *player)
{
    BackgroundWatch &list = watch();
    if (list.players.isEmpty() && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(&list);
    list.players.append(player);
}

void PlayerList::remove(PlayerWidget *player)
{
    BackgroundWatch &list = watch();
    list.players.removeOne(player);
    if (list.players.isEmpty() && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(&list);
}

bool PlayerList::contains(const PlayerWidget *player)
{
    return watch().players.contains(const_cast<PlayerWidget *>(player));
}

PlayerList::CaptureScope::CaptureScope()
{
    ++watch().capturing;
}

PlayerList::CaptureScope::~CaptureScope()
{
    --watch().capturing;
}

} // namespace video
