#include "gui/render/local_web_page.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace tilvane {

namespace {

class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        if (!info.requestUrl().isLocalFile())
            info.block(true);
    }
};

} // namespace

QWebEngineProfile* localOnlyProfile()
{
    static QWebEngineProfile* profile = [] {
        auto* created = new QWebEngineProfile(QCoreApplication::instance()); // off the record
        created->setUrlRequestInterceptor(new LocalOnlyInterceptor(created));
        created->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        return created;
    }();
    return profile;
}

TLocalWebPage::TLocalWebPage(QObject* parent)
    : QWebEnginePage(localOnlyProfile(), parent)
{
}

// The empty page is allowed too: the window opens it to start the engine early.
bool TLocalWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool)
{
    return url.isLocalFile() || url == QUrl(QStringLiteral("about:blank"));
}

QWebEnginePage* TLocalWebPage::createWindow(WebWindowType)
{
    return nullptr;
}

} // namespace tilvane
