#include "gui/render/page_load_watch.h"

#include <QDir>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace tilvane {

namespace {

// Asked in the reader's own script world, where no page script can change the answer.
constexpr char kDocumentQuery[] = "[document.URL, document.readyState === 'complete']";
constexpr int kAskIntervalMs = 20;
constexpr int kAsksBeforeReload = 250; // about five seconds

QString normalForm(const QUrl& url)
{
    if (url.isLocalFile())
        return QDir::cleanPath(url.toLocalFile());
    return url.adjusted(QUrl::NormalizePathSegments).toString(QUrl::FullyEncoded);
}

// The same document, whatever the spelling of the two URLs.
bool sameDocument(const QUrl& a, const QUrl& b)
{
    return a.isValid() && b.isValid() && normalForm(a) == normalForm(b);
}

} // namespace

PageLoadWatch::PageLoadWatch(QWebEngineView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
    m_asking.setInterval(kAskIntervalMs);
    connect(&m_asking, &QTimer::timeout, this, &PageLoadWatch::askDocument);
    connect(view, &QWebEngineView::loadFinished, this, &PageLoadWatch::loadEnded);
}

void PageLoadWatch::expect(const QUrl& url)
{
    m_expected = url;
    ++m_request;
    m_complete = false;
    m_reloaded = false;
    m_asks = 0;
    m_asking.stop();
}

// Measured: a second load asked for while the first is ending is carried out without any
// report of its own. So from the end of a load on, the document is asked until it is the
// one asked for; the engine may also drop an answer when the document goes, hence a timer
// rather than a chain of answers.
void PageLoadWatch::loadEnded()
{
    if (!m_view || m_complete || !m_expected.isValid())
        return;
    askDocument();
    m_asking.start();
}

void PageLoadWatch::askDocument()
{
    if (!m_view || m_complete) {
        m_asking.stop();
        return;
    }
    // A request the engine has not carried out after a while is made once more.
    if (++m_asks > kAsksBeforeReload) {
        m_asking.stop();
        if (!m_reloaded) {
            m_reloaded = true;
            m_asks = 0;
            m_view->load(m_expected);
        }
        return;
    }
    const quint64 request = m_request;
    QPointer<PageLoadWatch> self(this);
    m_view->page()->runJavaScript(QString::fromLatin1(kDocumentQuery), QWebEngineScript::ApplicationWorld,
                                  [self, request](const QVariant& answer) {
                                      const QVariantList parts = answer.toList();
                                      if (self)
                                          self->documentAnswered(request, QUrl(parts.value(0).toString()),
                                                                 parts.value(1).toBool());
                                  });
}

void PageLoadWatch::documentAnswered(quint64 request, const QUrl& shown, bool complete)
{
    if (request != m_request || m_complete || !complete || !sameDocument(shown, m_expected))
        return;
    m_complete = true;
    m_asking.stop();
    emit documentComplete();
}

} // namespace tilvane
