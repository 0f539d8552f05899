#include "core/base/user_file.h"

#include "core/base/atomic_replace.h"
#include "core/base/errors.h"
#include "core/base/file_bytes.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tilvane {

namespace {

[[noreturn]] void fail(const std::string& path, const std::string& why)
{
    throw TilvaneError("Unable to write to " + path + ": " + why);
}

// A reader that goes away must end this write with an error, not the process with SIGPIPE.
bool writeWithoutSigpipe(int fd, const std::string& bytes)
{
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const bool written = writeAllBytes(fd, bytes);
    const int error = errno;
    if (!written && error == EPIPE) {
        const timespec noWait{};
        sigtimedwait(&pipeSignal, nullptr, &noWait);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return written;
}

void streamInto(const std::string& path, const std::string& bytes)
{
    // Non-blocking to open: a FIFO nobody reads would otherwise hang the program here.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        fail(path, errno == ENXIO ? "it is a pipe no program reads from" : std::strerror(errno));
    struct stat info {};
    const bool stream = ::fstat(fd, &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode));
    const int flags = ::fcntl(fd, F_GETFL);
    const bool written = stream && flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0
        && writeWithoutSigpipe(fd, bytes);
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!stream)
        fail(path, "it changed while being opened");
    if (!written)
        fail(path, std::strerror(error));
    if (!closed)
        fail(path, std::strerror(errno));
}

} // namespace

void writeUserFile(const std::string& path, const std::string& bytes, unsigned newFileMode)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode))
            fail(path, "it is a folder");
        if (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode)) {
            streamInto(path, bytes);
            return;
        }
        fail(path, "it is a device or socket, not a file");
    }
    const std::optional<std::string> target = finalLinkTarget(path);
    if (!target)
        fail(path, "its links lead in a circle");
    if (isReadOnly(*target))
        fail(path, "it is read-only");
    removeStaleTemporaries(*target);
    // A concurrent save may take our fresh temporary file for a stale one: then once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (replaceFile(*target, bytes, newFileMode)) {
        case Replaced::Yes:
            return;
        case Replaced::TemporaryGone:
            continue;
        case Replaced::No:
            fail(path, std::strerror(errno));
        }
    }
    fail(path, "another program keeps removing its temporary file");
}

} // namespace tilvane
