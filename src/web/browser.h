// SPDX-License-Identifier: GPL-3.0-or-later
// The web pane's browser as the window sees it. The engine behind it lives in a module that
// is loaded on first use, so this interface carries no Qt objects of its own.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace web {

// The browser's events, delivered on the window's thread.
struct BrowserEvents
{
    // Before every navigation, frames included; returns true to cancel it.
    std::function<bool(const QString &address)> beforeNavigate2;
    // A page asked for a new window to show address.
    std::function<void(const QString &address)> newWindow2;
    // Going forward (command 1) or back (command 2) became possible or impossible.
    std::function<void(int command, bool enabled)> commandStateChange;
    std::function<void()> downloadBegin;
    std::function<void(int progress, int maximum)> progressChange;
    std::function<void()> downloadComplete;
    std::function<void()> navigateComplete2;
    std::function<void()> documentComplete;
};

enum BrowserCommand
{
    NavigateForward = 1,
    NavigateBack = 2
};

class Browser
{
  public:
    virtual ~Browser() = default;

    // The view, a child of the widget the browser was made in.
    virtual QWidget *widget() = 0;
    // Goes to address exactly as given: no scheme is added.
    virtual void navigate(const QString &address) = 0;
    virtual bool canGoBack() const = 0;
    virtual bool canGoForward() const = 0;
    // False when the history holds nothing that way.
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual void refresh() = 0;
    virtual QString locationUrl() const = 0;
};

} // namespace web
