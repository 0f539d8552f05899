#include "core/quran/translation_files.h"
#include "core/quran/translations.h"

#include "core/base/ascii_case.h"

#include "core/app/app_dirs.h"
#include "core/base/ini_file.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/quran/short_string.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <filesystem>
#include <map>

namespace tilvane {

std::vector<TTranslation> Translations;
std::vector<TTransSlot> TransSlots;
int ActiveTransCount = 0;
std::vector<LineList> TransSuraLists;
std::vector<LineFile> TransAyaLists;

namespace {

constexpr const char* kSlotsSection = "translations";
constexpr const char* kInitSection = "translation";
constexpr const char* kInitFileName = "_transinit.ini";
const std::string kUnknown = "[Unknown]";
// Far more than translations exist; a file naming more slots was not written by this program.
constexpr std::size_t kMaxTransSlots = 10000;

std::string slotNameKey(std::size_t i)
{
    return "trl_" + ZeroPad(static_cast<int>(i), 2);
}

std::string slotActiveKey(std::size_t i)
{
    return slotNameKey(i) + "Acive";
}

TTranslation builtInLatin()
{
    TTranslation entry;
    entry.TransName = "Indonesian_Latin";
    entry.FullName = "Indonesian - Arabic Latin (Built-in)";
    entry.Language = "Indonesian";
    entry.IsArabicLatin = true;
    entry.SuraNameFile = "[]";
    entry.AyaNameFile = "[]";
    entry.Translator = "[]";
    entry.Author = "[Unknown]";
    entry.Copyright = "[Unknown]";
    return entry;
}

TTranslation builtInFootnote()
{
    TTranslation entry;
    entry.TransName = "Indonesian_Footnote";
    entry.FullName = "Indonesian - Full with Footnote (Built-in)";
    entry.Language = "Indonesian";
    entry.IsArabicLatin = false;
    entry.SuraNameFile = "[]";
    entry.AyaNameFile = "[]";
    entry.Translator = "[DEPAG RI]";
    entry.Author = "[DEPAG RI]";
    entry.Copyright = "[Unknown]";
    return entry;
}

// The package folders below TransDir and the user's UserTransDir, sorted by name without
// regard to case (names that differ only in case keep a fixed order). A user's package
// replaces a shipped one of the same folder name, so a newer copy can be installed.
std::vector<std::string> packageFolders()
{
    std::map<std::string, std::string> byName;
    for (const std::string* root : {&AppDirs.TransDir, &AppDirs.UserTransDir}) {
        if (root->empty())
            continue;
        std::error_code error;
        for (std::filesystem::directory_iterator it(*root, error), end; !error && it != end; it.increment(error)) {
            std::error_code typeError;
            if (it->is_directory(typeError))
                byName[it->path().filename().string()] = *root + it->path().filename().string();
        }
    }
    std::vector<std::pair<std::string, std::string>> named(byName.begin(), byName.end());
    std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) {
        const std::string lowerA = asciiLowered(a.first);
        const std::string lowerB = asciiLowered(b.first);
        return lowerA != lowerB ? lowerA < lowerB : a.first < b.first;
    });
    std::vector<std::string> folders;
    for (auto& entry : named)
        folders.push_back(std::move(entry.second));
    return folders;
}

// One more than the highest slot number any "trl_" key of the section names ("trl_07" and
// "trl_07Acive" name slot 7); 0 when none does.
std::size_t namedSlotCount(const IniFile& ini)
{
    constexpr std::string_view kPrefix = "trl_";
    std::size_t count = 0;
    for (const std::string& key : ini.keys(kSlotsSection)) {
        const std::string_view prefix = std::string_view(key).substr(0, kPrefix.size());
        if (key.size() <= kPrefix.size() || !equalsIgnoringAsciiCase(prefix, kPrefix))
            continue;
        std::size_t slot = 0;
        const char* last = key.data() + key.size();
        const auto [end, error] = std::from_chars(key.data() + kPrefix.size(), last, slot);
        const std::string_view rest(end, static_cast<std::size_t>(last - end));
        if (error == std::errc() && (rest.empty() || equalsIgnoringAsciiCase(rest, "acive")))
            count = std::max(count, std::min(slot, kMaxTransSlots) + 1);
    }
    return count;
}

void readTransSlots()
{
    const IniFile ini = IniFile::load(IniFileName);
    // Slots past the last one the file names would be empty and inactive, which is what no
    // slot means: a hand-edited Count or key number (up to 2147483647) must not make millions.
    const auto stored = static_cast<std::size_t>(std::max(0, ini.readInteger(kSlotsSection, "Count", 0)));
    const std::size_t count = std::min({stored, namedSlotCount(ini), kMaxTransSlots});
    TransSlots.assign(count, TTransSlot{});
    ActiveTransCount = 0;
    for (std::size_t i = 0; i < TransSlots.size(); ++i) {
        TTransSlot& slot = TransSlots[i];
        slot.Index = static_cast<int>(i);
        slot.TransName = shortString(ini.readString(kSlotsSection, slotNameKey(i), ""), kCatalogueTextLength);
        slot.Active = ini.readBool(kSlotsSection, slotActiveKey(i), false);
        if (slot.Active)
            ++ActiveTransCount;
    }
}

// FindTranslation finds the first of entries sharing a TransName: the later ones can never be
// shown, and the user is told which folders to look at.
void reportSharedNames()
{
    for (std::size_t i = kFirstPackage; i < Translations.size(); ++i) {
        const TTranslation& later = Translations[i];
        for (std::size_t j = 0; j < i; ++j) {
            const TTranslation& first = Translations[j];
            if (first.TransName != later.TransName)
                continue;
            const std::string firstPlace = first.PackageFolder.empty() ? "built into Tilvane" : "in \"" + first.PackageFolder + "\"";
            reportTranslationProblem("name:" + later.PackageFolder,
                                     "The translations " + firstPlace + " and in \"" + later.PackageFolder
                                         + "\" are both named \"" + later.TransName
                                         + "\"; only the first can be shown. Rename one in its _transinit.ini.");
            break;
        }
    }
}

int findBy(std::string TTranslation::*field, const std::string& name)
{
    const auto found = std::find_if(Translations.begin(), Translations.end(),
                                    [&](const TTranslation& entry) { return entry.*field == name; });
    return found == Translations.end() ? -1 : static_cast<int>(found - Translations.begin());
}

} // namespace

void LoadTranslationCatalogue()
{
    readTransSlots();
    const std::vector<std::string> folders = packageFolders();
    Translations.assign(kFirstPackage + folders.size(), TTranslation{});
    Translations[kBuiltInLatin] = builtInLatin();
    Translations[kBuiltInFootnote] = builtInFootnote();
    for (std::size_t i = 0; i < folders.size(); ++i)
        ReadTransInit(Translations[kFirstPackage + i], folders[i]);
    reportSharedNames();
}

void SaveTranslationSlots()
{
    IniFile ini = loadSettingsFileForUpdate();
    ini.writeInteger(kSlotsSection, "Count", static_cast<int>(TransSlots.size()));
    for (std::size_t i = 0; i < TransSlots.size(); ++i) {
        ini.writeString(kSlotsSection, slotNameKey(i), TransSlots[i].TransName);
        ini.writeBool(kSlotsSection, slotActiveKey(i), TransSlots[i].Active);
    }
    ini.save(IniFileName);
}

void ReadTransInit(TTranslation& entry, const std::string& folder)
{
    std::string packageFolder = folder;
    while (packageFolder.size() > 1 && packageFolder.back() == kPathSeparator)
        packageFolder.pop_back();
    const std::string initFile = packageFolder + kPathSeparator + kInitFileName;
    std::optional<IniFile> read = IniFile::loadIfReadable(initFile);
    if (!read)
        reportTranslationProblem(initFile, "The translation package \"" + packageFolder + "\" cannot be read: its file \""
                                               + initFile + "\" is not a readable file of sensible size.");
    const IniFile ini = read ? std::move(*read) : IniFile{};
    const auto text = [&ini](const char* key) {
        return shortString(ini.readString(kInitSection, key, kUnknown), kCatalogueTextLength);
    };
    const auto file = [&ini, &packageFolder](const char* key) {
        return packageFolder + kPathSeparator + ini.readString(kInitSection, key, kUnknown);
    };
    entry.TransName = text("TransName");
    entry.FullName = text("FullName");
    entry.Language = text("Language");
    entry.IsArabicLatin = ini.readBool(kInitSection, "IsArabicLatin", false);
    entry.SuraNameFile = file("SuraNameFile");
    entry.AyaNameFile = file("AyaNameFile");
    entry.Translator = text("Translator");
    entry.Author = text("Author");
    entry.Copyright = text("Copyright");
    entry.ListIndex = -1;
    entry.PackageFolder = packageFolder;
}

int FindTranslation(const std::string& name)
{
    return findBy(&TTranslation::TransName, name);
}

int FindTranslationByFullName(const std::string& name)
{
    return findBy(&TTranslation::FullName, name);
}

std::vector<ActiveTranslation> activeTranslationIndexes()
{
    std::vector<ActiveTranslation> active;
    for (std::size_t k = 0; k < TransSlots.size(); ++k) {
        if (!TransSlots[k].Active)
            continue;
        const int index = FindTranslation(TransSlots[k].TransName);
        if (index >= 0)
            active.push_back(ActiveTranslation{static_cast<int>(k), index});
    }
    return active;
}

} // namespace tilvane
