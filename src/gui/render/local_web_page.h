#pragma once

#include <QWebEnginePage>

class QWebEngineProfile;

namespace tilvane {

// The reader shows only the pages it wrote itself: one off-the-record profile whose every
// request with a scheme other than file is blocked, so no page can reach the network.
QWebEngineProfile* localOnlyProfile();

// A page that refuses to navigate anywhere but local files and opens no new windows.
class TLocalWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit TLocalWebPage(QObject* parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
};

} // namespace tilvane
