#include "core/base/ini_file.h"

#include "core/base/ascii_case.h"
#include "core/base/atomic_replace.h"
#include "core/base/decimal_text.h"
#include "core/base/errors.h"
#include "core/base/file_bytes.h"
#include "core/base/text_trim.h"

#include <algorithm>

namespace tilvane {

namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A value in double quotes reads without them ("a b" gives a b), as profile files are read.
std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

IniFile IniFile::load(const std::string& path)
{
    std::optional<IniFile> ini = loadIfReadable(path);
    return ini ? std::move(*ini) : IniFile{};
}

std::optional<IniFile> IniFile::loadIfReadable(const std::string& path)
{
    const FileBytes file = readFileBytes(path, kMaxFileBytes);
    if (file.failure == ReadFailure::Missing)
        return IniFile{};
    if (!file)
        return std::nullopt;
    return parse(file.bytes);
}

IniFile IniFile::parse(std::string_view text)
{
    IniFile ini;
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        ini.m_hasBom = true;
        text.remove_prefix(kUtf8Bom.size());
    }
    std::size_t start = 0;
    while (start < text.size()) {
        // Lines end with CR LF, LF or a lone CR, as profile files are read.
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view raw = text.substr(start, end - start);
        start = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
        ini.m_lines.push_back(parseLine(raw));
    }
    return ini;
}

IniFile::Line IniFile::parseLine(std::string_view raw)
{
    Line line;
    line.raw = std::string(raw);
    const std::string_view content = trimBlanks(raw);
    if (!content.empty() && content.front() == '[') {
        const auto close = content.find(']');
        if (close != std::string_view::npos) {
            line.isHeader = true;
            line.section = std::string(trimBlanks(content.substr(1, close - 1)));
        }
    } else if (!content.empty() && content.front() != ';') {
        const auto equals = content.find('=');
        if (equals != std::string_view::npos) {
            line.isKey = true;
            line.key = std::string(trimBlanks(content.substr(0, equals)));
            line.value = std::string(unquoted(trimBlanks(content.substr(equals + 1))));
        }
    }
    return line;
}

std::size_t IniFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].isHeader && equalsIgnoringAsciiCase(m_lines[i].section, section))
            return i;
    }
    return npos;
}

std::size_t IniFile::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < m_lines.size() && !m_lines[i].isHeader)
        ++i;
    return i;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view key) const
{
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (m_lines[i].isKey && equalsIgnoringAsciiCase(m_lines[i].key, key))
            return i;
    }
    return npos;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const std::size_t header = findSection(section);
    if (header == npos)
        return std::nullopt;
    const std::size_t line = findKey(header, key);
    if (line == npos)
        return std::nullopt;
    return m_lines[line].value;
}

std::vector<std::string> IniFile::keys(std::string_view section) const
{
    std::vector<std::string> names;
    const std::size_t header = findSection(section);
    if (header == npos)
        return names;
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (m_lines[i].isKey)
            names.push_back(m_lines[i].key);
    }
    return names;
}

std::vector<std::string> IniFile::sections() const
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].isHeader && findSection(m_lines[i].section) == i)
            names.push_back(m_lines[i].section);
    }
    return names;
}

std::string IniFile::readString(std::string_view section, std::string_view key, const std::string& defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    const auto text = value(section, key);
    return text ? parseDecimalInt(*text).value_or(defaultValue) : defaultValue;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    Line keyLine;
    keyLine.isKey = true;
    keyLine.key = std::string(key);
    keyLine.value = std::string(value);
    keyLine.raw = keyLine.key + "=" + keyLine.value;

    std::size_t header = findSection(section);
    if (header == npos) {
        Line headerLine;
        headerLine.isHeader = true;
        headerLine.section = std::string(section);
        headerLine.raw = "[" + headerLine.section + "]";
        m_lines.push_back(std::move(headerLine));
        m_lines.push_back(std::move(keyLine));
        return;
    }
    const std::size_t existing = findKey(header, key);
    if (existing != npos) {
        keyLine.key = m_lines[existing].key; // keep the file's own spelling of the key
        keyLine.raw = keyLine.key + "=" + keyLine.value;
        m_lines[existing] = std::move(keyLine);
        return;
    }
    // After the section's last key, before any blank lines that separate it from the next.
    std::size_t insertAt = sectionEnd(header);
    while (insertAt > header + 1 && trimBlanks(m_lines[insertAt - 1].raw).empty())
        --insertAt;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(keyLine));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

std::string IniFile::text() const
{
    std::string out(m_hasBom ? kUtf8Bom : std::string_view());
    for (const Line& line : m_lines) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

void IniFile::save(const std::string& path) const
{
    const auto failure = [&path] { return TilvaneError("Unable to write to " + path); };
    const std::optional<std::string> target = finalLinkTarget(path);
    if (!target || isReadOnly(*target))
        throw failure();
    removeStaleTemporaries(*target);
    // A concurrent save may take our fresh temporary file for a stale one: then once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (replaceFile(*target, text())) {
        case Replaced::Yes:
            return;
        case Replaced::TemporaryGone:
            continue;
        case Replaced::No:
            throw failure();
        }
    }
    throw failure();
}

} // namespace tilvane
