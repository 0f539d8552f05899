#include "floor_io.h"

#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace tilvane::bench {

void writeBytes(const std::string& path, const char* bytes, std::size_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t written = ::write(fd, bytes + done, size - done);
        if (written <= 0) {
            ::close(fd);
            throw std::runtime_error("cannot write " + path);
        }
        done += static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0)
        throw std::runtime_error("cannot close " + path);
}

const char* floorBytes(std::size_t size)
{
    static std::vector<char> buffer;
    if (buffer.size() < size)
        buffer.assign(size, 'x');
    return buffer.data();
}

} // namespace tilvane::bench
