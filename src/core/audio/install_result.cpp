#include "core/audio/install_result.h"

#include "core/audio/reciter_layout.h"

#include <filesystem>

namespace tilvane {

InstallResult installResult(const std::string& folder, const std::vector<TQuranPos>& ayat,
                            const InstallSummary& summary)
{
    InstallResult result;
    result.failures = summary.failures;
    result.cancelled = summary.cancelled;
    result.requested = static_cast<int>(ayat.size());
    for (const TQuranPos& aya : ayat) {
        std::error_code ignored;
        // Only a complete file gets its final name.
        if (std::filesystem::is_regular_file(folder + ayaRelativePath(aya.Sura, aya.Aya), ignored))
            ++result.inPlace;
    }
    return result;
}

std::string installResultText(const InstallResult& result, std::size_t listed)
{
    std::string text = result.cancelled ? "Cancelled: " : "";
    text += std::to_string(result.inPlace) + " of " + std::to_string(result.requested) + " files installed; "
        + std::to_string(result.failures.size()) + " failed";
    if (result.failures.empty() || listed == 0)
        return text + ".";
    text += " (";
    for (std::size_t index = 0; index < result.failures.size() && index < listed; ++index)
        text += (index == 0 ? "" : ", ") + result.failures[index];
    if (result.failures.size() > listed)
        text += ", and " + std::to_string(result.failures.size() - listed) + " more";
    return text + ").";
}

} // namespace tilvane
