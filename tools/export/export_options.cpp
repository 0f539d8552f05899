#include "export_options.h"

#include "core/quran/sura_table.h"

#include <charconv>

namespace tilvane::exporter {

namespace {

std::optional<int> parseSura(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < 1 || value > kSuraCount)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<ExportOptions> parseExportOptions(const std::vector<std::string>& args, std::string& problem)
{
    ExportOptions options;
    bool kindGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--preface" || option == "--closing") {
            if (kindGiven) {
                problem = "give --preface or --closing once";
                return std::nullopt;
            }
            options.kind = option == "--preface" ? PageKind::Preface : PageKind::Closing;
            kindGiven = true;
            continue;
        }
        if (option == "--pdf") {
            options.pdf = true;
            continue;
        }
        if (option == "--tajweed") {
            options.tajweed = true;
            continue;
        }
        if (option != "--app-dir" && option != "--sura" && option != "--out") {
            problem = "unknown option \"" + option + "\"";
            return std::nullopt;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            problem = option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--app-dir") {
            options.appDir = value;
        } else if (option == "--out") {
            options.outFile = value;
        } else if (const std::optional<int> sura = parseSura(value)) {
            options.sura = *sura;
        } else {
            problem = "--sura takes a sura number from 1 to 114, not \"" + value + "\"";
            return std::nullopt;
        }
    }
    if (options.sura == 0) {
        problem = "--sura is missing";
        return std::nullopt;
    }
    if (options.outFile.empty()) {
        problem = "--out is missing";
        return std::nullopt;
    }
    return options;
}

} // namespace tilvane::exporter
