#include "core/app/file_bytes.h"

#include <fstream>
#include <sstream>

namespace tilvane {

std::optional<std::string> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

} // namespace tilvane
