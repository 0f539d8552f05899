#include "core/base/file_bytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tilvane {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

FileBytes failed(ReadFailure failure)
{
    FileBytes result;
    result.failure = failure;
    return result;
}

// Reads at most maxBytes + 1 bytes: the size a file reports may change while it is read.
bool readAtMost(int fd, std::uint64_t maxBytes, std::string& bytes)
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes)
            return true;
    }
}

std::string sizeText(std::uint64_t bytes)
{
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    return bytes >= kMegabyte ? std::to_string(bytes / kMegabyte) + " MB" : std::to_string(bytes / 1024) + " KB";
}

} // namespace

FileBytes readFileBytes(const std::string& path, std::uint64_t maxBytes)
{
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return failed(errno == ENOENT || errno == ENOTDIR ? ReadFailure::Missing : ReadFailure::Unreadable);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return failed(ReadFailure::Unreadable);
    if (S_ISDIR(info.st_mode))
        return failed(ReadFailure::Folder);
    if (!S_ISREG(info.st_mode))
        return failed(ReadFailure::NotRegular);
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes)
        return failed(ReadFailure::TooLarge);

    FileBytes result;
    result.bytes.reserve(static_cast<std::size_t>(info.st_size));
    if (!readAtMost(file.get(), maxBytes, result.bytes))
        return failed(ReadFailure::Unreadable);
    if (result.bytes.size() > maxBytes)
        return failed(ReadFailure::TooLarge);
    return result;
}

bool writeAllBytes(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool writeFileNoFollow(const std::string& path, const std::string& bytes)
{
    // O_NONBLOCK: a FIFO without a reader fails at once instead of blocking.
    const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    FileDescriptor file(::open(path.c_str(), flags, 0666));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    if (::ftruncate(file.get(), 0) != 0 || !writeAllBytes(file.get(), bytes))
        return false;
    return file.close();
}

std::string describeReadFailure(ReadFailure failure, std::uint64_t maxBytes)
{
    switch (failure) {
    case ReadFailure::None:
        return {};
    case ReadFailure::Missing:
        return "It does not exist.";
    case ReadFailure::Folder:
        return "It is a folder, not a file.";
    case ReadFailure::NotRegular:
        return "It is not a regular file.";
    case ReadFailure::TooLarge:
        return "It is larger than the " + sizeText(maxBytes) + " such a file may have.";
    case ReadFailure::Unreadable:
        return "It cannot be read.";
    }
    return {};
}

} // namespace tilvane
