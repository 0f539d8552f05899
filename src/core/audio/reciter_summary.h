#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tilvane {

// What an installed reciter holds, for the reciter lists: its folder's size and how many
// ayat (of 6236) and suras (of 114) have their file.
struct ReciterSummary {
    std::string name;
    std::uint64_t bytes = 0;
    int ayaCount = 0;
    int completeSuraCount = 0; // suras with every aya's file
};

// Reads the folder of an installed reciter; links in it are neither followed nor counted.
ReciterSummary summarizeReciter(const std::string& name);
// The summaries of installedReciters(), in the same order.
std::vector<ReciterSummary> installedReciterSummaries();

} // namespace tilvane
