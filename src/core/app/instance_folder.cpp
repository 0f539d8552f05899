#include "core/app/instance_folder.h"

#include "core/base/errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

constexpr const char* kFirstFolder = "Tilvane";
constexpr const char* kLockFile = ".instance.lock";
constexpr int kMaxInstances = 64;
// A slot whose folder another start removes while we take it is tried again, a few times.
constexpr int kAttemptsPerSlot = 4;

std::string folderName(int slot)
{
    return slot == 1 ? std::string(kFirstFolder) : std::string(kFirstFolder) + "-" + std::to_string(slot);
}

// The path without its trailing separator: lstat of "link/" would follow the link.
std::string withoutTrailingSeparator(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

void checkFolderIsOurs(const std::string& folder)
{
    struct stat info {};
    if (::lstat(withoutTrailingSeparator(folder).c_str(), &info) != 0)
        throw TilvaneError("Cannot create the working folder \"" + folder + "\": " + std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        throw TilvaneError("The working folder \"" + folder + "\" is a symbolic link; Tilvane will not write through it.");
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        throw TilvaneError("The working folder \"" + folder + "\" is not a folder of yours; Tilvane will not use it.");
}

// The lock of the folder's lock file, when no living instance holds it; -1 otherwise. The file
// is checked to be still the folder's own after locking: a start that removed the folder
// meanwhile leaves us holding the lock of a deleted file.
int lockFolder(const std::string& folder, bool create)
{
    const std::string lockPath = folder + kLockFile;
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | (create ? O_CREAT : 0), 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int busy = errno;
        ::close(fd);
        errno = busy;
        return -1;
    }
    struct stat locked {};
    struct stat current {};
    if (::fstat(fd, &locked) == 0 && ::lstat(lockPath.c_str(), &current) == 0 && locked.st_dev == current.st_dev
        && locked.st_ino == current.st_ino)
        return fd;
    ::close(fd);
    errno = ESTALE;
    return -1;
}

enum class Slot { Taken, Busy };

Slot takeSlot(const std::string& folder, int& lockFd)
{
    for (int attempt = 0; attempt < kAttemptsPerSlot; ++attempt) {
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            throw TilvaneError("Cannot create the working folder \"" + folder + "\": " + std::strerror(errno));
        checkFolderIsOurs(folder);
        lockFd = lockFolder(folder, true);
        if (lockFd >= 0)
            return Slot::Taken;
        if (errno == ELOOP)
            throw TilvaneError("The working folder \"" + folder + "\" holds a symbolic link; Tilvane will not write through it.");
        if (errno == EWOULDBLOCK)
            return Slot::Busy;
    }
    return Slot::Busy;
}

// Folders of dead instances other than ours go; folders without a lock file are left alone,
// as another start may just have made one.
void removeDeadInstances(const std::string& privateRoot, const std::string& ours)
{
    for (int slot = 1; slot <= kMaxInstances; ++slot) {
        const std::string folder = privateRoot + folderName(slot) + "/";
        if (folder == ours)
            continue;
        const std::string path = withoutTrailingSeparator(folder);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            continue;
        const int fd = lockFolder(folder, false);
        if (fd < 0)
            continue;
        // The folder leaves its slot in one step before it is emptied: removed in place, a
        // start taking the slot meanwhile could create its lock file in it and then lose the
        // folder it believes it owns.
        const std::string doomed = privateRoot + ".removing-" + std::to_string(::getpid()) + "-" + std::to_string(slot);
        if (::rename(path.c_str(), doomed.c_str()) == 0) {
            std::error_code ignored;
            fs::remove_all(doomed, ignored); // removes links below, never follows them
        }
        ::close(fd);
    }
}

} // namespace

InstanceFolder InstanceFolder::acquire(const std::string& privateRoot)
{
    for (int slot = 1; slot <= kMaxInstances; ++slot) {
        const std::string folder = privateRoot + folderName(slot) + "/";
        int lockFd = -1;
        if (takeSlot(folder, lockFd) == Slot::Taken) {
            removeDeadInstances(privateRoot, folder);
            return InstanceFolder(folder, lockFd);
        }
    }
    throw TilvaneError("Cannot start: " + std::to_string(kMaxInstances) + " instances of Tilvane already use \""
                       + privateRoot + "\".");
}

InstanceFolder::InstanceFolder(InstanceFolder&& other) noexcept
    : m_path(std::move(other.m_path)), m_lockFd(other.m_lockFd)
{
    other.m_lockFd = -1;
}

InstanceFolder& InstanceFolder::operator=(InstanceFolder&& other) noexcept
{
    if (this != &other) {
        if (m_lockFd >= 0)
            ::close(m_lockFd);
        m_path = std::move(other.m_path);
        m_lockFd = other.m_lockFd;
        other.m_lockFd = -1;
    }
    return *this;
}

InstanceFolder::~InstanceFolder()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

void refuseLinksBelow(const std::string& folder)
{
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_symlink(error))
            throw TilvaneError("The working folder holds the symbolic link \"" + it->path().string()
                               + "\"; Tilvane will not write through it.");
    }
}

void makeFolders(const std::vector<const std::string*>& folders)
{
    // A failure shows up later as a file that cannot be written.
    for (const std::string* folder : folders) {
        const std::string path = withoutTrailingSeparator(*folder);
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
            ::unlink(path.c_str());
        ::mkdir(path.c_str(), 0700);
    }
}

} // namespace tilvane
