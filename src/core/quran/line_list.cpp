#include "core/quran/line_list.h"

#include "core/base/errors.h"
#include "core/base/file_bytes.h"


namespace tilvane {

LineList LineList::loadFromFile(const std::string& path, std::uint64_t maxBytes)
{
    const FileBytes file = readFileBytes(path, maxBytes);
    if (!file)
        throw FileOpenError(path, file.failure == ReadFailure::Missing ? "" : describeReadFailure(file.failure, maxBytes));
    return fromText(file.bytes);
}

LineList LineList::fromText(std::string_view text)
{
    LineList list;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            list.add(std::string(text.substr(start)));
            break;
        }
        list.add(std::string(text.substr(start, end - start)));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return list;
}

void LineList::saveToFile(const std::string& path) const
{
    std::string bytes;
    std::size_t total = 0;
    for (const std::string& line : m_lines)
        total += line.size() + 2;
    bytes.reserve(total);
    for (const std::string& line : m_lines) {
        bytes += line;
        bytes += "\r\n";
    }
    if (!writeFileNoFollow(path, bytes))
        throw TilvaneError("Cannot write file \"" + path + "\".");
}

const std::string& LineList::lineOrEmpty(std::size_t i) const
{
    static const std::string empty;
    return i < m_lines.size() ? m_lines[i] : empty;
}

} // namespace tilvane
