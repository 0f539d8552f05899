#pragma once

#include "core/audio/reciter_installer.h"

#include <string>
#include <vector>

namespace tilvane {

// What an install left in place, counted on the disk: the files of the chosen ayat.
struct InstallResult {
    int inPlace = 0;
    int requested = 0;
    std::vector<std::string> failures;
    bool cancelled = false;
    bool complete() const { return inPlace == requested && failures.empty() && !cancelled; }
};

InstallResult installResult(const std::string& folder, const std::vector<TQuranPos>& ayat,
                            const InstallSummary& summary);

// "N of M files installed; K failed (first failures, and how many more)", led by
// "Cancelled: " for a cancelled run; at most `listed` failures are named (none: listed elsewhere).
std::string installResultText(const InstallResult& result, std::size_t listed);

} // namespace tilvane
