#include "core/audio/reciter_source.h"

#include "core/app/app_dirs.h"
#include "core/base/archive.h"
#include "core/base/errors.h"
#include "core/app/paths.h"
#include "core/audio/folder_transfer.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tilvane {

ReciterSourceKind classifyReciterSource(const std::string& source)
{
    if (source.rfind("http://", 0) == 0 || source.rfind("https://", 0) == 0)
        return ReciterSourceKind::Web;
    std::error_code error;
    if (fs::is_directory(source, error))
        return ReciterSourceKind::Folder;
    if (fs::is_regular_file(source, error))
        return ReciterSourceKind::Archive;
    throw TilvaneError("\"" + source + "\" is neither a web address (http:// or https://) nor a folder or file.");
}

UnpackedArchive unpackReciterArchive(const std::string& archive, const std::string& name, std::uint64_t minFreeBytes)
{
    UnpackedArchive unpacked;
    unpacked.folder = AppDirs.AudioDir + "." + name + ".unpack" + kPathSeparator;
    removeUnpackedArchive(unpacked);
    const ExtractResult result = ExtractArchive(archive, unpacked.folder, kMaxReciterArchiveBytes, minFreeBytes);
    if (!result) {
        unpacked.problem = result.message.empty() ? "Cannot open file \"" + archive + "\"." : result.message;
        if (result.outcome == ExtractResult::Outcome::Refused)
            unpacked.problem += " The files that could be read are used.";
    }
    unpacked.root = sourceRoot(unpacked.folder);
    return unpacked;
}

void removeUnpackedArchive(const UnpackedArchive& unpacked)
{
    std::error_code ignored;
    fs::remove_all(unpacked.folder, ignored);
}

} // namespace tilvane
