#pragma once

#include "core/quran/quran_pos.h"

#include <cstdint>
#include <vector>

namespace tilvane {

// About how many bytes the recitation of these ayat takes, given the whole Quran's. A reciter
// spends on an aya about what its text is long, so the share is that of the Arabic text once
// it is loaded, else that of the number of ayat.
std::uint64_t estimatedRecitationBytes(std::uint64_t wholeQuranBytes, const std::vector<TQuranPos>& ayat);

} // namespace tilvane
