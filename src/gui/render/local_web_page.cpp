#include "gui/render/local_web_page.h"

#include "core/app/app_dirs.h"
#include "gui/render/page_isolation.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace tilvane {

QWebEngineProfile* localOnlyProfile()
{
    static QWebEngineProfile* profile = [] {
        auto* created = new QWebEngineProfile(QCoreApplication::instance()); // off the record
        created->setUrlRequestInterceptor(new PageRequestFilter(created));
        created->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        isolatePageSettings(*created->settings());
        return created;
    }();
    return profile;
}

LocalWebPage::LocalWebPage(QObject* parent)
    : QWebEnginePage(localOnlyProfile(), parent)
{
}

// Only the program loads pages (a typed navigation), and only its own: no link, form,
// script, refresh or history move (mouse Back and Forward buttons included) changes the page
// behind the window's back, and no frame inside a page loads anything. The empty page is
// allowed too: the window opens it to start the engine early.
bool LocalWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame || type != NavigationTypeTyped)
        return false;
    return isPageResource(url, AppDirs.TempDir) || url == QUrl(QStringLiteral("about:blank"));
}

QWebEnginePage* LocalWebPage::createWindow(WebWindowType)
{
    return nullptr;
}

} // namespace tilvane
