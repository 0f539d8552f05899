#pragma once

#include "core/search/arabic_letters.h"
#include "core/search/arabic_root.h"

#include <vector>

namespace tilvane {

// Adds the roots a word may be read as once the particles and the article in front of it are
// off: its endings and attached pronouns taken off or kept, the letters of its verb or noun
// pattern taken away, weak and doubled radicals restored. wasla: the word began with ٱ;
// stripped: the vowel of the particle taken off in front; noun: the article was taken off (no
// verb prefixes then); penalty: what taking it cost.
void addRootReadings(std::vector<RootCandidate>& out, const Units& units, bool wasla, char stripped, bool noun,
                     double penalty);

} // namespace tilvane
