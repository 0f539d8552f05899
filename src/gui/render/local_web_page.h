#pragma once

#include <QWebEnginePage>

#include <memory>

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

    // Expires as the page starts to go, before the engine cancels the scripts still running
    // in it by answering them empty: such answers can be told from real ones.
    std::weak_ptr<const bool> lifetime() const { return m_alive; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    // A member goes before the base class's destructor runs.
    std::shared_ptr<const bool> m_alive = std::make_shared<const bool>(true);
};

} // namespace tilvane
