#include "core/quran/line_file.h"

#include "core/base/errors.h"
#include "core/base/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace tilvane {

class LineFile::OpenFile {
public:
    explicit OpenFile(int fd) : m_fd(fd) {}
    ~OpenFile() { ::close(m_fd); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // Up to `length` bytes from `start`; fewer when the file has shrunk since.
    std::string read(std::uint32_t start, std::uint32_t length) const
    {
        std::string bytes(length, '\0');
        std::size_t done = 0;
        while (done < length) {
            const ssize_t count = ::pread(m_fd, bytes.data() + done, length - done, static_cast<off_t>(start + done));
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                break;
            done += static_cast<std::size_t>(count);
        }
        bytes.resize(done);
        return bytes;
    }

private:
    int m_fd;
};

namespace {

[[noreturn]] void refuse(const std::string& path, ReadFailure failure, std::uint64_t maxBytes)
{
    throw FileOpenError(path, failure == ReadFailure::Missing ? "" : describeReadFailure(failure, maxBytes));
}

} // namespace

LineFile LineFile::loadFromFile(const std::string& path, std::uint64_t maxBytes)
{
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        refuse(path, errno == ENOENT || errno == ENOTDIR ? ReadFailure::Missing : ReadFailure::Unreadable, maxBytes);
    LineFile file;
    file.m_file = std::make_shared<const OpenFile>(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        refuse(path, ReadFailure::Unreadable, maxBytes);
    if (S_ISDIR(info.st_mode))
        refuse(path, ReadFailure::Folder, maxBytes);
    if (!S_ISREG(info.st_mode))
        refuse(path, ReadFailure::NotRegular, maxBytes);
    // Read whole once to find the lines; the size may change meanwhile, so one byte more than
    // allowed is asked for.
    const std::uint64_t allowed = std::min<std::uint64_t>(maxBytes, UINT32_MAX - 1);
    const std::uint64_t wanted = std::min<std::uint64_t>(static_cast<std::uint64_t>(info.st_size), allowed) + 1;
    const std::string bytes = file.m_file->read(0, static_cast<std::uint32_t>(wanted));
    if (bytes.size() > allowed || static_cast<std::uint64_t>(info.st_size) > allowed)
        refuse(path, ReadFailure::TooLarge, maxBytes);
    const std::string_view text = bytes;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        file.m_lines.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)});
        if (end == text.size())
            break;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    file.m_lines.shrink_to_fit();
    return file;
}

std::string LineFile::lineOrEmpty(std::size_t i) const
{
    if (i >= m_lines.size())
        return {};
    return m_file->read(m_lines[i].start, m_lines[i].length);
}

std::vector<std::string> LineFile::lines(std::size_t first, std::size_t count) const
{
    std::vector<std::string> result(count);
    const std::size_t end = std::min(m_lines.size(), first + count);
    if (first >= end)
        return result;
    const std::uint32_t start = m_lines[first].start;
    const std::string bytes = m_file->read(start, m_lines[end - 1].start + m_lines[end - 1].length - start);
    for (std::size_t i = first; i < end; ++i) {
        const std::size_t offset = m_lines[i].start - start;
        if (offset < bytes.size())
            result[i - first] = bytes.substr(offset, std::min<std::size_t>(m_lines[i].length, bytes.size() - offset));
    }
    return result;
}

void LineFile::clear()
{
    m_file.reset();
    m_lines.clear();
}

} // namespace tilvane
