#include "gui/render/wb_container.h"

#include "core/app/paths.h"
#include "gui/render/host_style_sheet.h"
#include "gui/render/local_web_page.h"

#include <QMenu>
#include <QUrl>
#include <QVariant>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace tilvane {

TNulWBContainer::TNulWBContainer(QWebEngineView* browser)
    : QObject(browser)
    , m_browser(browser)
{
    Q_ASSERT_X(browser != nullptr, "TNulWBContainer", "a host needs a browser");
    if (browser->page() == nullptr || qobject_cast<LocalWebPage*>(browser->page()) == nullptr)
        browser->setPage(new LocalWebPage(browser));
    m_loadWatch = new PageLoadWatch(browser, this);
}

void TNulWBContainer::Navigate(const std::string& path)
{
    if (!m_browser)
        return;
    beforeNavigate();
    ++m_navigations;
    m_requestedUrl = QUrl(QString::fromStdString(PathToFileUrl(path)), QUrl::StrictMode);
    m_loadWatch->expect(m_requestedUrl);
    m_browser->load(m_requestedUrl);
}

void TNulWBContainer::runScriptChecked(const QString& script, std::function<void(bool)> done)
{
    auto* page = m_browser ? qobject_cast<LocalWebPage*>(m_browser->page()) : nullptr;
    if (page == nullptr) {
        done(false);
        return;
    }
    const QString wrapped = QStringLiteral("(function(){ %1; return true; })()").arg(script);
    page->runJavaScript(wrapped, [done = std::move(done), pageAlive = page->lifetime(), host = QPointer(this),
                                  navigation = m_navigations](const QVariant& result) {
        // The engine answers every script, also while the page and the window go.
        if (pageAlive.expired() || !host || host->m_navigations != navigation)
            return;
        done(result.typeId() == QMetaType::Bool && result.toBool());
    });
}

TWBContainer::TWBContainer(QWebEngineView* browser)
    : TNulWBContainer(browser)
{
    connect(browser, &QWidget::customContextMenuRequested, this, &TWBContainer::showContextMenu);
}

std::string TWBContainer::effectiveStyleSheet() const
{
    std::string css;
    if (Border3DVisible)
        css += "html { border: 2px inset #c0c0c0; }\n";
    if (!TextSelectable)
        css += "* { -webkit-user-select: none !important; user-select: none !important; }\n";
    css += HostStyleSheet;
    css += LookStyleSheet;
    return css;
}

void TWBContainer::restyleNow()
{
    if (Browser() != nullptr)
        restyleShownPage(*Browser()->page(), effectiveStyleSheet());
}

void TWBContainer::beforeNavigate()
{
    QWebEngineView* view = Browser();
    view->setContextMenuPolicy(UseControlPopupMenu ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
    view->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, ScrollBarsVisible);

    installHostStyleSheet(view->page()->scripts(), effectiveStyleSheet());
}

void TWBContainer::showContextMenu(const QPoint& position)
{
    // With the window's menu in charge, the engine's own menu never appears, menu or not.
    if (m_popupMenu)
        m_popupMenu->popup(Browser()->mapToGlobal(position));
}

} // namespace tilvane
