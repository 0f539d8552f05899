#include "core/audio/folder_transfer.h"

#include "core/app/paths.h"
#include "core/audio/part_file.h"
#include "core/base/file_bytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

bool isFile(const fs::path& path)
{
    std::error_code ignored;
    return fs::is_regular_file(path, ignored);
}

bool isFolder(const fs::path& path)
{
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

// "002255.mp3" lies flat or in "002/"; other names only flat.
std::optional<fs::path> findSourceFile(const fs::path& folder, const std::string& name)
{
    if (isFile(folder / name))
        return folder / name;
    if (name.size() == 10 && isFile(folder / name.substr(0, 3) / name))
        return folder / name.substr(0, 3) / name;
    return std::nullopt;
}

// Empty on success, else why the copy failed; the part file is then left for the installer
// to remove.
std::string copyToPart(const fs::path& source, const std::string& partPath)
{
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return std::string("cannot be copied: ") + std::strerror(errno);
    const int out = openPartFile(partPath);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        return partFileProblem(partPath, error);
    }
    std::string problem;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(in, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count < 0)
                problem = std::string("cannot be copied: ") + std::strerror(errno);
            break;
        }
        if (!writeAllBytes(out, std::string(buffer, static_cast<std::size_t>(count)))) {
            problem = std::string("cannot be copied: ") + std::strerror(errno);
            break;
        }
    }
    ::close(in);
    if (::close(out) != 0 && problem.empty())
        problem = std::string("cannot be copied: ") + std::strerror(errno);
    return problem;
}

bool holdsRecitationFiles(const fs::path& folder)
{
    return findSourceFile(folder, "001001.mp3") || isFile(folder / "bismillah.mp3")
        || isFolder(folder / "001") || isFolder(folder / "114");
}

} // namespace

FolderTransfer::FolderTransfer(std::string folder, Mode mode)
    : m_folder(std::move(folder)), m_mode(mode)
{
}

void FolderTransfer::fetch(const std::string& name, const std::string& partPath, Done done)
{
    TransferResult result;
    const std::optional<fs::path> source = findSourceFile(m_folder, name);
    if (!source) {
        result.status = TransferResult::Status::NotFound;
        result.error = "not in the source";
        done(result);
        return;
    }
    // A rename replaces whatever stands at partPath, a link too, and never writes through it.
    std::error_code error;
    if (m_mode == Mode::Move)
        fs::rename(*source, partPath, error);
    if (m_mode == Mode::Copy || error)
        result.error = copyToPart(*source, partPath);
    if (result.error.empty()) {
        result.status = TransferResult::Status::Done;
        result.bytes = static_cast<std::int64_t>(fs::file_size(partPath, error));
    }
    done(result);
}

std::string sourceRoot(const std::string& folder)
{
    const fs::path top(folder);
    if (holdsRecitationFiles(top))
        return withTrailingSeparator(folder);
    std::optional<fs::path> only;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(top, error)) {
        if (!entry.is_directory(error))
            continue;
        if (only)
            return withTrailingSeparator(folder);
        only = entry.path();
    }
    return only ? withTrailingSeparator(only->string()) : withTrailingSeparator(folder);
}

} // namespace tilvane
