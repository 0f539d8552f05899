#include "gui/search/search_worker.h"

#include "core/app/app_dirs.h"
#include "core/base/sqlite_db.h"
#include "gui/app/qt_text.h"

namespace tilvane {

SearchWorker::SearchWorker(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<std::shared_ptr<const SearchResults>>();
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.setObjectName("search");
    m_thread.start();
}

SearchWorker::~SearchWorker()
{
    // Stops a query or an indexing that is running: the window closes without waiting for it.
    m_closing = true;
    m_newest = ~quint64{0};
    m_thread.quit();
    m_thread.wait();
    if (m_background != nullptr) {
        m_background->wait();
        delete m_background;
    }
    // The index belongs to the thread's work; with the thread gone it closes here.
    m_index.reset();
}

void SearchWorker::buildInBackground(std::vector<SearchSource> sources)
{
    if (m_background != nullptr)
        return;
    m_background = QThread::create([this, sources = std::move(sources)]() mutable {
        try {
            SearchIndex(searchIndexPath(AppDirs.AppDir)).update(std::move(sources), [this] {
                return m_stopBackground.load() || m_closing.load();
            });
        } catch (const std::exception&) {
            // prepare() tries again and tells the user what fails.
        }
    });
    m_background->setObjectName("search-index");
    m_background->start(QThread::IdlePriority);
}

void SearchWorker::prepare(std::vector<SearchSource> sources)
{
    QMetaObject::invokeMethod(m_context, [this, sources = std::move(sources)]() mutable {
        if (m_background != nullptr) {
            m_stopBackground = true;
            m_background->wait();
        }
        QString problems;
        bool ready = true;
        try {
            if (!m_index)
                m_index = std::make_unique<SearchIndex>(searchIndexPath(AppDirs.AppDir));
            m_index->update(std::move(sources), [this] { return m_closing.load(); });
            for (const std::string& problem : m_index->takeProblems())
                problems += toQString(problem) + '\n';
        } catch (const std::exception& error) {
            m_index.reset();
            ready = false;
            problems = toQString(error.what());
        }
        emit prepared(ready, problems.trimmed());
    });
}

quint64 SearchWorker::search(const std::string& query, SearchOptions options)
{
    const quint64 request = ++m_newest;
    QMetaObject::invokeMethod(m_context, [this, request, query, options = std::move(options)]() mutable {
        runSearch(request, query, std::move(options));
    });
    return request;
}

void SearchWorker::runSearch(quint64 request, const std::string& query, SearchOptions options)
{
    if (request != m_newest)
        return;
    if (!m_index) {
        emit failed(request, tr("The search index is not available."), false);
        return;
    }
    options.cancelled = [this, request] { return request != m_newest; };
    try {
        auto results = std::make_shared<const SearchResults>(m_index->find(query, options));
        emit searched(request, results);
    } catch (const SearchQueryError& error) {
        emit failed(request, toQString(error.what()), true);
    } catch (const SqliteError& error) {
        if (!error.interrupted())
            emit failed(request, toQString(error.what()), false);
    } catch (const std::exception& error) {
        emit failed(request, toQString(error.what()), false);
    }
}

} // namespace tilvane
