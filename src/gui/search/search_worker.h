#pragma once

#include "core/search/search_index.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>

namespace tilvane {

// Runs the index on a thread of its own, so that typing never waits for a query or for the
// first indexing. Only the newest request counts: an older one still running is stopped,
// one still waiting is skipped, and answers are tagged with the request they answer.
class SearchWorker : public QObject {
    Q_OBJECT
public:
    explicit SearchWorker(QObject* parent = nullptr);
    ~SearchWorker() override;

    // Opens the index and brings it up to date with these sources (once is enough; later
    // calls check the stamps again). A build still running in the background is stopped
    // first: from then on the user waits for it.
    void prepare(std::vector<SearchSource> sources);
    // Brings the index up to date on a thread of its own at idle priority, so that the pages
    // shown meanwhile never wait for it and a later prepare() finds little to do.
    void buildInBackground(std::vector<SearchSource> sources);
    // Starts a query; returns its request number.
    quint64 search(const std::string& query, SearchOptions options);

signals:
    // ready is false when the index cannot be used at all; problems name what was left out.
    void prepared(bool ready, const QString& problems);
    void searched(quint64 request, std::shared_ptr<const SearchResults> results);
    // queryProblem: the query itself cannot be asked (the message says how to mend it).
    void failed(quint64 request, const QString& message, bool queryProblem);

private:
    void runSearch(quint64 request, const std::string& query, SearchOptions options);

    QThread m_thread;
    QObject* m_context = nullptr; // lives on m_thread: what runs there is queued to it
    std::unique_ptr<SearchIndex> m_index;
    std::atomic<quint64> m_newest{0};
    std::atomic<bool> m_closing{false};
    QThread* m_background = nullptr;
    std::atomic<bool> m_stopBackground{false};
};

} // namespace tilvane
