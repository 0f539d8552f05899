#include "core/app/ini_file.h"

#include "core/app/ascii_case.h"
#include "core/app/errors.h"
#include "core/app/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tilvane {

namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

IniFile IniFile::load(const std::string& path)
{
    const std::optional<std::string> bytes = readFileBytes(path);
    return bytes ? parse(*bytes) : IniFile{};
}

IniFile IniFile::parse(std::string_view text)
{
    IniFile ini;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        start = end + 1;

        Line line;
        line.raw = std::string(raw);
        const std::string_view content = trim(raw);
        if (!content.empty() && content.front() == '[') {
            const auto close = content.find(']');
            if (close != std::string_view::npos) {
                line.isHeader = true;
                line.section = std::string(trim(content.substr(1, close - 1)));
            }
        } else if (!content.empty() && content.front() != ';') {
            const auto equals = content.find('=');
            if (equals != std::string_view::npos) {
                line.isKey = true;
                line.key = std::string(trim(content.substr(0, equals)));
                line.value = std::string(trim(content.substr(equals + 1)));
            }
        }
        ini.m_lines.push_back(std::move(line));
    }
    return ini;
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

std::string IniFile::readString(std::string_view section, std::string_view key, const std::string& defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    const auto text = value(section, key);
    if (!text || text->empty())
        return defaultValue;
    const char* first = text->data();
    const char* last = first + text->size();
    if (*first == '+')
        ++first;
    int result = 0;
    const auto [end, error] = std::from_chars(first, last, result);
    if (error != std::errc() || end != last)
        return defaultValue;
    return result;
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
    while (insertAt > header + 1 && trim(m_lines[insertAt - 1].raw).empty())
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
    std::string out;
    for (const Line& line : m_lines) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

void IniFile::save(const std::string& path) const
{
    const auto failure = [&path] { return TilvaneError("Unable to write to " + path); };
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        throw failure();

    struct stat existing {};
    const mode_t mode = (stat(path.c_str(), &existing) == 0) ? (existing.st_mode & 07777) : 0644;
    const bool written = fchmod(fd, mode) == 0 && writeAll(fd, text()) && fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw failure();
    }
}

} // namespace tilvane
