#include "gui/render/page_isolation.h"

#include "core/app/app_dirs.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <QWebEngineSettings>

namespace tilvane {

namespace {

constexpr char kFlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
constexpr char kDisabledFeatures[] = "--disable-features=";
constexpr char kMdnsFeature[] = "WebRtcHideLocalIpsWithMdns";

// The user's own flags stay; a second --disable-features would replace the user's list, so
// the feature joins that list when there is one.
QString isolatedEngineFlags(QString flags)
{
    const QRegularExpression userFeatures(QStringLiteral("(^|\\s)%1").arg(kDisabledFeatures));
    const QRegularExpressionMatch match = userFeatures.match(flags);
    if (match.hasMatch())
        flags.insert(match.capturedEnd(), QStringLiteral("%1,").arg(kMdnsFeature));
    else
        flags += QStringLiteral(" %1%2").arg(kDisabledFeatures, kMdnsFeature);
    flags += QStringLiteral(" --force-webrtc-ip-handling-policy=disable_non_proxied_udp"
                            " \"--host-resolver-rules=MAP * ~NOTFOUND\"");
    return flags.trimmed();
}

} // namespace

void setUpPageIsolationBeforeApplication()
{
    qputenv(kFlagsVariable, isolatedEngineFlags(qEnvironmentVariable(kFlagsVariable)).toLocal8Bit());
}

bool isPageResource(const QUrl& url, const std::string& workingRoot)
{
    if (!url.isLocalFile() || workingRoot.empty())
        return false;
    const QString root = QDir::cleanPath(QString::fromStdString(workingRoot)) + QLatin1Char('/');
    return QDir::cleanPath(url.toLocalFile()).startsWith(root);
}

void isolatePageSettings(QWebEngineSettings& settings)
{
    // LocalContentCanAccessFileUrls stays on: off, this engine refuses a page even its own
    // scripts and stylesheets. The request filter keeps file reads inside the working root.
    settings.setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings.setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    settings.setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    settings.setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    settings.setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings.setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings.setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    settings.setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    settings.setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings.setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
}

void PageRequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (!isPageResource(info.requestUrl(), AppDirs.TempDir))
        info.block(true);
}

} // namespace tilvane
