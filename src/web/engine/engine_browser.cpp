// SPDX-License-Identifier: GPL-3.0-or-later
// The web pane's browser on Qt WebEngine, built as the module the game loads on first use.
#include "web/browser.h"
#include "web/browser_loader.h"

#include <QAction>
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <type_traits>

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

// The engine composes its pages in an OpenGL context shared with the application's. Linked
// into a program, it makes that context as the application starts; loaded later, it is made
// here, so a start that never opens the pane sets up no OpenGL at all. Where OpenGL is missing
// (the offscreen platform) the context stays invalid and the engine draws in software.
void shareOpenGlContext()
{
    if (qt_gl_global_share_context())
        return;
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

QString addressOf(const QUrl &url)
{
    // Percent escapes stay as the page wrote them.
    return url.toString(QUrl::FullyEncoded);
}

class InterceptingPage : public QWebEnginePage
{
  public:
    InterceptingPage(QWebEngineProfile *profile, const web::BrowserEvents &events, QObject *parent)
        : QWebEnginePage(profile, parent), m_events(events)
    {
    }

  protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        return !m_events.beforeNavigate2(addressOf(url));
    }

  private:
    const web::BrowserEvents &m_events;
};

class EngineBrowser final : public web::Browser
{
  public:
    EngineBrowser(QWidget *parent, const web::BrowserEvents &events) : m_events(events)
    {
        // Off the record: the game writes no files, cookies and cache included.
        m_profile = new QWebEngineProfile();
        // Links reach only the web and the bundled pages: a scheme the engine does not load
        // itself (mailto:, ssh:, smb:...) would be handed to the desktop's programs.
        m_profile->settings()->setUnknownUrlSchemePolicy(
            QWebEngineSettings::DisallowUnknownUrlSchemes);
        m_view = new QWebEngineView(parent);
        m_view->setObjectName(QStringLiteral("WebBrowser1"));
        auto *page = new InterceptingPage(m_profile, m_events, m_view);
        m_view->setPage(page);

        auto commandState = [this](QWebEnginePage::WebAction action, int command) {
            QAction *item = m_view->pageAction(action);
            QObject::connect(item, &QAction::changed, m_view, [this, item, command] {
                m_events.commandStateChange(command, item->isEnabled());
            });
        };
        commandState(QWebEnginePage::Forward, web::NavigateForward);
        commandState(QWebEnginePage::Back, web::NavigateBack);
        QObject::connect(page, &QWebEnginePage::loadStarted, m_view,
                         [this] { m_events.downloadBegin(); });
        QObject::connect(page, &QWebEnginePage::loadProgress, m_view,
                         [this](int progress) { m_events.progressChange(progress, 100); });
        QObject::connect(page, &QWebEnginePage::urlChanged, m_view,
                         [this] { m_events.navigateComplete2(); });
        QObject::connect(page, &QWebEnginePage::loadFinished, m_view, [this] {
            m_events.downloadComplete();
            m_events.documentComplete();
        });
        QObject::connect(page, &QWebEnginePage::newWindowRequested, m_view,
                         [this](QWebEngineNewWindowRequest &request) {
                             m_events.newWindow2(addressOf(request.requestedUrl()));
                         });
    }

    ~EngineBrowser() override
    {
        // The page must go before its profile.
        delete m_view;
        delete m_profile;
    }

    QWidget *widget() override { return m_view; }
    void navigate(const QString &address) override { m_view->setUrl(QUrl(address)); }
    bool canGoBack() const override { return m_view->history()->canGoBack(); }
    bool canGoForward() const override { return m_view->history()->canGoForward(); }
    bool goBack() override
    {
        if (!canGoBack())
            return false;
        m_view->back();
        return true;
    }
    bool goForward() override
    {
        if (!canGoForward())
            return false;
        m_view->forward();
        return true;
    }
    void refresh() override { m_view->reload(); }
    QString locationUrl() const override { return addressOf(m_view->url()); }

  private:
    web::BrowserEvents m_events;
    QWebEngineProfile *m_profile = nullptr;
    QWebEngineView *m_view = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT web::Browser *pindrelCreateBrowser(QWidget *parent,
                                                            const web::BrowserEvents &events)
{
    shareOpenGlContext();
    return new EngineBrowser(parent, events);
}

static_assert(std::is_same_v<decltype(&pindrelCreateBrowser), web::BrowserFactory>);
