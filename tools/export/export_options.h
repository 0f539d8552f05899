#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tilvane::exporter {

enum class PageKind { Sura, Preface, Closing };

struct ExportOptions {
    std::string appDir; // empty: the executable's folder
    int sura = 0;
    PageKind kind = PageKind::Sura;
    std::string outFile;
    bool pdf = false; // write the page printed as PDF rather than its HTML
    bool tajweed = false; // tajweed colours on the sura page whatever the settings say
};

inline constexpr const char* kUsage =
    "usage: tilvane-export [--app-dir DIR] --sura N [--preface | --closing] [--pdf] [--tajweed] --out FILE";

// The options of a command line (without the program name); nothing when they are unusable,
// with the reason in `problem`.
std::optional<ExportOptions> parseExportOptions(const std::vector<std::string>& args, std::string& problem);

} // namespace tilvane::exporter
