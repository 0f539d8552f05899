#pragma once

#include "core/audio/file_transfer.h"
#include "core/quran/quran_pos.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tilvane {

struct InstallProgress {
    int done = 0;  // files settled: installed, found complete, failed or absent
    int total = 0; // every chosen aya and the formula recordings
    int failed = 0;
    std::int64_t bytes = 0; // bytes fetched in this run
};

struct InstallSummary {
    int installed = 0; // fetched in this run
    int present = 0;   // complete from an earlier run, not fetched again
    // One line per aya file that is not installed: "002255.mp3: HTTP 404 Not Found".
    std::vector<std::string> failures;
    bool cancelled = false;
    // Every chosen aya is in place.
    bool complete() const { return failures.empty() && !cancelled; }
};

// Installs a reciter's per-aya files into AudioDir + NAME in the player's layout. It decides
// what to fetch and checks what arrives; the transfer only moves bytes. A file arrives under
// a temporary name and gets its final name only once it is a complete MP3, so a killed run
// never leaves a truncated file that a later run would take for complete; such a later run
// fetches only what is missing. The formula recordings are taken when the source has them.
class ReciterInstaller {
public:
    using ProgressHandler = std::function<void(const InstallProgress&)>;
    using FinishedHandler = std::function<void(const InstallSummary&)>;

    // Throws TilvaneError for a name that is not one folder name or a reciter folder that is
    // a link.
    ReciterInstaller(const std::string& name, const std::vector<TQuranPos>& ayat);

    // At most `count` fetches run at once.
    void setConcurrency(int count);
    // The run does not start, and stops, when the recitation folder's disk has less free;
    // the summary then says the disk is full.
    void setMinimumFreeSpace(std::uint64_t bytes) { m_minFreeBytes = bytes; }
    // A failure the source reported before any file moved (an archive that did not unpack
    // cleanly); it is counted among the failures of the summary.
    void addSourceFailure(const std::string& message);

    // Fetches what is missing through transfer (which must outlive the run) and writes the
    // reciter's description at the end. finished is called once, also after a cancel.
    void start(IFileTransfer& transfer, ProgressHandler progress, FinishedHandler finished);
    // Stops at once: nothing more is started, fetches under way are dropped with their
    // temporary files, everything complete stays installed.
    void cancel();

    const std::string& folder() const { return m_folder; }
    const InstallProgress& progress() const { return m_progress; }
    bool running() const { return m_started && !m_finished; }

private:
    struct Item {
        std::string sourceName;   // "002255.mp3"
        std::string relativePath; // "002/002255.mp3"
        bool required = true;     // an aya; formula recordings are taken when present
    };

    void planItems(const std::vector<TQuranPos>& ayat);
    void pump();
    void onFetched(std::size_t index, const TransferResult& result);
    void settle(const Item& item, const TransferResult& result);
    // Empty when the item's folder is a real folder (made if missing) and nothing but a
    // regular file stands at its temporary name; else why nothing may be written there.
    std::string prepareFolder(const Item& item) const;
    bool isInstalled(const Item& item) const;
    void removePart(const Item& item) const;
    bool diskIsFull() const;
    void stopForFullDisk();
    void finish();
    std::string partPath(const Item& item) const;
    std::string finalPath(const Item& item) const;

    std::string m_folder;
    std::vector<Item> m_items;
    std::vector<std::size_t> m_toFetch;
    std::vector<std::size_t> m_inFlight;
    std::size_t m_next = 0;
    int m_concurrency = 4;
    std::uint64_t m_minFreeBytes = 0;
    IFileTransfer* m_transfer = nullptr;
    ProgressHandler m_onProgress;
    FinishedHandler m_onFinished;
    InstallProgress m_progress;
    InstallSummary m_summary;
    bool m_started = false;
    bool m_finished = false;
    bool m_pumping = false;
};

} // namespace tilvane
