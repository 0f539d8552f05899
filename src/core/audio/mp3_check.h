#pragma once

#include <string>
#include <string_view>

namespace tilvane {

// Whether bytes begin like an MP3 file: an ID3v2 tag, or an MPEG audio frame header (sync
// bits, a defined version, layer, bit rate and sample rate). An HTML error page, a text or
// an empty body is not.
bool startsLikeMp3(std::string_view bytes);

// The same test on the first bytes of a file; false when it cannot be read.
bool isMp3File(const std::string& path);

} // namespace tilvane
