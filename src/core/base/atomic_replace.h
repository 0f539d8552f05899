#pragma once

#include <optional>
#include <string>

namespace tilvane {

// The file a path finally names: the path itself, or for a symbolic link (or a chain of
// them) the last target, which need not exist yet. Nothing for a loop of links.
std::optional<std::string> finalLinkTarget(const std::string& path);

// True when the file exists and may not be written: no write permission for anyone (as a
// read-only file, also for root) or none for this user.
bool isReadOnly(const std::string& path);

// Removes the temporary files path + ".saving-XXXXXX" that replaceFile left when its process
// died: regular files of this user that no running save holds locked.
void removeStaleTemporaries(const std::string& path);

enum class Replaced { Yes, No, TemporaryGone };

// Writes bytes to a locked temporary file beside path, flushes it to disk and renames it over
// path, keeping an existing file's permissions (a new file gets newFileMode). TemporaryGone:
// another process removed the temporary file before the rename; nothing was changed. After
// No, errno tells why.
Replaced replaceFile(const std::string& path, const std::string& bytes, unsigned newFileMode = 0644);

} // namespace tilvane
