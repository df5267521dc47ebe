// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigate/sibling_navigation.h"

#include "app/dialogs/error_report.h"
#include "app/navigate/leaving_moment.h"
#include "app/widgets/wait_cursor.h"
#include "sources/sibling_files.h"

#include <QAction>
#include <QMouseEvent>
#include <QToolButton>

SiblingNavigation::SiblingNavigation(QObject *parent, Controls controls, Window window)
    : QObject(parent), m_controls(controls), m_window(std::move(window)),
      m_leaving(new LeavingMoment(this))
{
    setEnabled(false, false);
    // Presses held through the moment follow the step, as if made after it.
    connect(m_leaving, &LeavingMoment::heldPress, this, &SiblingNavigation::pressIfEnabled);
}

void SiblingNavigation::findSiblings()
{
    const sources::SiblingList siblings = sources::findSiblingFiles(m_chosenFile);
    m_files = siblings.names;
    m_position = siblings.index;
    setEnabled(m_files.size() >= 2, m_files.size() >= 2);
}

void SiblingNavigation::forget()
{
    m_position = -1;
    setEnabled(false, false);
}

void SiblingNavigation::setEnabled(bool back, bool forward)
{
    m_controls.back->setEnabled(back);
    m_controls.backCommand->setEnabled(back);
    m_controls.forward->setEnabled(forward);
    m_controls.nextCommand->setEnabled(forward);
}

void SiblingNavigation::switchForwardOff()
{
    m_controls.forward->setEnabled(false);
    m_controls.nextCommand->setEnabled(false);
}

bool SiblingNavigation::backEnabled() const
{
    return m_controls.back->isEnabled();
}

bool SiblingNavigation::forwardEnabled() const
{
    return m_controls.forward->isEnabled();
}

void SiblingNavigation::press(int direction)
{
    if (m_leaving->hold(direction))
        return;
    if (m_position == webPosition) {
        (direction > 0 ? m_window.browseForward : m_window.browseBack)();
        return;
    }
    // Another picture takes the place of whatever was opening.
    m_window.dropPendingOpens();
    step(direction);
}

void SiblingNavigation::pressIfEnabled(int direction)
{
    if (direction > 0 ? forwardEnabled() : backEnabled())
        press(direction);
}

bool SiblingNavigation::takeSideButton(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *release = static_cast<QMouseEvent *>(event);
    if (release->buttons() != Qt::NoButton || release->modifiers() != Qt::NoModifier)
        return false;
    if (release->button() != Qt::BackButton && release->button() != Qt::ForwardButton)
        return false;
    pressIfEnabled(release->button() == Qt::ForwardButton ? +1 : -1);
    return true;
}

void SiblingNavigation::step(int direction)
{
    m_window.leave([this, direction] {
        runReportingFailures([&] {
            WaitCursor busy;
            const int count = int(m_files.size());
            if (count < 2)
                return;
            if (direction > 0)
                m_position = m_position < count - 1 ? m_position + 1 : 0;
            else
                m_position = m_position <= 0 ? count - 1 : m_position - 1;
            m_window.open(sources::siblingPath(m_chosenFile, m_files.at(m_position)));
        });
    });
}
