#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <string>

class QUrl;
class QWebEngineSettings;

namespace tilvane {

// Translation packages put HTML into the pages, and their scripts run beside the reader's
// own. Whatever such a script does, nothing leaves the machine and no file outside the
// working root is read. These are the engine-wide parts, fixed before the engine starts:
// WebRTC sends no UDP (STUN, TURN) as it may only use a proxy, no local addresses are
// announced over multicast DNS, and no host name or address resolves, so no socket of the
// network stack opens: measured, TURN over TCP still connects straight to its server under
// the proxy-only rule without this, as would a WebSocket or a preconnect. Appended to
// QTWEBENGINE_CHROMIUM_FLAGS, which the engine reads in place of the program's arguments
// when it is set.
void setUpPageIsolationBeforeApplication();

// Whether a page may load url: only files below the working root, the folder that holds
// the pages and their scripts and stylesheets.
bool isPageResource(const QUrl& url, const std::string& workingRoot);

// The per-page settings that keep a page to itself.
void isolatePageSettings(QWebEngineSettings& settings);

// Blocks every request a page makes for something other than a file below the working
// root (AppDirs.TempDir, read at each request).
class PageRequestFilter : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

} // namespace tilvane
