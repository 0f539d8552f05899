#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

// An INI file with the semantics of Windows profile files: sections and keys match without
// regard to ASCII case, the first of repeated sections or keys wins, and every line this
// program does not change (unknown sections and keys, comments) is written back as it was.
class IniFile {
public:
    // Far above any settings or descriptor file this program reads.
    static constexpr std::uint64_t kMaxFileBytes = 4 * 1024 * 1024;

    // A missing or unreadable file (also a FIFO, a device or one over kMaxFileBytes, which are
    // never read) gives an empty one: every read then yields its default.
    static IniFile load(const std::string& path);
    // As load, but nothing for a file that exists and cannot be read: a caller about to
    // replace the file must not replace what it could not see.
    static std::optional<IniFile> loadIfReadable(const std::string& path);
    // Lines end with CR LF, LF or CR; a leading UTF-8 byte-order mark is kept aside and
    // written back; a value in double quotes reads without them.
    static IniFile parse(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, const std::string& defaultValue) const;
    // Decimal with an optional sign; a missing or non-numeric value gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Read as an integer: any non-zero value is true.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // The keys of the section as the file spells them, in file order (the first of repeated
    // sections only, as reads see it).
    std::vector<std::string> keys(std::string_view section) const;
    // The sections as the file spells them, in file order, each once.
    std::vector<std::string> sections() const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // The file's text, lines ended by CR LF.
    std::string text() const;
    // Replaces the file atomically (temporary file in the same folder, then rename), so a
    // failure leaves the old file as it was. A symbolic link stays a link: its final target is
    // replaced, in the target's folder. A read-only file is refused. Temporary files of
    // interrupted saves (path + ".saving-XXXXXX" that no running save holds) are removed first.
    // Throws TilvaneError "Unable to write to <path>".
    void save(const std::string& path) const;

private:
    struct Line {
        std::string raw;
        std::string section; // for a header line: its name; else empty
        std::string key;     // for a key line: its key; else empty
        std::string value;
        bool isHeader = false;
        bool isKey = false;
    };

    static Line parseLine(std::string_view raw);

    // Index of the first header of section, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the first key line of key in the section starting at header, or npos.
    std::size_t findKey(std::size_t header, std::string_view key) const;
    std::size_t sectionEnd(std::size_t header) const;

    std::vector<Line> m_lines;
    bool m_hasBom = false;
};

} // namespace tilvane
