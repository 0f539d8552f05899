#include "gui/render/page_load_watch.h"

#include <QDir>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace tilvane {

namespace {

// Asked in the reader's own script world, where no page script can change the answer.
constexpr char kDocumentQuery[] = "[document.URL, document.readyState === 'complete']";
constexpr int kAskAgainMs = 20;
constexpr int kAnswersBeforeReload = 250; // about five seconds

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
    m_reloaded = false;
    m_answers = 0;
}

bool TPageLoadWatch::sameDocument(const QUrl& a, const QUrl& b)
{
    return a.isValid() && b.isValid() && normalForm(a) == normalForm(b);
}

void TPageLoadWatch::loadEnded()
{
    if (m_view && !m_complete && m_expected.isValid())
        askDocument(m_request);
}

void TPageLoadWatch::askDocument(quint64 request)
{
    QPointer<TPageLoadWatch> self(this);
    m_view->page()->runJavaScript(QString::fromLatin1(kDocumentQuery), QWebEngineScript::ApplicationWorld,
                                  [self, request](const QVariant& answer) {
                                      const QVariantList parts = answer.toList();
                                      if (self)
                                          self->documentAnswered(request, QUrl(parts.value(0).toString()),
                                                                 parts.value(1).toBool());
                                  });
}

// Measured: a second load asked for while the first is ending is carried out without any
// report of its own, so until the document is the one asked for it is asked again; a
// request the engine has not carried out after a while is made once more.
void TPageLoadWatch::documentAnswered(quint64 request, const QUrl& shown, bool complete)
{
    if (request != m_request || m_complete || !m_view)
        return;
    if (sameDocument(shown, m_expected) && complete) {
        m_complete = true;
        emit documentComplete();
        return;
    }
    if (++m_answers == kAnswersBeforeReload && !m_reloaded) {
        m_reloaded = true;
        m_answers = 0;
        m_view->load(m_expected);
        return;
    }
    if (m_answers < kAnswersBeforeReload)
        QTimer::singleShot(kAskAgainMs, this, [this, request] {
            if (request == m_request && m_view)
                askDocument(request);
        });
}

} // namespace tilvane
