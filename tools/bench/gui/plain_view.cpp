#include "plain_view.h"

#include "gui_wait.h"

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <stdexcept>

namespace tilvane::bench {

PlainView::PlainView(int width, int height)
    : m_view(std::make_unique<QWebEngineView>())
{
    // Off the record, like the reader's profile, so that nothing is kept on disk.
    auto* profile = new QWebEngineProfile(m_view.get());
    m_view->setPage(new QWebEnginePage(profile, m_view.get()));
    m_view->resize(width, height);
    m_view->show();
}

PlainView::~PlainView() = default;

void PlainView::show(const QString& pageFile, int sura, int aya)
{
    bool finished = false;
    bool ok = false;
    const auto connection = QObject::connect(m_view.get(), &QWebEngineView::loadFinished, [&](bool success) {
        finished = true;
        ok = success;
    });
    m_view->load(QUrl::fromLocalFile(pageFile));
    waitUntil([&] { return finished; }, "the plain view's page");
    QObject::disconnect(connection);
    if (!ok)
        throw std::runtime_error("the plain view cannot load " + pageFile.toStdString());
    focus(sura, aya);
}

QWidget* PlainView::widget() const
{
    return m_view.get();
}

void PlainView::focus(int sura, int aya)
{
    const QVariant done = evaluate(m_view->page(), QStringLiteral("focusOnAya(%1, %2)").arg(sura).arg(aya));
    if (!done.toBool())
        throw std::runtime_error("focusOnAya failed in the plain view");
}

} // namespace tilvane::bench
