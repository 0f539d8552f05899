// Loading the selected packages' text files for a page, and reporting the files that fail.
#include "core/quran/translation_files.h"

#include "core/base/errors.h"
#include "core/app/paths.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

std::vector<std::string> g_problems;
std::set<std::string> g_reportedFiles; // each file is reported once per run

// What a loaded list was read from. A file replaced or written since (another inode, size or
// modification time) is read again at the next page build.
struct FileStamp {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
using Stamps = std::vector<std::optional<FileStamp>>;

// Parallel to TransSuraLists and TransAyaLists: what each list of the last build was read from.
Stamps g_suraStamps;
Stamps g_ayaStamps;

// A regular file's stamp; nothing for a missing file or anything else.
std::optional<FileStamp> stampOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{path, info.st_dev, info.st_ino, info.st_size,
                     static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// The lists of the last build: a package file unchanged since is taken over instead of read
// again (an aya file is over a megabyte, read at every page build otherwise). Lists nobody
// takes are released with this object.
template <typename Lines>
class PreviousLists {
public:
    PreviousLists(std::vector<Lines>& lists, Stamps& stamps)
        : m_lists(std::move(lists)), m_stamps(std::move(stamps))
    {
        // Lists emptied from outside (the text store freed) no longer match their stamps.
        if (m_stamps.size() != m_lists.size())
            m_stamps.clear();
    }

    std::optional<Lines> take(const FileStamp& stamp)
    {
        for (std::size_t i = 0; i < m_stamps.size(); ++i) {
            if (m_stamps[i] == stamp) {
                m_stamps[i].reset(); // a second slot showing the same file reads its own copy
                return std::move(m_lists[i]);
            }
        }
        return std::nullopt;
    }

private:
    std::vector<Lines> m_lists;
    Stamps m_stamps;
};

void reportOnce(const std::string& file, const std::string& message)
{
    if (g_reportedFiles.insert(file).second)
        g_problems.push_back(message);
}

enum class Placement { Inside, Outside, Missing };

// A package names its files relative to its own folder, subfolders allowed. A name that
// resolves elsewhere (absolute, through "..", or a symbolic link pointing out) could read
// files the user never installed.
Placement placeInPackage(const TTranslation& entry, const std::string& file)
{
    const std::string prefix = entry.PackageFolder + kPathSeparator;
    if (entry.PackageFolder.empty() || file.compare(0, prefix.size(), prefix) != 0)
        return Placement::Outside;
    const fs::path name = file.substr(prefix.size());
    if (name.empty() || name.is_absolute())
        return Placement::Outside;
    for (const fs::path& part : name) {
        if (part == "..")
            return Placement::Outside;
    }
    std::error_code error;
    const fs::path folder = fs::canonical(entry.PackageFolder, error);
    if (error)
        return Placement::Missing;
    const fs::path resolved = fs::canonical(file, error);
    if (error)
        return Placement::Missing;
    const fs::path inside = resolved.lexically_relative(folder);
    const bool within = !inside.empty() && inside != "." && *inside.begin() != "..";
    return within ? Placement::Inside : Placement::Outside;
}

template <typename Lines>
Lines loadPackageFile(const TTranslation& entry, const std::string& file, PreviousLists<Lines>& previous,
                      std::optional<FileStamp>& loadedFrom)
{
    if (placeInPackage(entry, file) == Placement::Outside) {
        reportOnce(file, "The translation \"" + entry.FullName + "\" names the file \"" + file
                             + "\" outside its package folder; it is shown without text.");
        return {};
    }
    // Stamped before reading: a change made during the read is seen by the next build.
    if (std::optional<FileStamp> stamp = stampOf(file)) {
        std::optional<Lines> lines = previous.take(*stamp);
        if (!lines) {
            try {
                lines = Lines::loadFromFile(file);
            } catch (const FileOpenError&) {
            }
        }
        if (lines) {
            loadedFrom = std::move(stamp);
            return std::move(*lines);
        }
    }
    reportOnce(file, "The translation \"" + entry.FullName + "\" cannot be read: the file \"" + file
                         + "\" is missing or cannot be opened; it is shown without text.");
    return {};
}

} // namespace

bool namesFileOutsidePackage(const TTranslation& entry, const std::string& file)
{
    return placeInPackage(entry, file) == Placement::Outside;
}

void LoadActiveTranslations()
{
    PreviousLists previousSura(TransSuraLists, g_suraStamps);
    PreviousLists previousAya(TransAyaLists, g_ayaStamps);
    TransSuraLists.assign(TransSlots.size(), LineList{});
    TransAyaLists.assign(TransSlots.size(), LineFile{});
    g_suraStamps.assign(TransSlots.size(), std::nullopt);
    g_ayaStamps.assign(TransSlots.size(), std::nullopt);
    for (const ActiveTranslation& active : activeTranslationIndexes()) {
        if (active.catalogueIndex < kFirstPackage)
            continue;
        const TTranslation& entry = Translations[static_cast<std::size_t>(active.catalogueIndex)];
        const auto slot = static_cast<std::size_t>(active.slot);
        TransSuraLists[slot] = loadPackageFile(entry, entry.SuraNameFile, previousSura, g_suraStamps[slot]);
        TransAyaLists[slot] = loadPackageFile(entry, entry.AyaNameFile, previousAya, g_ayaStamps[slot]);
    }
}

void reportTranslationProblem(const std::string& key, const std::string& message)
{
    reportOnce(key, message);
}

std::vector<std::string> takeTranslationProblems()
{
    std::vector<std::string> problems;
    problems.swap(g_problems);
    return problems;
}

} // namespace tilvane
