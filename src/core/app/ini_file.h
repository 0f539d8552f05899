#pragma once

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
    // A missing or unreadable file gives an empty one: every read then yields its default.
    static IniFile load(const std::string& path);
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

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // The file's text, lines ended by CR LF.
    std::string text() const;
    // Replaces the file atomically (temporary file in the same folder, then rename), so a
    // failure leaves the old file as it was. Throws TilvaneError "Unable to write to <path>".
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

    // Index of the first header of section, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the first key line of key in the section starting at header, or npos.
    std::size_t findKey(std::size_t header, std::string_view key) const;
    std::size_t sectionEnd(std::size_t header) const;

    std::vector<Line> m_lines;
};

} // namespace tilvane
