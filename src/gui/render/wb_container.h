#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <string>

#include <QMenu>
#include <QWebEngineView>

#include "gui/render/page_load_watch.h"

namespace tilvane {

// Hosts a web view without changing how it behaves: the engine's own context menu, its own
// scroll bars and selection. The view is not owned; it gets a local-only page.
class TNulWBContainer : public QObject {
    Q_OBJECT
public:
    explicit TNulWBContainer(QWebEngineView* browser);

    QWebEngineView* Browser() const { return m_browser; }

    // Shows a local file; the path becomes a correctly escaped file URL.
    void Navigate(const std::string& path);
    // The URL of the last Navigate.
    const QUrl& requestedUrl() const { return m_requestedUrl; }
    // Reports documentComplete() once the page of the last Navigate is loaded.
    PageLoadWatch* loadWatch() const { return m_loadWatch; }

    // Runs script in the loaded page. done(true) only when the script completed: the engine
    // reports a script that throws exactly like one that returns nothing, so the call is
    // wrapped to return true at its end. A script whose page was replaced or closed before it
    // answered calls nothing: its answer is about a page no longer shown.
    void runScriptChecked(const QString& script, std::function<void(bool completed)> done);

protected:
    // Called right before every navigation; the plain host leaves the view as it is.
    virtual void beforeNavigate() {}

private:
    QPointer<QWebEngineView> m_browser;
    QUrl m_requestedUrl;
    int m_navigations = 0;
    PageLoadWatch* m_loadWatch = nullptr;
};

// The reader's host: its options are read when a page loads, so changing them does not
// touch a page already shown.
class TWBContainer : public TNulWBContainer {
    Q_OBJECT
public:
    explicit TWBContainer(QWebEngineView* browser);

    bool UseControlPopupMenu = false; // right-click shows popupMenu() instead of the engine's menu
    bool ScrollBarsVisible = true;
    bool Border3DVisible = true;
    bool TextSelectable = true;
    std::string HostStyleSheet;       // CSS added to every page
    std::string LookStyleSheet;       // the reader's theme and text rules, after HostStyleSheet

    // The menu a right-click shows when UseControlPopupMenu is set; none shows no menu.
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    QMenu* popupMenu() const { return m_popupMenu; }

    // The CSS injected into the next page for the current options.
    std::string effectiveStyleSheet() const;
    // Applies the options to the page shown now as well (its style sheet only).
    void restyleNow();

protected:
    void beforeNavigate() override;

private:
    void showContextMenu(const QPoint& position);

    QPointer<QMenu> m_popupMenu;
};

} // namespace tilvane
