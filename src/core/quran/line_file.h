#pragma once

#include "core/quran/line_list.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tilvane {

// The lines of a text file, read from the file each time one is asked for: only where each
// line starts is held in memory, the text stays on disk (a translation's ayat are over a
// megabyte each, of which a page shows a few kilobytes). Lines end like LineList's (CR LF, CR
// or LF) and their bytes pass through unchanged. The file stays open, so a file replaced
// since (renamed over) still reads as it was when loaded; copies share it.
class LineFile {
public:
    LineFile() = default;

    // Throws FileOpenError naming the file (and saying why) when it cannot be opened, is not
    // a regular file or is larger than maxBytes.
    static LineFile loadFromFile(const std::string& path, std::uint64_t maxBytes = LineList::kMaxFileBytes);

    // Line i, or an empty text past the end or when the file can no longer be read there.
    std::string lineOrEmpty(std::size_t i) const;
    // Lines first to first + count - 1, read from the file at once (a page's ayat); lines past
    // the end, or no longer in the file, are empty.
    std::vector<std::string> lines(std::size_t first, std::size_t count) const;

    std::size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }
    void clear();

private:
    struct Line {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    class OpenFile;

    std::shared_ptr<const OpenFile> m_file;
    std::vector<Line> m_lines;
};

} // namespace tilvane
