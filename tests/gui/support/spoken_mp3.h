#pragma once

#include <filesystem>
#include <string>

namespace tilvane::test {

// Speaks text into a constant-bitrate MP3 (espeak-ng, lame) like the recitation files.
// Returns false when either program is missing or fails.
bool makeSpokenMp3(const std::string& text, const std::filesystem::path& mp3);

} // namespace tilvane::test
