#pragma once

#include <QWebEnginePage>

class QWebEngineProfile;

namespace tilvane {

// The reader shows only the pages it wrote itself: one off-the-record profile that loads
// nothing but the files below the working root (page_isolation.h), so no page reaches the
// network or reads the user's files.
QWebEngineProfile* localOnlyProfile();

// A page that goes only where the program sends it and opens no new windows.
class LocalWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit LocalWebPage(QObject* parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
};

} // namespace tilvane
