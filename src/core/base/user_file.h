#pragma once

#include <string>

namespace tilvane {

// Writes a file whose name the user gave (an export, a PDF, a bookmark file). A symbolic link
// is followed and its final target replaced atomically in the target's own folder, the link
// kept, as the settings file is saved; an existing file keeps its permissions, a new one gets
// newFileMode. A FIFO or character device (a pipe, /dev/null) receives the bytes as a stream
// and is never replaced by a regular file; a folder, block device, socket or read-only file is
// refused. Throws TilvaneError "Unable to write to PATH: why", naming path as the user gave it.
void writeUserFile(const std::string& path, const std::string& bytes, unsigned newFileMode = 0644);

} // namespace tilvane
