#include "reference_letters.h"

#include "core/base/errors.h"
#include "core/quran/sura_table.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tilvane::accuracy {

namespace {

constexpr const char* kRelativeFile = "shared/reference/tajweed/tajweed_letters.tsv";

int globalAyaOf(const std::string& suraAya)
{
    const std::size_t colon = suraAya.find(':');
    if (colon == std::string::npos)
        return 0;
    try {
        return globalAyaIndex(std::stoi(suraAya.substr(0, colon)), std::stoi(suraAya.substr(colon + 1)));
    } catch (const std::exception&) {
        return 0;
    }
}

} // namespace

std::optional<std::string> findReferenceFile()
{
    if (const char* set = std::getenv("TILVANE_TAJWEED_REFERENCE"); set != nullptr && *set != '\0')
        return std::filesystem::is_regular_file(set) ? std::optional<std::string>(set) : std::nullopt;
    std::error_code error;
    for (std::filesystem::path dir = std::filesystem::weakly_canonical(TILVANE_SOURCE_DIR, error);
         !dir.empty(); dir = dir.parent_path()) {
        const std::filesystem::path candidate = dir / kRelativeFile;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.string();
        if (dir == dir.root_path())
            break;
    }
    return std::nullopt;
}

ReferenceLetters readReferenceLetters(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw TilvaneError("Unable to read " + path);
    ReferenceLetters reference;
    std::string line;
    std::getline(in, line); // heading
    for (int number = 2; std::getline(in, line); ++number) {
        std::istringstream fields(line);
        std::string suraAya, rule;
        long letter = -1;
        fields >> suraAya >> letter >> rule;
        const int aya = globalAyaOf(suraAya);
        const std::optional<TajweedRule> known = tajweedRuleFromName(rule);
        if (aya == 0 || letter < 0 || !known)
            throw TilvaneError(path + ", line " + std::to_string(number) + ": not a sura:aya, letter and rule");
        reference.emplace(aya, static_cast<std::uint32_t>(letter), *known);
    }
    return reference;
}

} // namespace tilvane::accuracy
