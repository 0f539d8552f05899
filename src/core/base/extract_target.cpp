#include "core/base/extract_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tilvane {

namespace {

// The entries' own permissions are ignored: the program later writes into these folders and
// replaces these files, so they stay owner-writable. The user's umask still applies.
constexpr mode_t kFileMode = 0644;
constexpr mode_t kFolderMode = 0755;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

} // namespace

bool ExtractTarget::open(const std::string& targetFolder)
{
    m_root = ::open(targetFolder.c_str(), kFolderFlags);
    return m_root >= 0;
}

ExtractTarget::~ExtractTarget()
{
    if (m_root >= 0)
        ::close(m_root);
}

ExtractTarget::Status ExtractTarget::failure(bool refused)
{
    m_error = errno;
    return refused ? Status::Refused : Status::Failed;
}

int ExtractTarget::enterFolder(int parent, const std::string& name, bool replaceOther)
{
    int fd = ::openat(parent, name.c_str(), kFolderFlags);
    if (fd >= 0)
        return fd;
    const bool somethingElse = errno == ELOOP || errno == ENOTDIR;
    if (somethingElse && !replaceOther) {
        m_refused = true;
        return -1;
    }
    if (somethingElse && ::unlinkat(parent, name.c_str(), 0) != 0)
        return -1;
    if (errno != ENOENT && !somethingElse)
        return -1;
    if (::mkdirat(parent, name.c_str(), kFolderMode) != 0 && errno != EEXIST)
        return -1;
    fd = ::openat(parent, name.c_str(), kFolderFlags);
    m_refused = fd < 0 && (errno == ELOOP || errno == ENOTDIR);
    return fd;
}

// The folder holding the last part, opened; -1 on failure. The caller closes it.
int ExtractTarget::openParent(const std::vector<std::string>& parts, bool replaceOther)
{
    m_refused = false;
    int folder = ::dup(m_root);
    for (std::size_t i = 0; folder >= 0 && i + 1 < parts.size(); ++i) {
        const int next = enterFolder(folder, parts[i], replaceOther);
        const int saved = errno;
        ::close(folder);
        errno = saved;
        folder = next;
    }
    return folder;
}

ExtractTarget::Status ExtractTarget::makeFolders(const std::vector<std::string>& parts)
{
    const int parent = openParent(parts, true);
    if (parent < 0)
        return failure(m_refused);
    const int folder = enterFolder(parent, parts.back(), true);
    const Status status = folder >= 0 ? Status::Ok : failure(m_refused);
    if (folder >= 0)
        ::close(folder);
    ::close(parent);
    return status;
}

ExtractTarget::Status ExtractTarget::createFile(const std::vector<std::string>& parts, int& fd)
{
    const int parent = openParent(parts, false);
    if (parent < 0)
        return failure(m_refused);
    // Removed first, so that a link, FIFO or read-only file of that name is replaced, never
    // written through; a folder in its place stays and refuses the entry.
    const char* name = parts.back().c_str();
    Status status = Status::Ok;
    if (::unlinkat(parent, name, 0) != 0 && errno != ENOENT)
        status = failure(errno == EISDIR || errno == EPERM);
    if (status == Status::Ok) {
        fd = ::openat(parent, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode);
        if (fd < 0)
            status = failure(false);
    }
    ::close(parent);
    return status;
}

void ExtractTarget::removeFile(const std::vector<std::string>& parts)
{
    const int parent = openParent(parts, false);
    if (parent < 0)
        return;
    ::unlinkat(parent, parts.back().c_str(), 0);
    ::close(parent);
}

} // namespace tilvane
