#pragma once

#include "core/tajweed/tajweed_rules.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <tuple>

namespace tilvane::accuracy {

// One governed letter: global aya index (1..6236), base-letter index in the aya, rule.
using RuleLetter = std::tuple<int, std::uint32_t, TajweedRule>;

using ReferenceLetters = std::set<RuleLetter>;

// The reference's file: TILVANE_TAJWEED_REFERENCE when set, else the first
// shared/reference/tajweed/tajweed_letters.tsv above the source folder; nullopt when absent.
std::optional<std::string> findReferenceFile();

// Reads lines of "sura:aya<TAB>letter<TAB>rule" after a heading line. Throws TilvaneError
// naming the file and line for anything else.
ReferenceLetters readReferenceLetters(const std::string& path);

} // namespace tilvane::accuracy
