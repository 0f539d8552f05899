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

QString normalForm(const QUrl& url)
{
    if (url.isLocalFile())
        return QDir::cleanPath(url.toLocalFile());
    return url.adjusted(QUrl::NormalizePathSegments).toString(QUrl::FullyEncoded);
}

} // namespace

TPageLoadWatch::TPageLoadWatch(QWebEngineView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
    connect(view, &QWebEngineView::loadFinished, this, &TPageLoadWatch::loadEnded);
}

void TPageLoadWatch::expect(const QUrl& url)
{
    m_expected = url;
    ++m_request;
    m_complete = false;
    m_asked = false;
}

bool TPageLoadWatch::sameDocument(const QUrl& a, const QUrl& b)
{
    return a.isValid() && b.isValid() && normalForm(a) == normalForm(b);
}

void TPageLoadWatch::loadEnded()
{
    if (!m_view || m_complete || !m_expected.isValid())
        return;
    const quint64 request = m_request;
    QPointer<TPageLoadWatch> self(this);
    m_view->page()->runJavaScript(QString::fromLatin1(kDocumentQuery), QWebEngineScript::ApplicationWorld,
                                  [self, request](const QVariant& answer) {
                                      const QVariantList parts = answer.toList();
                                      if (self && parts.size() == 2)
                                          self->documentAnswered(request, QUrl(parts[0].toString()), parts[1].toBool());
                                  });
}

void TPageLoadWatch::documentAnswered(quint64 request, const QUrl& shown, bool complete)
{
    if (request != m_request || m_complete || !m_view)
        return;
    if (sameDocument(shown, m_expected)) {
        if (complete) {
            m_complete = true;
            emit documentComplete();
        }
        return;
    }
    // The engine is idle on another document: the request was lost among overlapping loads.
    if (!m_view->page()->isLoading() && !m_asked) {
        m_asked = true;
        m_view->load(m_expected);
    }
}

} // namespace tilvane
