#include "core/audio/part_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tilvane {

int openPartFile(const std::string& path)
{
    // O_NONBLOCK: a FIFO in the file's place fails to open or is refused below, never waited on.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::ftruncate(fd, 0) != 0) {
        const int error = S_ISREG(info.st_mode) ? errno : EINVAL;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::string partFileProblem(const std::string& path, int error)
{
    const bool planted = error == ELOOP || error == EINVAL || error == ENXIO;
    return "cannot write " + path + ": " + (planted ? "a link or special file stands there" : std::strerror(error));
}

} // namespace tilvane
