#include "data_fixture.h"

#include "support/temp_folder.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <sys/wait.h>

namespace tilvane::test {

std::filesystem::path builtResDir()
{
    return std::filesystem::path(TILVANE_BUILD_DIR) / "res";
}

std::filesystem::path nodeModules()
{
    return std::filesystem::path(TILVANE_SOURCE_DIR) / "data/node_modules";
}

const nlohmann::json& quranJson(const std::string& distFile)
{
    static std::map<std::string, nlohmann::json> cache;
    auto found = cache.find(distFile);
    if (found == cache.end())
        found = cache.emplace(distFile, nlohmann::json::parse(readFile(
                    nodeModules() / "quran-json/dist" / distFile))).first;
    return found->second;
}

const nlohmann::json& quranPackSura(int sura)
{
    static std::map<int, nlohmann::json> cache;
    auto found = cache.find(sura);
    if (found == cache.end())
        found = cache.emplace(sura, nlohmann::json::parse(readFile(
                    nodeModules() / "quran-pack/dist/surah/source"
                    / (std::to_string(sura) + ".json")))).first;
    return found->second;
}

std::vector<std::vector<std::string>> quranJsonAyat(const std::string& distFile,
                                                    const std::string& field)
{
    std::vector<std::vector<std::string>> suras;
    for (const auto& sura : quranJson(distFile)) {
        suras.emplace_back();
        for (const auto& verse : sura.at("verses"))
            suras.back().push_back(verse.at(field).get<std::string>());
    }
    return suras;
}

ArchiveContents readArchive(const std::filesystem::path& archivePath)
{
    std::unique_ptr<archive, decltype(&archive_read_free)> reader(archive_read_new(),
                                                                  &archive_read_free);
    archive_read_support_format_7zip(reader.get());
    archive_read_support_filter_all(reader.get());
    if (archive_read_open_filename(reader.get(), archivePath.c_str(), 1 << 16) != ARCHIVE_OK)
        throw std::runtime_error("cannot open " + archivePath.string() + ": "
                                 + archive_error_string(reader.get()));
    ArchiveContents contents;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        std::string path = archive_entry_pathname(entry);
        if (archive_entry_filetype(entry) == AE_IFDIR) {
            if (path.ends_with('/'))
                path.pop_back();
            contents.folders.push_back(path);
            continue;
        }
        std::string bytes;
        std::array<char, 1 << 16> buffer;
        la_ssize_t got;
        while ((got = archive_read_data(reader.get(), buffer.data(), buffer.size())) > 0)
            bytes.append(buffer.data(), static_cast<std::size_t>(got));
        if (got < 0)
            throw std::runtime_error("cannot read " + path + " in " + archivePath.string());
        contents.files[path] = std::move(bytes);
    }
    return contents;
}

const ArchiveContents& builtLib()
{
    static const ArchiveContents contents = readArchive(builtResDir() / "lib.tvz");
    return contents;
}

const ArchiveContents& builtLibina()
{
    static const ArchiveContents contents = readArchive(builtResDir() / "libina.tvz");
    return contents;
}

std::vector<std::string> crLfLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool endsEveryLineWithCrLf(const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    }
    return bytes.empty() || bytes.ends_with("\r\n");
}

std::string asDataLine(const std::string& sourceText)
{
    std::string out;
    for (std::size_t i = 0; i < sourceText.size(); ++i) {
        const char c = sourceText[i];
        if (c == '\r' && i + 1 < sourceText.size() && sourceText[i + 1] == '\n')
            continue; // the LF that follows stands for the pair
        if (c == '\r' || c == '\n')
            out += ' ';
        else if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

CommandResult runCommand(const std::string& command)
{
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    std::string output;
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string shellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace tilvane::test
