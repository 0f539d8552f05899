#pragma once

#include <optional>
#include <string>

namespace tilvane {

// The whole content of a file, or nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::string& path);

} // namespace tilvane
