#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QWebEngineView;

namespace tilvane {

// Tells when the page last asked for is loaded, and only then. The engine may report one
// end for two overlapping loads, sometimes while the view still names the first URL, and it
// names a URL in normal form ("a/../b" as "b"). So at every end of a load the document
// itself is asked which URL it holds and whether it is complete, and the answer is compared
// in normal form.
class PageLoadWatch : public QObject {
    Q_OBJECT
public:
    PageLoadWatch(QWebEngineView* view, QObject* parent);

    // The page now asked for; a load of any other page no longer counts.
    void expect(const QUrl& url);

signals:
    void documentComplete();

private:
    void loadEnded();
    void askDocument();
    void documentAnswered(quint64 request, const QUrl& shown, bool complete);

    QPointer<QWebEngineView> m_view;
    QUrl m_expected;
    quint64 m_request = 0;
    bool m_complete = false;
    bool m_reloaded = false;
    int m_asks = 0;
    QTimer m_asking;
};

} // namespace tilvane
