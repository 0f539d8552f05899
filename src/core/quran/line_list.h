#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

// An ordered list of text lines, loaded from files whose lines end with CR LF, CR or LF and
// saved with every entry followed by CR LF. Bytes pass through unchanged (UTF-8 stays UTF-8).
class LineList {
public:
    LineList() = default;
    explicit LineList(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    // Far above the largest data or translation file (a few MB), far below what would
    // exhaust memory.
    static constexpr std::uint64_t kMaxFileBytes = 64 * 1024 * 1024;

    // Throws FileOpenError naming the file (and saying why) when it cannot be opened, is not
    // a regular file or is larger than maxBytes.
    static LineList loadFromFile(const std::string& path, std::uint64_t maxBytes = kMaxFileBytes);
    static LineList fromText(std::string_view text);
    // Never writes through a symbolic link in the file's place. Throws TilvaneError naming the
    // file when it cannot be written completely.
    void saveToFile(const std::string& path) const;

    // Line i, or an empty text past the end: a short data file must never crash a page.
    const std::string& lineOrEmpty(std::size_t i) const;

    void add(std::string line) { m_lines.push_back(std::move(line)); }
    void clear() { m_lines.clear(); }
    std::size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }
    const std::vector<std::string>& lines() const { return m_lines; }
    auto begin() const { return m_lines.begin(); }
    auto end() const { return m_lines.end(); }

private:
    std::vector<std::string> m_lines;
};

} // namespace tilvane
