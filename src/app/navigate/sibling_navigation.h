// SPDX-License-Identifier: GPL-3.0-or-later
// Back and Forward: through the pictures in the folder of the file chosen last, or through the
// browser's history while the web is the source, with the moment a left picture stands dimmed
// holding the presses made meanwhile, and the mouse's side buttons pressing them too.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class LeavingMoment;
class QAction;
class QEvent;
class QToolButton;

class SiblingNavigation : public QObject
{
    Q_OBJECT

  public:
    // The two buttons and their menu commands, enabled alike.
    struct Controls
    {
        QToolButton *back;
        QToolButton *forward;
        QAction *backCommand;
        QAction *nextCommand;
    };
    // What the window does for a press.
    struct Window
    {
        // Stands the left picture a moment, then runs the step.
        std::function<void(std::function<void()>)> leave;
        // Opens a sibling, the folder's path joined.
        std::function<void(const QString &)> open;
        // Gives up whatever was opening before the press.
        std::function<void()> dropPendingOpens;
        // Back and Forward while browsing.
        std::function<void()> browseBack;
        std::function<void()> browseForward;
    };

    SiblingNavigation(QObject *parent, Controls controls, Window window);

    const QStringList &files() const { return m_files; }
    // The current picture's place in files(); -1 when it is not there, webPosition while the
    // web is the source.
    int position() const { return m_position; }
    static constexpr int webPosition = -2;
    LeavingMoment &leavingMoment() const { return *m_leaving; }

    // Back and Forward go through the folder of this file once its siblings are found.
    void setChosenFile(const QString &path) { m_chosenFile = path; }
    void findSiblings();
    // From now on Back and Forward follow the browser's history.
    void followBrowser() { m_position = webPosition; }
    // Neither a folder nor a history is there to go through.
    void forget();

    void setEnabled(bool back, bool forward);
    void switchForwardOff();
    bool backEnabled() const;
    bool forwardEnabled() const;

    // Back (-1) or Forward (+1) pressed; held while a leaving moment runs.
    void press(int direction);
    // The same from a menu or key, which may come while the button is disabled.
    void pressIfEnabled(int direction);
    // A side button released with no other button or key held presses Back or Forward: true
    // when the event was one.
    bool takeSideButton(QEvent *event);

  private:
    void step(int direction);

    Controls m_controls;
    Window m_window;
    LeavingMoment *m_leaving;
    QString m_chosenFile;
    QStringList m_files;
    int m_position = -1;
};
