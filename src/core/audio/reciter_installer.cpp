#include "core/audio/reciter_installer.h"

#include "core/base/disk_space.h"
#include "core/base/errors.h"
#include "core/app/paths.h"
#include "core/audio/mp3_check.h"
#include "core/audio/reciter_layout.h"
#include "core/quran/sura_table.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

void removeQuietly(const std::string& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

bool isRealFolder(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isPlainFile(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

ReciterInstaller::ReciterInstaller(const std::string& name, const std::vector<TQuranPos>& ayat)
{
    if (!isValidReciterName(name))
        throw TilvaneError("\"" + name + "\" cannot be a recitation name: use one folder name, not starting with a dot.");
    m_folder = reciterFolder(name);
    std::error_code error;
    if (fs::is_symlink(fs::path(m_folder).parent_path(), error))
        throw TilvaneError("The recitation folder \"" + m_folder + "\" is a link; choose another name.");
    planItems(ayat);
}

void ReciterInstaller::planItems(const std::vector<TQuranPos>& ayat)
{
    for (const TQuranPos& aya : ayat)
        m_items.push_back({ayaFileName(aya.Sura, aya.Aya), ayaRelativePath(aya.Sura, aya.Aya), true});
    for (const std::string& formula : formulaFileNames())
        m_items.push_back({formula, formula, false});
    m_progress.total = static_cast<int>(m_items.size());
    for (std::size_t index = 0; index < m_items.size(); ++index) {
        // Only a complete file ever gets its final name, so what is there is kept.
        if (isInstalled(m_items[index])) {
            ++m_summary.present;
            ++m_progress.done;
        } else {
            m_toFetch.push_back(index);
        }
    }
}

void ReciterInstaller::setConcurrency(int count)
{
    m_concurrency = std::max(1, count);
}

void ReciterInstaller::addSourceFailure(const std::string& message)
{
    m_summary.failures.push_back(message);
}

void ReciterInstaller::start(IFileTransfer& transfer, ProgressHandler progress, FinishedHandler finished)
{
    m_transfer = &transfer;
    m_onProgress = std::move(progress);
    m_onFinished = std::move(finished);
    m_started = true;
    if (m_onProgress)
        m_onProgress(m_progress);
    if (m_next < m_toFetch.size() && diskIsFull())
        stopForFullDisk();
    pump();
}

// Loops rather than recursing: a local transfer completes inside fetch and comes back here.
void ReciterInstaller::pump()
{
    if (m_pumping || m_finished)
        return;
    m_pumping = true;
    while (!m_summary.cancelled && m_next < m_toFetch.size() && static_cast<int>(m_inFlight.size()) < m_concurrency) {
        const std::size_t index = m_toFetch[m_next++];
        const Item& item = m_items[index];
        m_inFlight.push_back(index);
        if (const std::string problem = prepareFolder(item); !problem.empty()) {
            onFetched(index, {TransferResult::Status::Failed, problem, 0});
            continue;
        }
        m_transfer->fetch(item.sourceName, partPath(item),
                          [this, index](const TransferResult& result) { onFetched(index, result); });
    }
    m_pumping = false;
    if (m_inFlight.empty() && m_next >= m_toFetch.size())
        finish();
}

void ReciterInstaller::onFetched(std::size_t index, const TransferResult& result)
{
    const auto found = std::find(m_inFlight.begin(), m_inFlight.end(), index);
    if (found == m_inFlight.end() || m_finished)
        return;
    m_inFlight.erase(found);
    settle(m_items[index], result);
    ++m_progress.done;
    if (m_next < m_toFetch.size() && diskIsFull())
        stopForFullDisk();
    if (m_onProgress)
        m_onProgress(m_progress);
    pump();
}

void ReciterInstaller::settle(const Item& item, const TransferResult& result)
{
    const std::string part = partPath(item);
    std::string problem;
    if (result.status == TransferResult::Status::Done) {
        m_progress.bytes += result.bytes;
        std::error_code error;
        if (!isMp3File(part))
            problem = "not an MP3 file";
        else if (fs::rename(part, finalPath(item), error); error)
            problem = "cannot be saved: " + error.message();
        else
            ++m_summary.installed;
    } else {
        problem = result.error;
    }
    if (problem.empty())
        return;
    removePart(item);
    // The formula recordings are optional: a source without them, or one that answers with
    // an error page for them, still gives a playable recitation.
    const bool absentFormula = !item.required && result.status != TransferResult::Status::Failed;
    if (absentFormula)
        return;
    ++m_progress.failed;
    m_summary.failures.push_back(item.sourceName + ": " + problem);
}

// The sura folders and temporary files are this program's own names: a link planted there
// would carry the recitation, or a write, anywhere.
std::string ReciterInstaller::prepareFolder(const Item& item) const
{
    std::error_code error;
    fs::create_directories(fs::path(m_folder).parent_path().parent_path(), error);
    const std::string suraFolder = fs::path(finalPath(item)).parent_path().string();
    for (const std::string& folder : {fs::path(m_folder).parent_path().string(), suraFolder}) {
        if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
            return "cannot make the folder " + folder + ": " + std::strerror(errno);
        if (!isRealFolder(folder))
            return folder + " is a link or not a folder; nothing is written through it";
    }
    const std::string part = partPath(item);
    struct stat info {};
    if (::lstat(part.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && ::unlink(part.c_str()) != 0)
        return "cannot replace " + part + ": " + std::strerror(errno);
    return {};
}

// Never through a linked folder: the file there is not ours.
void ReciterInstaller::removePart(const Item& item) const
{
    const std::string part = partPath(item);
    if (isRealFolder(fs::path(part).parent_path().string()))
        removeQuietly(part);
}

bool ReciterInstaller::isInstalled(const Item& item) const
{
    const std::string path = finalPath(item);
    return isRealFolder(fs::path(path).parent_path().string()) && isPlainFile(path) && isMp3File(path);
}

bool ReciterInstaller::diskIsFull() const
{
    return m_minFreeBytes > 0 && isBelowFreeSpace(m_folder, m_minFreeBytes);
}

// Nothing more is started and the transfers under way are dropped; what is complete stays.
void ReciterInstaller::stopForFullDisk()
{
    const int left = static_cast<int>(m_toFetch.size() - m_next + m_inFlight.size());
    m_summary.failures.push_back(std::to_string(left) + " files not fetched: " + diskFullText(m_folder, m_minFreeBytes));
    m_progress.failed += left;
    m_progress.done += left;
    m_transfer->cancelAll();
    for (const std::size_t index : m_inFlight)
        removePart(m_items[index]);
    m_inFlight.clear();
    m_next = m_toFetch.size();
}

void ReciterInstaller::cancel()
{
    if (!running())
        return;
    m_summary.cancelled = true;
    m_transfer->cancelAll();
    for (const std::size_t index : m_inFlight)
        removePart(m_items[index]);
    m_inFlight.clear();
    if (!m_pumping)
        finish();
}

void ReciterInstaller::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    const bool anyAya = std::any_of(m_items.begin(), m_items.end(),
                                    [&](const Item& item) { return item.required && isInstalled(item); });
    if (anyAya) {
        try {
            writeReciterDescription(m_folder);
        } catch (const TilvaneError& error) {
            m_summary.failures.push_back(error.what());
        }
    }
    if (m_onFinished)
        m_onFinished(m_summary);
}

std::string ReciterInstaller::partPath(const Item& item) const
{
    return finalPath(item) + ".part";
}

std::string ReciterInstaller::finalPath(const Item& item) const
{
    return m_folder + item.relativePath;
}

} // namespace tilvane
