// Loading the selected packages' text files for a page, and reporting the files that fail.
#include "core/quran/translations.h"

#include "core/app/errors.h"
#include "core/app/paths.h"

#include <filesystem>
#include <set>

namespace tilvane {

namespace {

std::vector<std::string> g_problems;
std::set<std::string> g_reportedFiles; // each file is reported once per run

void reportOnce(const std::string& file, const std::string& message)
{
    if (g_reportedFiles.insert(file).second)
        g_problems.push_back(message);
}

// A package names its files relative to its own folder; anything else (an absolute name, a
// path through other folders, "..") could read files the user never installed.
bool liesInPackageFolder(const TTranslation& entry, const std::string& file)
{
    const std::string prefix = entry.PackageFolder + kPathSeparator;
    if (entry.PackageFolder.empty() || file.compare(0, prefix.size(), prefix) != 0)
        return false;
    const std::string name = file.substr(prefix.size());
    return !name.empty() && name != "." && name != ".." && name.find(kPathSeparator) == std::string::npos;
}

LineList loadPackageFile(const TTranslation& entry, const std::string& file)
{
    if (!liesInPackageFolder(entry, file)) {
        reportOnce(file, "The translation \"" + entry.FullName + "\" names the file \"" + file
                             + "\" outside its package folder; it is shown without text.");
        return {};
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) {
        try {
            return LineList::loadFromFile(file);
        } catch (const FileOpenError&) {
        }
    }
    reportOnce(file, "The translation \"" + entry.FullName + "\" cannot be read: the file \"" + file
                         + "\" is missing or cannot be opened; it is shown without text.");
    return {};
}

} // namespace

void LoadActiveTranslations()
{
    TransSuraLists.assign(TransSlots.size(), LineList{});
    TransAyaLists.assign(TransSlots.size(), LineList{});
    for (const TActiveTranslation& active : activeTranslationIndexes()) {
        if (active.catalogueIndex < kFirstPackage)
            continue;
        const TTranslation& entry = Translations[static_cast<std::size_t>(active.catalogueIndex)];
        const auto slot = static_cast<std::size_t>(active.slot);
        TransSuraLists[slot] = loadPackageFile(entry, entry.SuraNameFile);
        TransAyaLists[slot] = loadPackageFile(entry, entry.AyaNameFile);
    }
}

std::vector<std::string> takeTranslationProblems()
{
    std::vector<std::string> problems;
    problems.swap(g_problems);
    return problems;
}

} // namespace tilvane
