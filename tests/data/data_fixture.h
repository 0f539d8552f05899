#pragma once

#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tilvane::test {

// The default data made by the build, and the npm packages it is made from.
std::filesystem::path builtResDir();
std::filesystem::path nodeModules();

// quran-json's and quran-pack's JSON files, parsed once per test process.
const nlohmann::json& quranJson(const std::string& distFile); // e.g. "quran.json"
const nlohmann::json& quranPackSura(int sura);

// Per sura the aya texts of a quran-json file ("text", "translation" or "transliteration").
std::vector<std::vector<std::string>> quranJsonAyat(const std::string& distFile,
                                                    const std::string& field);

// All regular files of a 7z archive, path -> bytes, and its folder entries.
struct ArchiveContents {
    std::map<std::string, std::string> files;
    std::vector<std::string> folders;
};
ArchiveContents readArchive(const std::filesystem::path& archive);
// Both built archives, read once per test process.
const ArchiveContents& builtLib();
const ArchiveContents& builtLibina();

// The lines of a text whose every line ends with CR LF; empty when it is empty.
std::vector<std::string> crLfLines(const std::string& bytes);
// True when every line of the text, the last included, ends with CR LF and no CR or LF
// stands alone.
bool endsEveryLineWithCrLf(const std::string& bytes);

// Plain text as the data files hold it: line breaks become blanks, & < > are escaped.
std::string asDataLine(const std::string& sourceText);

struct CommandResult {
    int exitCode;
    std::string output; // stdout and stderr together
};
CommandResult runCommand(const std::string& command);
std::string shellQuote(const std::string& text);

} // namespace tilvane::test
