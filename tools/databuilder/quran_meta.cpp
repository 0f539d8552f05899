#include "quran_meta.h"

#include "build_error.h"

#include <cctype>

namespace databuilder {

namespace {

// The numbers of `export const <name>: AyahId[] = [ ... ]`: digits, commas and blanks only.
std::vector<int> numberList(const std::string& source, const std::string& name,
                            const std::string& file)
{
    const std::string declaration = "export const " + name + ":";
    const std::size_t at = source.find(declaration);
    // After the type (AyahId[]), the value: "= [".
    std::size_t open = at == std::string::npos ? at : source.find('=', at + declaration.size());
    open = open == std::string::npos ? open : source.find_first_not_of(" \t\r\n", open + 1);
    if (open != std::string::npos && source[open] != '[')
        open = std::string::npos;
    const std::size_t close = open == std::string::npos ? open : source.find(']', open);
    if (close == std::string::npos)
        throw BuildError(file + ": no list " + name);
    std::vector<int> numbers;
    std::string digits;
    for (std::size_t i = open + 1; i <= close; ++i) {
        const char c = source[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits += c;
            continue;
        }
        if (c != ',' && c != ']' && !std::isspace(static_cast<unsigned char>(c)))
            throw BuildError(file + ": " + name + " holds something other than numbers");
        if (!digits.empty())
            numbers.push_back(std::stoi(digits));
        digits.clear();
    }
    return numbers;
}

// quran-meta frames the start lists with 0 in front and 6237 (one past the end) behind.
std::vector<int> starts(const std::string& source, const std::string& name,
                        const std::string& file, std::size_t count)
{
    std::vector<int> list = numberList(source, name, file);
    if (list.size() != count + 2 || list.front() != 0 || list.back() != kAyaCount + 1
        || list[1] != 1)
        throw BuildError(file + ": " + name + " is not " + std::to_string(count)
                         + " starts from aya 1 framed by 0 and " + std::to_string(kAyaCount + 1));
    return {list.begin() + 1, list.end() - 1};
}

void requireAscending(const std::vector<int>& list, const std::string& what)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] < 1 || list[i] > kAyaCount || (i > 0 && list[i] <= list[i - 1]))
            throw BuildError(what + " is not in ascending order within the text");
    }
}

} // namespace

QuranMeta loadQuranMeta(const std::filesystem::path& nodeModules)
{
    const std::filesystem::path path = nodeModules / "quran-meta/src/lists/HafsLists.ts";
    const std::string file = path.string();
    const std::string source = readBinaryFile(path);
    QuranMeta meta;
    meta.juzStarts = starts(source, "JuzList", file, kJuzCount);
    meta.quarterStarts = starts(source, "HizbQuarterList", file, kHizbQuarterCount);
    meta.pageStarts = starts(source, "PageList", file, kPageCount);
    meta.sajdaAyat = numberList(source, "SajdaList", file);
    if (meta.sajdaAyat.size() != kSajdaCount)
        throw BuildError(file + ": SajdaList does not hold " + std::to_string(kSajdaCount) + " ayat");
    for (const auto* list : {&meta.juzStarts, &meta.quarterStarts, &meta.pageStarts, &meta.sajdaAyat})
        requireAscending(*list, file + " list");
    return meta;
}

AyaPosition positionOfAya(const std::vector<SuraSource>& suras, int globalAya)
{
    if (globalAya < 1)
        throw BuildError("Aya index " + std::to_string(globalAya) + " lies before the text");
    int remaining = globalAya;
    for (const SuraSource& sura : suras) {
        const int count = static_cast<int>(sura.arabic.size());
        if (remaining <= count)
            return {sura.number, remaining};
        remaining -= count;
    }
    throw BuildError("Aya index " + std::to_string(globalAya) + " lies past the end of the text");
}

} // namespace databuilder
